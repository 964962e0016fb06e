// Spellings that are no star designation stay untouched, so the lookup goes
// on to catalogue numbers and names; broken UTF-8 never reads past the text.
#include <gtest/gtest.h>

#include <string>

#include "catalog/stern_bezeichnung.hpp"

TEST(SternBezeichnung, KeineBezeichnungBleibtUnberuehrt) {
    for (const char* t : {"M 31", "N 7000", "Pi", "alpha", "alpha XYZ", "Alpha Lyrae Nebel",
                          "0 Cyg", "1234 Cyg", "alpha123 Lyr", "Jupiter", "HD", "HD 12x", "\xce",
                          "\xce\xb1", "\xe2\x81", "\xce Lyr", "61 Cyg E"})
        EXPECT_FALSE(Stern_Bezeichnung(t)) << t;
    EXPECT_EQ(Stern_Bezeichnung("\xce\xb1\xc2\xb2Lyr"), "alf2 Lyr"); // α²Lyr
    EXPECT_EQ(Stern_Bezeichnung("Omikron Ceti"), "omi Cet");
    EXPECT_EQ(Stern_Bezeichnung("Canis  Majoris"), std::nullopt); // no letter before it
    EXPECT_EQ(Stern_Bezeichnung("tau canis majoris"), "tau CMa");
    EXPECT_FALSE(HD_Nummer("HD 0"));
    EXPECT_FALSE(HD_Nummer("HD 1234567"));
    EXPECT_EQ(HD_Nummer(" hd 48915 "), 48915);
}

// Every Greek letter, as small and capital character and spelled out, with
// every superscript number: the file's abbreviation and component.
TEST(SternBezeichnung, AlleGriechischenBuchstabenUndHochzahlen) {
    const char* kuerzel[] = {"alf", "bet", "gam", "del", "eps", "zet", "eta", "tet",
                             "iot", "kap", "lam", "mu",  "nu",  "ksi", "omi", "pi",
                             "rho", "sig", "tau", "ups", "phi", "chi", "psi", "ome"};
    const char* namen[] = {"Alpha", "Beta",    "Gamma",   "Delta", "Epsilon", "Zeta",
                           "Eta",   "Theta",   "Iota",    "Kappa", "Lambda",  "Mu",
                           "Nu",    "Xi",      "Omikron", "Pi",    "Rho",     "Sigma",
                           "Tau",   "Upsilon", "Phi",     "Chi",   "Psi",     "Omega"};
    const auto utf8 = [](char32_t c) {
        std::string s;
        if (c < 0x800) {
            s += static_cast<char>(0xC0 | (c >> 6));
        } else {
            s += static_cast<char>(0xE0 | (c >> 12));
            s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        }
        return s + static_cast<char>(0x80 | (c & 0x3F));
    };
    const char32_t hoch[] = {0xB9, 0xB2, 0xB3, 0x2074, 0x2075, 0x2076, 0x2077, 0x2078, 0x2079};
    for (int i = 0; i < 24; ++i) {
        // U+03C2 (final sigma; no capital) lies between rho and sigma.
        const char32_t klein = 0x3B1 + i + (i >= 17), gross = 0x391 + i + (i >= 17);
        const std::string k = kuerzel[i];
        EXPECT_EQ(Stern_Bezeichnung(utf8(klein) + " Sco"), k + " Sco") << k;
        EXPECT_EQ(Stern_Bezeichnung(utf8(gross) + " Scorpii"), k + " Sco") << k;
        EXPECT_EQ(Stern_Bezeichnung(std::string(namen[i]) + " Sco"), k + " Sco") << k;
        for (int z = 0; z < 9; ++z)
            EXPECT_EQ(Stern_Bezeichnung(utf8(klein) + utf8(hoch[z]) + " Sco"),
                      k + std::to_string(z + 1) + " Sco")
                << k << z + 1;
    }
    EXPECT_EQ(Stern_Bezeichnung("\xcf\x82 Sco"), "sig Sco"); // ς
}
