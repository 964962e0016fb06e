// stelux-cli --karte against the built catalogues (STELUX_KATALOG), run as the
// observer would, with no display and no platform chosen.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "eigener_ordner.hpp"

namespace {
std::string Ordner() {
    const char* o = std::getenv("STELUX_KATALOG");
    return o && std::filesystem::is_directory(o) ? o : "";
}

int Karte(const std::string& ordner, const std::string& optionen, std::string& fehler) {
    const std::string fehler_datei = Eigener_Temp_Pfad("stelux_karte_fehler").string();
    const std::string befehl =
        "cd '" + ordner +
        "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM TZ=UTC '" STELUX_BINAER_ORDNER
        "/stelux-cli' --zeit 2026-03-20T21:00:00 "
        "--daten '" +
        ordner + "' " + optionen + " >/dev/null 2>" + fehler_datei;
    const int status = std::system(befehl.c_str());
    std::ifstream f(fehler_datei);
    std::stringstream s;
    s << f.rdbuf();
    fehler = s.str();
    std::filesystem::remove(fehler_datei);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Lesen(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}
} // namespace

TEST(KarteCli, PngUndPdfUndFehlerfaelle) {
    const std::string ordner = Ordner();
    if (ordner.empty()) GTEST_SKIP() << "STELUX_KATALOG names no catalogue folder";
    const auto tmp =
        std::filesystem::temp_directory_path() / ("stelux_karte_cli_" + std::to_string(::getpid()));
    std::filesystem::create_directories(tmp);
    const std::string png = (tmp / "karte.png").string(), pdf = (tmp / "karte.pdf").string();
    std::string fehler;

    ASSERT_EQ(Karte(ordner, "--karte '" + png + "' M31", fehler), 0) << fehler;
    const QImage bild(QString::fromStdString(png));
    EXPECT_EQ(bild.width(), 800);
    EXPECT_EQ(bild.height(), 800);

    ASSERT_EQ(Karte(ordner, "--karte '" + pdf + "' --feld 20 M31", fehler), 0) << fehler;
    const std::string inhalt = Lesen(pdf);
    EXPECT_EQ(inhalt.rfind("%PDF", 0), 0u);
    EXPECT_NE(inhalt.find("%%EOF", inhalt.size() - 16), std::string::npos);

    // A night's objects into one PDF, one page each; a miss among them writes none.
    const std::string nacht = (tmp / "nacht.pdf").string();
    ASSERT_EQ(Karte(ordner, "--karte '" + nacht + "' M31 N7000 PMars", fehler), 0) << fehler;
    const std::string seiten = Lesen(nacht);
    std::size_t n = 0;
    for (std::size_t p = seiten.find("/Type /Page\n"); p != std::string::npos;
         p = seiten.find("/Type /Page\n", p + 1))
        ++n;
    EXPECT_EQ(n, 3u);
    std::filesystem::remove(nacht);

    // Failures never leave a file, and never touch an existing one.
    std::ofstream(tmp / "alt.png") << "alt";
    const std::string alt = (tmp / "alt.png").string();
    struct Fall {
        const char* optionen;
        int code;
    };
    const Fall faelle[] = {
        {"--karte '@' M99999", 1},
        {"--karte '@' --feld 0 M31", 2},
        {"--karte '@' --feld -5 M31", 2},
        {"--karte '@' --feld 180 M31", 2},
        {"--karte '@' --feld x M31", 2},
        {"--karte '@'", 2},
        {"--feld 5 M31", 2},
        {"--karte '@' M31 M42", 2},
    };
    for (const Fall& f : faelle) {
        std::string opt = f.optionen;
        if (const auto at = opt.find('@'); at != std::string::npos) opt.replace(at, 1, alt);
        EXPECT_EQ(Karte(ordner, opt, fehler), f.code) << opt;
        EXPECT_FALSE(fehler.empty()) << opt;
        EXPECT_EQ(Lesen(alt), "alt") << opt;
    }
    EXPECT_EQ(Karte(ordner, "--karte '" + (tmp / "fehlt" / "k.png").string() + "' M31", fehler), 2);
    EXPECT_NE(fehler.find("fehlt"), std::string::npos) << fehler;
    EXPECT_FALSE(std::filesystem::exists(tmp / "fehlt"));
    std::size_t dateien = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(tmp)) ++dateien;
    EXPECT_EQ(dateien, 3u); // karte.png, karte.pdf, alt.png: no temporary file left
    std::filesystem::remove_all(tmp);
}
