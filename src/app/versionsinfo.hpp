#pragma once
// Version information of an executable: its version block (versions_block.hpp)
// read back into a TFileVersionInfo, and the texts the version panel shows.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shared/versions_info.hpp"

// The fixed part of the version information.
struct Feste_Versionsinfo {
    std::uint32_t Dateityp =
        0; // 1 application, 2 DLL, 3 driver, 4 font, 5 virtual device, 7 static library
    std::uint32_t Untertyp = 0; // kind of driver or font, or the virtual device's identifier
    std::uint32_t Flaggen =
        0; // 0x01 debug, 0x02 pre-release, 0x04 patched, 0x08 private, 0x10 inferred, 0x20 special
    std::uint32_t Flaggen_Maske = 0; // which of the flags are defined
};

// The text of a file type and subtype ("Application", "Printer Driver", ...).
std::string Dateifunktion_Text(const Feste_Versionsinfo& fest);

// Reads the version block found in `bytes` into `info` (texts and flags);
// false when there is none. FileType is not touched.
bool Versionsblock_Auswerten(std::string_view bytes, TFileVersionInfo& info);

// The version information of a file: FileType is the type name of the file
// (empty when the file does not exist); the rest comes from its version block,
// and stays empty (flags false) when the file carries none.
TFileVersionInfo Versionsinfo_Lesen(const std::string& datei);

// The 17 rows of the version grid: label (16 characters) and value.
std::vector<std::pair<std::string, std::string>> Versionsinfo_Zeilen(const TFileVersionInfo& info);
