#include <gtest/gtest.h>

#include <cmath>

#include "shared/konstanten.hpp"
#include "time/numerik.hpp"

TEST(Numerik, WinkelfunktionenAmRand) {
    EXPECT_EQ(ArcTan2(0, -1), Pi);
    EXPECT_EQ(ArcTan2(-1, 0), -Pi / 2);
    EXPECT_EQ(ArcTan2(0, 0), 0);
    EXPECT_EQ(ArcTan2(-0.0, -1), Pi); // a negative zero counts as zero
    EXPECT_EQ(ArcSin(1 + 1e-15), Pi / 2);
    EXPECT_EQ(ArcSin(-1 - 1e-12), -Pi / 2);
    EXPECT_EQ(ArcCos(1), 0);
    EXPECT_EQ(ArcCos(-1), Pi);
    // Cosines that rounding pushed past +-1 still give an angle.
    EXPECT_EQ(ArcCos(1 + 4e-16), 0);
    EXPECT_EQ(ArcCos(-1 - 4e-16), Pi);
    for (double x = -0.999; x < 1; x += 0.037) {
        EXPECT_NEAR(ArcCos(x), std::acos(x), 1e-14);
        EXPECT_NEAR(ArcSin(x), std::asin(x), 1e-14);
    }
    for (double w = -3.1; w < 3.14; w += 0.1)
        EXPECT_NEAR(ArcTan2(std::sin(w), std::cos(w)), w, 1e-14);
}

TEST(Numerik, ModPositivBleibtUnterDemModul) {
    EXPECT_EQ(Mod_Positiv(-1, 24), 23);
    EXPECT_EQ(Mod_Positiv(25, 24), 1);
    EXPECT_EQ(Mod_Positiv(24, 24), 0);
    // -1e-17 + 24 rounds to 24 itself; the result must still be below the modulus.
    const double r = Mod_Positiv(-1e-17, 24);
    EXPECT_GE(r, 0);
    EXPECT_LT(r, 24);
    EXPECT_NEAR(Potenz(2, 10), 1024, 1e-10);
    EXPECT_NEAR(Potenz(20, 1.1), std::pow(20, 1.1), 1e-12);
}
