#pragma once
// Shared pieces of the fuzz targets. The readers take paths, so each input is
// written to a file in a scratch folder of this process first; that way the
// header skip, the line splitting and the lookup run exactly as in the program.
//
// The program's own errors (a missing file, a malformed number, a value out of
// range) are all std::runtime_error kinds and are the expected answer to bad
// input. Anything else escapes the target and is a finding: an index error
// (std::logic_error), an allocation without bound, a crash or a sanitizer report.
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "shared/objekt_type.hpp"

namespace fuzz {

// The scratch folder, removed at exit; in /dev/shm when there is one.
inline const std::string& Ordner() {
    static const std::string ordner = [] {
        namespace fs = std::filesystem;
        const fs::path basis =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string muster = (basis / "stelux_fuzz_XXXXXX").string();
        if (!mkdtemp(muster.data())) std::abort();
        static const std::string weg = muster;
        std::atexit([] {
            std::error_code fehler;
            fs::remove_all(weg, fehler);
        });
        return muster;
    }();
    return ordner;
}

// Writes the bytes to `name` in the scratch folder; returns the full path.
inline std::string Schreiben(const std::string& name, std::string_view daten) {
    const std::string pfad = Ordner() + "/" + name;
    std::FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f) std::abort();
    if (!daten.empty() && std::fwrite(daten.data(), 1, daten.size(), f) != daten.size())
        std::abort();
    if (std::fclose(f) != 0) std::abort();
    return pfad;
}

inline std::string_view Text(const std::uint8_t* daten, std::size_t groesse) {
    return {reinterpret_cast<const char*>(daten), groesse};
}

// Runs `schritt`; the program's errors end it quietly.
template <class Schritt> void Versuchen(Schritt schritt) {
    try {
        schritt();
    } catch (const std::runtime_error&) {
    }
}

// A found object goes to the screen: every number it carries must be finite.
inline void Gefunden(const Objekt_Type& o) {
    for (double w : {o.RA2000, o.DE2000, o.RAapp, o.DEapp, o.BMag, o.VMag, o.Distanz, o.Groesse_A,
                     o.Groesse_B})
        if (!std::isfinite(w)) {
            std::fprintf(stderr, "%s%s: Zahl nicht endlich\n",
                         std::string(Art_Label(o.Art)).c_str(), o.Bezeichnung.c_str());
            std::abort();
        }
}

} // namespace fuzz
