#include <gtest/gtest.h>

#include "shared/csv.hpp"

using Felder = std::vector<std::string>;

TEST(Csv, StrengUndLocker) {
    // The program's own log: quotes kept exactly, an open quote is damage.
    EXPECT_EQ(Csv_Felder("a;\"b;\"\"c\"\"\";; d ", ';', true), (Felder{"a", "b;\"c\"", "", " d "}));
    EXPECT_FALSE(Csv_Felder("a;\"b", ';', true));
    // Lists of other programs: blanks around fields go, an open quote runs on.
    EXPECT_EQ(Csv_Felder(" M 31 ,  \"Andromeda, M31\" , x", ',', false),
              (Felder{"M 31", "Andromeda, M31", "x"}));
    EXPECT_EQ(Csv_Felder("\"NGC 7000;x", ';', false), (Felder{"NGC 7000;x"}));
    EXPECT_EQ(Csv_Felder("", ',', false), (Felder{""}));
}
