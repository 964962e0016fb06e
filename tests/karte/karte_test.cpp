// Finder chart geometry: synthetic stars at known tangent-plane offsets must
// land on their pixels through the index, the precession and the projection;
// the real catalogues give the Pleiades and the pole field.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "catalog/objekt_suche.hpp"
#include "karte/karte_inhalt.hpp"
#include "karte/ziel_name.hpp"
#include "shared/konstanten.hpp"

namespace {
// Sky place of a tangent-plane point (xi east, eta north, in units of the
// plane) about a centre (radians), by the inverse gnomonic formulas (Snyder).
void Vom_Tangentialpunkt(double a0, double d0, double xi, double eta, double& ra_std,
                         double& de_grad) {
    const double rho = std::hypot(xi, eta), c = std::atan(rho);
    if (rho == 0) {
        ra_std = a0 * Rad_Zu_Std, de_grad = d0 * Rad_Zu_Grad;
        return;
    }
    const double d = std::asin(std::cos(c) * std::sin(d0) + eta * std::sin(c) * std::cos(d0) / rho);
    const double a = a0 + std::atan2(xi * std::sin(c), rho * std::cos(d0) * std::cos(c) -
                                                           eta * std::sin(d0) * std::sin(c));
    ra_std = std::fmod(a * Rad_Zu_Std + 48, 24), de_grad = d * Rad_Zu_Grad;
}

// A Hipparcos line (columns of the catalogue) for a place.
std::string HIP_Zeile(int nummer, double ra_std, double de_grad, double v, const char* name) {
    const double ra_s = std::round(ra_std * 3600 * 1000) / 1000;
    const int h = static_cast<int>(ra_s / 3600), m = static_cast<int>((ra_s - h * 3600) / 60);
    const double s = ra_s - h * 3600 - m * 60;
    const double de_s = std::round(std::abs(de_grad) * 3600 * 100) / 100;
    const int dd = static_cast<int>(de_s / 3600), dm = static_cast<int>((de_s - dd * 3600) / 60);
    const double ds = de_s - dd * 3600 - dm * 60;
    char z[128];
    std::snprintf(z, sizeof z, "%6d%02d%02d%06.3f%c%02d%02d%05.2f%6.2f%7.3f%6s%-10s%-11s%-12s",
                  nummer, h, m, s, de_grad < 0 ? '-' : '+', dd, dm, ds, v, 0.5, "", name, "", "G0");
    return z;
}

std::filesystem::path Ordner_Mit(const std::string& inhalt) {
    const auto o = std::filesystem::temp_directory_path() /
                   ("stelux_karte_" + std::to_string(::getpid()) + "_" +
                    std::to_string(std::hash<std::string>{}(inhalt) % 100000));
    std::filesystem::create_directories(o);
    std::ofstream(o / "Hipparcos_J2000.txt", std::ios::binary) << inhalt;
    return o;
}
} // namespace

TEST(Karte, SynthetischeSterneAufIhrenPixeln) {
    // Centre, mirror, rotation; stars at tangent-plane offsets in degrees
    // (tan of the angle along each axis) and where they must appear.
    struct Fall {
        const char* was;
        double ra0, de0;
        bool spiegel;
        double drehung;
        double xi_grad, eta_grad; // east, north
        double x, y;              // expected, in units of the 5-degree scale S from the centre
    };
    const Fall faelle[] = {
        {"north on the axis", 6, 0, false, 0, 0, 1, 0, -1},
        {"east on the axis is left", 6, 0, false, 0, 1, 0, -1, 0},
        {"corner", 6, 20, false, 0, 2, 2, -2, -2},
        {"far corner", 6, -40, false, 0, -2.4, -2.4, 2.4, 2.4},
        {"mirror: east right", 6, 0, true, 0, 1, 0, 1, 0},
        {"turned 90: north left", 6, 0, false, 90, 0, 1, -1, 0},
        {"turned 90: east down", 6, 0, false, 90, 1, 0, 0, 1},
        {"mirror and turned 90", 6, 0, true, 90, 1, 0, 0, -1},
        {"across RA 0 h, west", 0.01, 5, false, 0, -1, 0.5, 1, -0.5},
        {"across RA 0 h, east", 23.99, -5, false, 0, 1, -0.5, -1, 0.5},
        {"pole field: the pole", 2.5, 89.5, false, 0, 0, 0.5, 0, -0.5},
        {"pole field: beyond the pole", 2.5, 89.5, false, 0, 0.3, 1.5, -0.3, -1.5},
        {"south pole field", 14, -89.2, true, 30, -1, 1.2, 0, 0},
    };
    std::string datei;
    int nummer = 1;
    for (const Fall& f : faelle) {
        double ra = 0, de = 0;
        Vom_Tangentialpunkt(f.ra0 * Std_Zu_Rad, f.de0 * Grad_Zu_Rad,
                            std::tan(f.xi_grad * Grad_Zu_Rad), std::tan(f.eta_grad * Grad_Zu_Rad),
                            ra, de);
        const std::string name = "T" + std::to_string(nummer);
        datei += HIP_Zeile(nummer++, ra, de, 3.0, name.c_str()) + "\r\n";
    }
    // Damaged lines: a letter in the hours, 75 minutes, a line cut short.
    datei += "999999xx0000.000+000000.00  1.00  0.500      damaged\r\n";
    datei += "99999806750000.000+100000.00  1.00  0.500      damaged\r\n";
    datei += "99999706000012.0\r\n";
    const auto ordner = Ordner_Mit(datei);
    const Stern_Index index = Stern_Index_Bauen(ordner.string());
    ASSERT_EQ(index.Sterne.size(), std::size(faelle));
    EXPECT_EQ(index.Beschaedigte_Zeilen, 3);

    nummer = 1;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const std::string name = "T" + std::to_string(nummer++);
        Karten_Optionen o;
        o.Feld = 6;
        o.Spiegel = f.spiegel;
        o.Drehung = f.drehung;
        o.Breite = 900; // wider than high: the field spans the height
        o.Hoehe = 700;
        const double S = 350 / std::tan(3 * Grad_Zu_Rad); // pixels per unit of the plane
        const Karten_Inhalt k = Karte_Berechnen(index, o, f.ra0, f.de0, JD2000, {}, "");
        const Karten_Stern* s = nullptr;
        for (const Karten_Stern& x : k.Sterne)
            if (x.Name == name) s = &x;
        ASSERT_NE(s, nullptr);
        // Expected offsets are tangents of the given angles; the rows name
        // which axis each goes to, and the test rotates for the 30-degree row.
        double ex = f.x == 0 ? 0 : std::copysign(std::tan(std::abs(f.x) * Grad_Zu_Rad), f.x);
        double ey = f.y == 0 ? 0 : std::copysign(std::tan(std::abs(f.y) * Grad_Zu_Rad), f.y);
        if (f.drehung == 30) {
            // Mirror: east (xi) to the right, north up, then 30 degrees counter-clockwise.
            const double mx = std::tan(f.xi_grad * Grad_Zu_Rad),
                         my = -std::tan(f.eta_grad * Grad_Zu_Rad);
            const double c = std::cos(30 * Grad_Zu_Rad), sn = std::sin(30 * Grad_Zu_Rad);
            ex = mx * c + my * sn;
            ey = -mx * sn + my * c;
        }
        EXPECT_NEAR(s->x, 450 + ex * S, 1.0);
        EXPECT_NEAR(s->y, 350 + ey * S, 1.0);
    }
    std::filesystem::remove_all(ordner);
}

TEST(Karte, FeldAusserhalbDesBereichs) {
    const Stern_Index leer;
    for (double feld : {0.0, -5.0, 180.0, 90.5, std::nan("")}) {
        Karten_Optionen o;
        o.Feld = feld;
        EXPECT_THROW(Karte_Berechnen(leer, o, 0, 90, JD2000, {}, ""), std::runtime_error) << feld;
    }
    Karten_Optionen o;
    o.Feld = 90;
    EXPECT_NO_THROW(Karte_Berechnen(leer, o, 24.0, 90, JD2000, {}, ""));
}

TEST(Karte, BahnNurAusGefundenenZeitpunkten) {
    // The lookup decides: instants it cannot place leave gaps, hour marks stay on the hour.
    int aufrufe = 0;
    const auto bahn = Bahn_Abtasten(JD2000, [&](double jd, Objekt_Type& o) {
        ++aufrufe;
        o.RA2000 = 6 + (jd - JD2000) * 24 * 0.01; // 0.01 h of RA per hour
        o.DE2000 = 10;
        return jd < JD2000 + 2.1 / 24;
    });
    EXPECT_EQ(aufrufe, 13);
    ASSERT_EQ(bahn.size(), 11u);
    Karten_Optionen o;
    o.Feld = 2;
    const Karten_Inhalt k =
        Karte_Berechnen(Stern_Index{}, o, bahn[6].RA, bahn[6].DE, JD2000, bahn, "");
    ASSERT_EQ(k.Bahn.size(), 11u);
    EXPECT_EQ(k.Bahn[0].Marke, "-3h");
    EXPECT_EQ(k.Bahn[1].Marke, "");
    EXPECT_EQ(k.Bahn[6].Marke, "0h");
    EXPECT_NEAR(k.Bahn[6].x, 400, 1e-6);
    EXPECT_LT(k.Bahn[10].x, k.Bahn[6].x); // moving east: to the left
}

namespace {
std::string Katalog() {
    const char* o = std::getenv("STELUX_KATALOG");
    return o && std::filesystem::is_directory(o) ? o : "";
}
} // namespace

TEST(KarteEcht, PlejadenUndPolfeld) {
    const std::string ordner = Katalog();
    if (ordner.empty()) GTEST_SKIP() << "STELUX_KATALOG names no catalogue folder";
    const Stern_Index index = Stern_Index_Bauen(ordner);
    EXPECT_GT(index.Sterne.size(), 110000u);
    EXPECT_EQ(index.Beschaedigte_Zeilen, 0);
    const double jd = 2461120.0; // 2026-03-20 12:00 UT
    Such_Kontext kontext;
    kontext.Katalog_Ordner = ordner;
    kontext.JD_UT = jd;
    Objekt_Type m45;
    ASSERT_TRUE(Objekt_Suchen("M45", kontext, m45));
    double ra = 0, de = 0;
    Ort_Des_Datums(m45.RA2000, m45.DE2000, jd, ra, de);
    Karten_Optionen o;
    o.Feld = 5;
    const Karten_Inhalt k = Karte_Berechnen(index, o, ra, de, jd, {}, "M45");
    Karten_Ansicht a;
    a.RA_Mitte = ra, a.DE_Mitte = de, a.Feld = 5;
    const Karten_Projektion proj(a);
    const std::pair<const char*, const char*> sterne[] = {
        {"H17702", "Alcyone"}, {"H17847", "Atlas"},  {"H17499", "Electra"},
        {"H17573", "Maia"},    {"H17608", "Merope"}, {"H17531", "Taygeta"}};
    for (const auto& [hip, name] : sterne) {
        SCOPED_TRACE(name);
        Objekt_Type s;
        ASSERT_TRUE(Objekt_Suchen(hip, kontext, s));
        double sr = 0, sd = 0, x = 0, y = 0;
        Ort_Des_Datums(s.RA2000, s.DE2000, jd, sr, sd);
        ASSERT_TRUE(proj.Projizieren(sr, sd, x, y));
        bool da = false, benannt = false;
        for (const Karten_Stern& st : k.Sterne)
            if (std::hypot(st.x - x, st.y - y) < 1.0) {
                da = true;
                benannt = benannt || st.Name == name;
            }
        EXPECT_TRUE(da);
        if (std::string(name) == "Alcyone") {
            EXPECT_TRUE(benannt);
        }
    }

    // The pole inside a 20-degree field: stars all round it, none off the chart.
    Objekt_Type polaris;
    ASSERT_TRUE(Objekt_Suchen("H11767", kontext, polaris));
    Ort_Des_Datums(polaris.RA2000, polaris.DE2000, jd, ra, de);
    o.Feld = 20;
    const Karten_Inhalt p = Karte_Berechnen(index, o, ra, de, jd, {}, "Polaris");
    int viertel[4] = {};
    for (const Karten_Stern& st : p.Sterne) {
        ASSERT_TRUE(std::isfinite(st.x) && std::isfinite(st.y));
        EXPECT_TRUE(st.x > -50 && st.x < 850 && st.y > -50 && st.y < 850);
        ++viertel[(st.x > 400) + 2 * (st.y > 400)];
    }
    for (int n : viertel) EXPECT_GT(n, 10);
}

// A galaxy's ellipse lies along its position angle (north through east):
// M31 at PA 35° with north up and east left runs from lower right to upper
// left at 55° below +x, mirrored at 125°; the built side file gives it its
// axis ratio (69.66' / 177.83', OpenNGC).
TEST(KarteEcht, EllipseNachPositionswinkel) {
    const double jd = 2461046.0;
    Stern_Index index;
    index.Objekte.push_back({Richtung_Von(0.712306, 41.26875), 3.4f, 177.83f, true,
                             Symbol_Art::Galaxie, "M31", 69.66f, 35.0f});
    double ra = 0, de = 0;
    Ort_Des_Datums(0.712306, 41.26875, jd, ra, de);
    Karten_Optionen o;
    o.Feld = 5;
    for (const auto& [spiegel, winkel] : {std::pair{false, 55.0}, std::pair{true, 125.0}}) {
        o.Spiegel = spiegel;
        const Karten_Inhalt k = Karte_Berechnen(index, o, ra, de, jd, {}, "M31");
        ASSERT_EQ(k.Objekte.size(), 1u);
        const Karten_Objekt& m31 = k.Objekte[0];
        EXPECT_NEAR(std::fmod(m31.Winkel + 360, 180), winkel, 0.5) << spiegel;
        EXPECT_NEAR(m31.Klein / m31.Radius, 69.66 / 177.83, 1e-3);
    }

    const std::string ordner = Katalog();
    if (ordner.empty()) GTEST_SKIP() << "STELUX_KATALOG names no catalogue folder";
    const Stern_Index echt = Stern_Index_Bauen(ordner);
    o.Spiegel = false;
    const Karten_Inhalt k = Karte_Berechnen(echt, o, ra, de, jd, {}, "M31");
    bool gefunden = false;
    for (const Karten_Objekt& m : k.Objekte)
        if (m.Name == "M31") {
            gefunden = true;
            EXPECT_NEAR(std::fmod(m.Winkel + 360, 180), 55.0, 0.5);
            EXPECT_NEAR(m.Klein / m.Radius, 69.66 / 177.83, 1e-3);
        }
    EXPECT_TRUE(gefunden);
}

TEST(Karte, ZielNameDeepSkyVorSternImSelbenPunkt) {
    // M42's catalogue place with a named star on it; a second field where
    // the nebula lies 2' off. Offsets along the declination, in arcminutes.
    const Himmelsort m42{5 + 35.0 / 60 + 17.3 / 3600, -(5 + 23.0 / 60 + 28.0 / 3600)};
    const Himmelsort feld{12.0, 30.0};
    std::string datei = HIP_Zeile(1, m42.RA, m42.DE, 7.9, "Becklin") + "\r\n" +
                        HIP_Zeile(2, feld.RA, feld.DE + 0.1 / 60, 6.0, "Nahestern") + "\r\n";
    Stern_Index index = Stern_Index_Bauen(Ordner_Mit(datei).string());
    ASSERT_EQ(index.Sterne.size(), 2u);
    const auto objekt = [&](const char* name, const Himmelsort& h, double ab_min) {
        Index_Objekt o{};
        o.Ort = Richtung_Von(h.RA, h.DE + ab_min / 60);
        o.Name = name;
        index.Objekte.push_back(o);
    };
    objekt("M42", m42, 0.8);
    objekt("NGC 9999", feld, 2.0);
    EXPECT_EQ(Naechstes_Objekt(index, m42), "M42");
    EXPECT_EQ(Naechstes_Objekt(index, feld), "Nahestern");
    // Nearer the nebula than the star: the nebula; nothing within 0.1 degrees: nothing.
    EXPECT_EQ(Naechstes_Objekt(index, {feld.RA, feld.DE + 1.8 / 60}), "NGC 9999");
    EXPECT_EQ(Naechstes_Objekt(index, {feld.RA, feld.DE - 7.0 / 60}), "");
}
