#include "catalog/verlauf.hpp"

#include <gtest/gtest.h>

TEST(Verlauf, BlaetternWieInDerShell) {
    Verlauf v;
    for (const char* e : {"M31", "PMars", "PMars", "HIP 1"}) v.Merken(e);
    // Steps: U up, D down; the box text after each.
    const struct {
        char taste;
        const char* text;
    } schritte[] = {{'U', "HIP 1"}, {'U', "PMars"}, {'U', "M31"}, {'U', "M31"},
                    {'D', "PMars"}, {'D', "HIP 1"}, {'D', "NG"},  {'D', "NG"}};
    for (const auto& s : schritte)
        EXPECT_EQ(s.taste == 'U' ? v.Zurueck("NG") : v.Vor(), s.text) << s.taste;
}

TEST(Verlauf, HoechstensFuenfzigUndTextHinUndZurueck) {
    Verlauf v;
    for (int i = 0; i < 60; ++i) v.Merken("M" + std::to_string(i));
    ASSERT_EQ(v.Eintraege().size(), 50u);
    EXPECT_EQ(v.Eintraege().front(), "M10");
    Verlauf w;
    w.Von_Text(v.Text() + "\r\n\n" + std::string(3, '\n'));
    EXPECT_EQ(w.Eintraege(), v.Eintraege());
    w.Von_Text(std::string(200, '\n') + "x\r\n");
    EXPECT_EQ(w.Eintraege(), std::vector<std::string>{"x"});
    EXPECT_EQ(w.Zurueck(""), "x");
}
