#include "karte/karte_inhalt.hpp"

#include <algorithm>
#include <cmath>

#include "astro/praezession.hpp"
#include "shared/kern_text.hpp"
#include "shared/konstanten.hpp"
#include "shared/zahlen.hpp"

double Grenz_Helligkeit(double feld) {
    const double g = std::clamp(11.5 - 3.5 * std::log10(std::max(feld, 1e-3)), 5.0, 14.0);
    // Below a degree the eyepiece shows 13 mag and fainter.
    return feld < 1.0 ? std::max(g, 13.0) : g;
}

bool Bewegter_Koerper(const Objekt_Type& o) {
    return o.Art == Objekt_Art::Planet || o.Art == Objekt_Art::Asteroid ||
           o.Art == Objekt_Art::Komet || o.Bezeichnung == "PMond";
}

void Ort_Des_Datums(double ra2000, double de2000, double jd, double& ra, double& de) {
    double a = 0, d = 0;
    Praezession(JD2000, jd, ra2000 * Std_Zu_Rad, de2000 * Grad_Zu_Rad, a, d);
    ra = std::fmod(a * Rad_Zu_Std + 48.0, 24.0);
    de = d * Rad_Zu_Grad;
}

std::vector<Bahn_Punkt> Bahn_Abtasten(double jd_ut, const Karten_Suche& suche) {
    std::vector<Bahn_Punkt> bahn;
    Objekt_Type o;
    for (int i = -6; i <= 6; ++i) {
        const double stunden = 0.5 * i, jd = jd_ut + stunden / 24.0;
        if (!suche(jd, o)) continue;
        Bahn_Punkt p;
        p.Stunden = stunden;
        Ort_Des_Datums(o.RA2000, o.DE2000, jd, p.RA, p.DE);
        bahn.push_back(p);
    }
    return bahn;
}

namespace {
// Precession J2000.0 -> date as a matrix, its columns the images of the axes.
struct Matrix {
    double m[3][3];
    Richtung Mal(double x, double y, double z) const {
        return {m[0][0] * x + m[0][1] * y + m[0][2] * z, m[1][0] * x + m[1][1] * y + m[1][2] * z,
                m[2][0] * x + m[2][1] * y + m[2][2] * z};
    }
    Richtung Transponiert_Mal(const Richtung& r) const {
        return {m[0][0] * r.x + m[1][0] * r.y + m[2][0] * r.z,
                m[0][1] * r.x + m[1][1] * r.y + m[2][1] * r.z,
                m[0][2] * r.x + m[1][2] * r.y + m[2][2] * r.z};
    }
};

Matrix Praezessions_Matrix(double jd) {
    Matrix p{};
    const double achsen[3][2] = {{0, 0}, {Pi / 2, 0}, {0, Pi / 2}};
    for (int j = 0; j < 3; ++j) {
        double a = 0, d = 0;
        Praezession(JD2000, jd, achsen[j][0], achsen[j][1], a, d);
        p.m[0][j] = std::cos(d) * std::cos(a);
        p.m[1][j] = std::cos(d) * std::sin(a);
        p.m[2][j] = std::sin(d);
    }
    return p;
}

// Scale bar: the longest of the usual lengths that fits a quarter of the width.
void Massstab(double pixel_pro_grad, int breite, double& laenge, std::string& text) {
    static constexpr double Bogenminuten[] = {1,   2,   5,   10,  15,   30,  60,
                                              120, 300, 600, 900, 1200, 1800};
    double gewaehlt = Bogenminuten[0];
    for (double b : Bogenminuten)
        if (b / 60.0 * pixel_pro_grad <= 0.25 * breite) gewaehlt = b;
    laenge = gewaehlt / 60.0 * pixel_pro_grad;
    text = gewaehlt < 60 ? Fest(gewaehlt, 0) + "'" : Fest(gewaehlt / 60.0, 0) + "°";
}

std::string Feld_Text(double grad) {
    return grad < 1 ? Fest(grad * 60.0, 0) + "'" : Fest(grad, grad < 10 ? 1 : 0) + "°";
}
} // namespace

Karten_Inhalt Karte_Berechnen(const Stern_Index& index, const Karten_Optionen& opt, double ra,
                              double de, double jd, const std::vector<Bahn_Punkt>& bahn,
                              const std::string& titel) {
    Karten_Ansicht ansicht;
    ansicht.RA_Mitte = ra;
    ansicht.DE_Mitte = de;
    ansicht.Feld = opt.Feld;
    ansicht.Breite = opt.Breite;
    ansicht.Hoehe = opt.Hoehe;
    ansicht.Spiegel = opt.Spiegel;
    ansicht.Drehung = opt.Drehung;
    const Karten_Projektion proj(ansicht);

    Karten_Inhalt k;
    k.Breite = opt.Breite;
    k.Hoehe = opt.Hoehe;
    k.Mitte_x = 0.5 * opt.Breite;
    k.Mitte_y = 0.5 * opt.Hoehe;
    k.Titel = titel;
    k.Hinweise = index.Hinweise;
    proj.Richtungen(k.Nord_x, k.Nord_y, k.Ost_x, k.Ost_y);

    const double grenz = Grenz_Helligkeit(opt.Feld);
    const double massstab = std::min(opt.Breite, opt.Hoehe) / 800.0; // symbol sizes
    const Matrix p = Praezessions_Matrix(jd);
    const Richtung mitte_2000 = p.Transponiert_Mal(Richtung_Von(ra, de));
    const double radius = std::min(proj.Eckradius_Grad() + 0.5, 89.0);
    const double rand = 40 * massstab; // labels may reach in from beyond the edge
    const auto im_bild = [&](double x, double y, double r) {
        return x >= -r && y >= -r && x <= opt.Breite + r && y <= opt.Hoehe + r;
    };

    std::vector<std::uint32_t> treffer;
    Sterne_Im_Kreis(index, mitte_2000, radius, grenz, treffer);
    std::sort(treffer.begin(), treffer.end(), [&](std::uint32_t a, std::uint32_t b) {
        return index.Sterne[a].VMag > index.Sterne[b].VMag;
    });
    k.Sterne.reserve(treffer.size());
    for (std::uint32_t i : treffer) {
        const Index_Stern& s = index.Sterne[i];
        double x = 0, y = 0;
        if (!proj.Projizieren(p.Mal(s.x, s.y, s.z), x, y) || !im_bild(x, y, rand)) continue;
        const double r = std::clamp(1.0 + 0.8 * (grenz - s.VMag), 0.8, 8.0) * massstab;
        k.Sterne.push_back({x, y, r, s.Name >= 0 ? index.Namen[s.Name] : std::string()});
    }

    // Deep-sky objects: Messier always; others to 2.5 mag below the star
    // limit, or without a known magnitude in fields up to 2 degrees.
    const double cos_radius = std::cos(radius * Grad_Zu_Rad);
    for (const Index_Objekt& o : index.Objekte) {
        if (o.Ort.x * mitte_2000.x + o.Ort.y * mitte_2000.y + o.Ort.z * mitte_2000.z < cos_radius)
            continue;
        const bool bekannt = o.VMag < UNBEKANNT;
        if (!o.Messier && !(bekannt ? o.VMag <= grenz + 2.5 : opt.Feld <= 2.0)) continue;
        double x = 0, y = 0;
        if (!proj.Projizieren(p.Mal(o.Ort.x, o.Ort.y, o.Ort.z), x, y)) continue;
        const double r = std::max(0.5 * o.Groesse / 60.0 * proj.Pixel_Pro_Grad(), 4.0 * massstab);
        if (!im_bild(x, y, r + rand)) continue;
        Karten_Objekt ko{x, y, r, o.Art, o.Name};
        if (o.Klein > 0 && o.Groesse > 0) {
            // The major axis on the screen: a point a little along the position
            // angle (from north through east, J2000) projected beside the object.
            const double a = std::atan2(o.Ort.y, o.Ort.x), d = std::asin(o.Ort.z);
            const double pa = o.Winkel * Grad_Zu_Rad, e = 1e-4;
            const double nord[3] = {-std::sin(d) * std::cos(a), -std::sin(d) * std::sin(a),
                                    std::cos(d)};
            const double ost[3] = {-std::sin(a), std::cos(a), 0};
            const double ort[3] = {o.Ort.x, o.Ort.y, o.Ort.z};
            double v[3];
            for (int i = 0; i < 3; ++i)
                v[i] = ort[i] + e * (std::cos(pa) * nord[i] + std::sin(pa) * ost[i]);
            double x2 = 0, y2 = 0;
            if (proj.Projizieren(p.Mal(v[0], v[1], v[2]), x2, y2)) {
                ko.Winkel = std::atan2(y2 - y, x2 - x) * Rad_Zu_Grad;
                ko.Klein = std::max(r * o.Klein / o.Groesse, 1.5 * massstab);
            }
        }
        k.Objekte.push_back(std::move(ko));
    }

    for (const Bahn_Punkt& b : bahn) {
        double x = 0, y = 0;
        if (!proj.Projizieren(b.RA, b.DE, x, y)) continue;
        const double ganz = std::round(b.Stunden);
        std::string marke;
        if (std::abs(b.Stunden - ganz) < 1e-6)
            marke = ganz == 0 ? "0h" : (ganz > 0 ? "+" : "") + Fest(ganz, 0) + "h";
        k.Bahn.push_back({x, y, marke});
    }

    // Fields of view: radius on the tangent plane is tan(r), not r.
    const double skala = proj.Pixel_Pro_Grad() * Rad_Zu_Grad;
    const auto kreis = [&](double durchmesser, const std::string& name) {
        if (durchmesser > 0 && durchmesser < 2 * Feld_Maximal)
            k.Kreise.push_back({std::tan(0.5 * durchmesser * Grad_Zu_Rad) * skala,
                                name + " " + Feld_Text(durchmesser)});
    };
    kreis(opt.Feld_Cassegrain, "60cm");
    kreis(opt.Feld_Schmidt, "40cm");
    kreis(opt.Feld_Sucher, Kt("Sucher"));

    Massstab(proj.Pixel_Pro_Grad(), opt.Breite, k.Massstab_Laenge, k.Massstab_Text);
    k.Zeile = Kt("Feld %1  bis %2 mag", {Feld_Text(opt.Feld), Fest(grenz, 1)}) +
              (opt.Spiegel ? Kt("  gespiegelt") : "") +
              (opt.Drehung != 0 ? Kt("  gedreht %1°", {Fest(opt.Drehung, 0)}) : "");
    return k;
}
