// Spellings that are no star designation stay untouched, so the lookup goes
// on to catalogue numbers and names; broken UTF-8 never reads past the text.
#include <gtest/gtest.h>

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
