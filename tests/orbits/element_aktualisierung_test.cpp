#include "orbits/element_aktualisierung.hpp"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

namespace {
// An asteroid line of the orbit database layout with designation `bez` and H.
std::string Asteroid(const std::string& bez, double h, const std::string& name = "") {
    char z[256];
    std::snprintf(z, sizeof z,
                  "%-7s %5.2f  0.15 K2289 334.32717   73.53163   80.26644   10.58680  0.0786358  "
                  "0.21418055   2.7666190                                                        "
                  "       %s",
                  bez.c_str(), h, name.c_str());
    return z;
}

// The name padded to 56 characters (a UTF-8 name counted in characters);
// each call a body of its own (periodic number).
std::string Komet(std::string name, double h = 11.5, bool utf8 = true) {
    static int nummer = 0;
    std::size_t zeichen = 0;
    for (char c : name) zeichen += !utf8 || (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    name.append(56 - zeichen, ' ');
    char z[256];
    std::snprintf(z, sizeof z,
                  "%04dP         2023 10 21.9963  0.337456  0.847971  187.0986  334.2307   "
                  "11.4366  20220824  %4.1f  6.0  %s MPEC 2022",
                  ++nummer % 10000, h, name.c_str());
    return z;
}

std::string Gzip(const std::string& text) {
    z_stream s{};
    deflateInit2(&s, 6, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string aus(deflateBound(&s, text.size()) + 64, '\0');
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    s.avail_in = static_cast<uInt>(text.size());
    s.next_out = reinterpret_cast<Bytef*>(aus.data());
    s.avail_out = static_cast<uInt>(aus.size());
    deflate(&s, Z_FINISH);
    aus.resize(s.total_out);
    deflateEnd(&s);
    return aus;
}

// Feeds `daten` in pieces of `stueck` bytes.
Element_Auswahl Lesen(Element_Art art, const std::string& daten, std::size_t stueck,
                      Strom_Grenzen g = {}) {
    Element_Strom s(art, "Test", g);
    for (std::size_t i = 0; i < daten.size(); i += stueck)
        s.Daten(std::string_view(daten).substr(i, stueck));
    return s.Ende();
}
} // namespace

// Line ends of every kind, a description block, blank and bad lines, and
// every piece size (CR LF and the gzip stream split anywhere) give one result.
TEST(Element_Aktualisierung, ZeilenendenKopfUndStueckelung) {
    const std::string text = "Kopf der Datei\r\nDes'n H G\n-----------\r" + Asteroid("00001", 3.3) +
                             "\r\n\r\n" + Asteroid("00002", 4.1) + "\r" +
                             Asteroid("00003", 9.9).replace(10, 3, "x.x") + "\n" +
                             Asteroid("00004", 3.2, "(4) Vesta") + "   ";
    for (bool gz : {false, true})
        for (std::size_t stueck : {std::size_t{1}, std::size_t{7}, std::size_t{100000}}) {
            SCOPED_TRACE(std::to_string(gz) + " " + std::to_string(stueck));
            const Element_Auswahl a =
                Lesen(Element_Art::Asteroiden, gz ? Gzip(text) : text, stueck);
            ASSERT_EQ(a.Zeilen.size(), 3u);
            EXPECT_EQ(a.Zeilen[0].substr(0, 5), "00001");
            EXPECT_EQ(a.Zeilen[2], Asteroid("00004", 3.2, "(4) Vesta")); // trailing blanks gone
            EXPECT_EQ(a.Gueltig, 3);
            EXPECT_EQ(a.Fehlerhaft, 1);
            EXPECT_NE(a.Erste_Meldung.find("Test, Zeile 7: "), std::string::npos)
                << a.Erste_Meldung;
            EXPECT_EQ(a.Zeilen_Gelesen, 8);
            EXPECT_EQ(a.Epoche, "2022-08-09");
        }
}

// The `Anzahl` smallest H, the earlier line winning a tie, in input order.
TEST(Element_Aktualisierung, HellsteMitGleichstandsRegel) {
    const double h[] = {9, 5, 7, 5, 3, 7, 5};
    std::string text;
    for (int i = 0; i < 7; ++i) text += Asteroid("0000" + std::to_string(i + 1), h[i]) + "\n";
    Strom_Grenzen g;
    g.Anzahl = 4;
    const Element_Auswahl a = Lesen(Element_Art::Asteroiden, text, 5, g);
    std::vector<std::string> bez;
    for (const auto& z : a.Zeilen) bez.push_back(z.substr(0, 5));
    EXPECT_EQ(bez, (std::vector<std::string>{"00002", "00004", "00005", "00007"}));
}

// A body counts once: by number or designation, by name where those are
// blank; its first line stands. Mostly repeats: refused.
TEST(Element_Aktualisierung, WiederholteKoerper) {
    const std::string ceres = Asteroid("00001", 3.3), ohne = Asteroid("", 9, "2026 AB");
    const std::string text = ceres + "\n" + Asteroid("00002", 4) + "\n" + ohne + "\n" +
                             Asteroid("00001", 1.0) + "\n" + ohne + "\n";
    const Element_Auswahl a = Lesen(Element_Art::Asteroiden, text, 7);
    std::vector<std::string> anfang; // designation and H
    for (const auto& z : a.Zeilen) anfang.push_back(z.substr(0, 13));
    EXPECT_EQ(anfang,
              (std::vector<std::string>{"00001    3.30", "00002    4.00", "         9.00"}));
    EXPECT_EQ(a.Gueltig, 5);
    EXPECT_EQ(a.Doppelt, 2);
    EXPECT_EQ(Koerper_Zaehlen(Element_Art::Asteroiden, {ceres, ceres, ohne, "", ohne}), 2);
    const std::string k = Komet("73P-B"), k2 = std::string(k).replace(11, 1, "b");
    EXPECT_EQ(Koerper_Zaehlen(Element_Art::Kometen, {k, k2, k}), 2); // fragments are bodies
    try {
        Lesen(Element_Art::Asteroiden, text + ceres + "\n" + ceres + "\n", 4096);
        ADD_FAILURE();
    } catch (const Aktualisierungs_Fehler& f) {
        EXPECT_NE(std::string(f.what()).find("7 gültige Zeilen, aber nur 3 verschiedene Körper"),
                  std::string::npos)
            << f.what();
    }
}

// Each download that is no element file stops with a message naming it.
TEST(Element_Aktualisierung, UnbrauchbareDaten) {
    const std::string gut = Gzip(Asteroid("00001", 3.3) + "\n");
    std::string bombe_text(4 << 20, '0');
    struct Fall {
        const char* was;
        Element_Art art;
        std::string daten;
        std::uint64_t max_text;
        const char* meldung;
    } faelle[] = {
        {"HTML statt gzip", Element_Art::Asteroiden,
         "\r\n<!DOCTYPE html><html><body>Not here</body></html>", 0, "HTML"},
        {"HTML statt Text", Element_Art::Kometen, "<html>" + Komet("2P/Encke"), 0, "HTML"},
        {"abgeschnitten", Element_Art::Asteroiden, gut.substr(0, gut.size() / 2), 0,
         "endet mitten im Strom"},
        {"beschädigt", Element_Art::Asteroiden,
         gut.substr(0, 12) + std::string(40, '\xff') + gut.substr(52), 0, "beschädigt"},
        {"Bombe", Element_Art::Asteroiden, Gzip(bombe_text), 1 << 20, "MiB Text"},
        {"leer", Element_Art::Kometen, "", 0, "keine gültige Zeile"},
        {"nichts Gültiges", Element_Art::Kometen, "Unsinn\nmehr Unsinn\n", 0,
         "keine gültige Zeile (2 fehlerhafte"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Strom_Grenzen g;
        g.Max_Text = f.max_text;
        try {
            Lesen(f.art, f.daten, 4096, g);
            ADD_FAILURE() << "kein Fehler";
        } catch (const Aktualisierungs_Fehler& e) {
            EXPECT_NE(std::string(e.what()).find(f.meldung), std::string::npos) << e.what();
        }
    }
}

// A line of 100 KB is one bad line; the lines around it stay.
TEST(Element_Aktualisierung, UeberlangeZeile) {
    const std::string text =
        Komet("1P/Halley") + "\n" + std::string(100000, 'x') + "\n" + Komet("2P/Encke") + "\n";
    const Element_Auswahl k = Lesen(Element_Art::Kometen, text, 65536);
    EXPECT_EQ(k.Zeilen.size(), 2u);
    EXPECT_EQ(k.Fehlerhaft, 1);
    EXPECT_NE(k.Erste_Meldung.find("Zeile 2: Zeile länger als 64 KiB"), std::string::npos);
}

// Names in UTF-8 become Windows-1252 character by character, keeping the
// columns; what has no code becomes '?'; a Windows-1252 line stays.
TEST(Element_Aktualisierung, KometennamenInWindows1252) {
    struct Fall {
        std::string eingabe, erwartet;
        bool utf8 = true;
    } faelle[] = {
        {"C/2023 A3 (Tsuchinshan\xE2\x80\x93"
         "ATLAS)",
         "C/2023 A3 (Tsuchinshan\x96"
         "ATLAS)"},
        {"C/2031 Z9 (\xC5\x81\xC3\xB3"
         "d\xC5\xBA)",
         "C/2031 Z9 (?\xF3"
         "d?)"},
        {"C/2031 Z8 (M\xFCller)", "C/2031 Z8 (M\xFCller)", false},
        {"C/2031 Z7 (A\x81"
         "B\tC)",
         "C/2031 Z7 (A?B C)", false},
    };
    std::string text;
    for (const Fall& f : faelle) text += Komet(f.eingabe, 11.5, f.utf8) + "\n";
    const Element_Auswahl k = Lesen(Element_Art::Kometen, text, 3);
    ASSERT_EQ(k.Zeilen.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(k.Zeilen[i].substr(102, faelle[i].erwartet.size()), faelle[i].erwartet);
        EXPECT_EQ(k.Zeilen[i].substr(159), "MPEC 2022"); // columns after the name in place
    }
    EXPECT_EQ(k.Epoche, "2022-08-24");
}

// Values no real body has are counted and skipped (H -30 would push real
// asteroids out of the brightest); historical comets stay.
TEST(Element_Aktualisierung, AbsurdeWerteUebersprungen) {
    Strom_Grenzen g;
    g.Jahr = 2026.9;
    const std::string ast =
        Asteroid("00001", 3.3) + "\n" + Asteroid("00002", 3.0).replace(8, 5, "-30.0") + "\n" +
        Asteroid("00003", 5.0).replace(20, 5, "Z991C") + "\n" + Asteroid("00004", 6.1) + "\n";
    const Element_Auswahl a = Lesen(Element_Art::Asteroiden, ast, 4096, g);
    ASSERT_EQ(a.Zeilen.size(), 2u);
    EXPECT_EQ(a.Zeilen[1].substr(0, 5), "00004");
    EXPECT_EQ(a.Fehlerhaft, 2);
    EXPECT_NE(a.Erste_Meldung.find("Zeile 2: H -30 unter -2"), std::string::npos)
        << a.Erste_Meldung;

    const std::size_t ep = Komet("x").find("20220824");
    const std::string kom = Komet("2P/Encke") + "\n" + Komet("hell", -6) + "\n" +
                            Komet("spät").replace(14, 4, "2300") + "\n" +
                            Komet("früh").replace(ep, 4, "0999") + "\n" +
                            Komet("1066 Halley").replace(14, 4, "1066") + "\n";
    const Element_Auswahl k = Lesen(Element_Art::Kometen, kom, 4096, g);
    ASSERT_EQ(k.Zeilen.size(), 2u);
    EXPECT_NE(k.Zeilen[1].find("1066 Halley"), std::string::npos);
    EXPECT_EQ(k.Fehlerhaft, 3);
}

// Endless empty gzip blocks give no text at all: the received bytes end them.
TEST(Element_Aktualisierung, EndloseLeereBloecke) {
    std::string block;
    for (int i = 0; i < 1 << 13; ++i) block.append("\x00\x00\x00\xff\xff", 5);
    for (const bool ohne_zeile : {true, false}) {
        Strom_Grenzen g;
        g.Max_Ohne_Zeile = ohne_zeile ? 1 << 20 : 1ull << 40;
        g.Max_Empfangen = ohne_zeile ? 1ull << 40 : 2 << 20;
        Element_Strom s(Element_Art::Asteroiden, "Test", g);
        try {
            s.Daten(std::string("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03", 10));
            for (int i = 0; i < 200; ++i) s.Daten(block);
            ADD_FAILURE() << "kein Ende";
        } catch (const Aktualisierungs_Fehler& f) {
            EXPECT_NE(std::string(f.what()).find(ohne_zeile ? "1 MiB ohne eine gültige Zeile"
                                                            : "mehr als 2 MiB empfangen"),
                      std::string::npos)
                << f.what();
        }
    }
}
