#include "pointing/zeigemodell.hpp"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <set>

#include "shared/fehler.hpp"
#include "shared/kern_text.hpp"
#include "shared/konstanten.hpp"
#include "shared/zahlen.hpp"

int Zeigemodell::Anzahl() const {
    return static_cast<int>(std::count(Aktiv.begin(), Aktiv.end(), true));
}

namespace {

// The partial derivatives of dH and dD by each term at one place.
struct Term_Zeilen {
    std::array<double, Modell_Terme> H{}, D{};
};

Term_Zeilen Zeilen(double h, double d, double phi) {
    const double sh = std::sin(h), ch = std::cos(h);
    const double sd = std::sin(d), cd = std::cos(d);
    const double sp = std::sin(phi), cp = std::cos(phi);
    const double td = sd / cd, secd = 1 / cd;
    Term_Zeilen z;
    z.H[IH] = 1;
    z.D[ID] = 1;
    z.H[CH] = secd;
    z.H[NP] = td;
    z.H[MA] = -ch * td;
    z.D[MA] = sh;
    z.H[ME] = sh * td;
    z.D[ME] = ch;
    z.H[TF] = cp * sh * secd;
    z.D[TF] = cp * ch * sd - sp * cd;
    z.D[FO] = ch;
    z.H[DAF] = -(cp * ch + sp * td);
    return z;
}

// One equation of the fit: a row of partial derivatives and what it should give.
struct Gleichung {
    std::array<double, Modell_Terme> Zeile;
    double Soll;
};

struct Loesung {
    std::array<double, Modell_Terme> Wert{}, Sigma{};
};

Eigen::MatrixXd Matrix(const std::vector<Gleichung>& g, const std::vector<int>& terme) {
    Eigen::MatrixXd a(static_cast<Eigen::Index>(g.size()), static_cast<Eigen::Index>(terme.size()));
    for (std::size_t i = 0; i < g.size(); ++i)
        for (std::size_t k = 0; k < terme.size(); ++k)
            a(static_cast<Eigen::Index>(i), static_cast<Eigen::Index>(k)) = g[i].Zeile[terme[k]];
    return a;
}

// Whether the sightings can tell every one of `terme` from the others: the
// columns, each scaled to unit length, are far from dependent.
bool Bestimmbar(const std::vector<Gleichung>& g, const std::vector<int>& terme) {
    if (g.size() < terme.size()) return false;
    Eigen::MatrixXd a = Matrix(g, terme);
    for (Eigen::Index k = 0; k < a.cols(); ++k) {
        const double n = a.col(k).norm();
        if (!(n > 0)) return false;
        a.col(k) /= n;
    }
    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(a);
    const auto& s = svd.singularValues();
    return s(s.size() - 1) > 1e-6 * s(0);
}

// Least squares by Householder QR (the normal equations would square the
// condition of the tan/sec columns); standard errors from (R^T R)^-1 scaled
// by the residual variance.
Loesung Loesen(const std::vector<Gleichung>& g, const std::vector<int>& terme) {
    const Eigen::MatrixXd a = Matrix(g, terme);
    Eigen::VectorXd y(a.rows());
    for (Eigen::Index i = 0; i < a.rows(); ++i) y(i) = g[static_cast<std::size_t>(i)].Soll;
    const Eigen::HouseholderQR<Eigen::MatrixXd> qr(a);
    const Eigen::VectorXd x = qr.solve(y);
    const Eigen::Index k = a.cols();
    const long frei = static_cast<long>(a.rows()) - static_cast<long>(k);
    const double varianz = frei > 0 ? (y - a * x).squaredNorm() / static_cast<double>(frei) : 0.0;
    const Eigen::MatrixXd r = qr.matrixQR().topLeftCorner(k, k).triangularView<Eigen::Upper>();
    const Eigen::MatrixXd r_inv =
        r.triangularView<Eigen::Upper>().solve(Eigen::MatrixXd::Identity(k, k));
    const Eigen::MatrixXd kov = r_inv * r_inv.transpose() * varianz;
    Loesung l;
    for (std::size_t j = 0; j < terme.size(); ++j) {
        const auto jj = static_cast<Eigen::Index>(j);
        l.Wert[terme[j]] = x(jj);
        l.Sigma[terme[j]] = std::sqrt(std::max(0.0, kov(jj, jj)));
    }
    return l;
}

double Quadratisches_Mittel(const std::vector<double>& werte) {
    if (werte.empty()) return 0;
    double s = 0;
    for (double w : werte) s += w * w;
    return std::sqrt(s / static_cast<double>(werte.size()));
}

// The smallest arc of hour angle (hours) that holds every sighting.
double Stundenwinkel_Spanne(std::vector<double> h_std) {
    if (h_std.size() < 2) return 0;
    for (double& h : h_std) h = std::fmod(std::fmod(h, 24.0) + 24.0, 24.0);
    std::sort(h_std.begin(), h_std.end());
    double luecke = h_std.front() + 24.0 - h_std.back();
    for (std::size_t i = 1; i < h_std.size(); ++i)
        luecke = std::max(luecke, h_std[i] - h_std[i - 1]);
    return 24.0 - luecke;
}

std::string Sichtung_Name(const std::vector<Modell_Sichtung>& s, std::size_t i) {
    return Kt("Sichtung %1", {std::to_string(i + 1)}) +
           (s[i].Name.empty() ? "" : " (" + s[i].Name + ")");
}

} // namespace

Modell_Versatz Modell_Auswerten(const Zeigemodell& m, double h, double d, double phi) {
    const Term_Zeilen z = Zeilen(h, d, phi);
    Modell_Versatz v;
    for (int k = 0; k < Modell_Terme; ++k) {
        if (!m.Aktiv[k]) continue;
        v.H += z.H[k] * m.Wert[k];
        v.D += z.D[k] * m.Wert[k];
    }
    return v;
}

std::string Modell_Kurztext(const Zeigemodell& m) {
    const int n = m.Anzahl();
    if (n == 0) return {};
    return n == 1 ? Kt("1 Term, RMS %1′", {Fest(m.RMS, 1)})
                  : Kt("%1 Terme, RMS %2′", {std::to_string(n), Fest(m.RMS, 1)});
}

std::string Modell_Statustext(const Zeigemodell& m, int instrument) {
    return Kt("      Modell %1cm: %2", {std::to_string(instrument), Modell_Kurztext(m)});
}

Modell_Anpassung Modell_Anpassen(const std::vector<Modell_Sichtung>& s, double phi,
                                 bool nur_signifikant) {
    if (s.empty()) throw Bereichs_Fehler("Keine Sichtung zum Anpassen");
    Modell_Anpassung e;

    // The equations: two per sighting, the hour circle's left out near the pole.
    std::vector<Gleichung> g;
    std::vector<double> vorher_h, vorher_d;
    std::set<std::string> sterne;
    std::vector<double> h_std;
    double d_min = 90, d_max = -90;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const Term_Zeilen z = Zeilen(s[i].H, s[i].D, phi);
        const double d_grad = s[i].D * Rad_Zu_Grad;
        if (std::abs(d_grad) > Modell_Pol_Grenze_Grad) {
            e.Hinweise.push_back(
                Kt("%1: Deklination über %2°, nur der Deklinationskreis geht in die Anpassung ein",
                   {Sichtung_Name(s, i), Fest(Modell_Pol_Grenze_Grad, 0)}));
        } else {
            g.push_back({z.H, s[i].dH});
            vorher_h.push_back(s[i].dH);
        }
        g.push_back({z.D, s[i].dD});
        vorher_d.push_back(s[i].dD);
        sterne.insert(s[i].Name);
        h_std.push_back(s[i].H * Rad_Zu_Std);
        d_min = std::min(d_min, d_grad);
        d_max = std::max(d_max, d_grad);
    }
    e.RMS_H_Vorher = Quadratisches_Mittel(vorher_h);
    e.RMS_D_Vorher = Quadratisches_Mittel(vorher_d);

    // The terms the spread of the sightings allows.
    std::vector<int> erlaubt;
    const double spanne_h = Stundenwinkel_Spanne(h_std), spanne_d = d_max - d_min;
    if (s.size() == 1 || sterne.size() == 1) {
        erlaubt = {IH, ID};
        e.Hinweise.push_back(s.size() == 1 ? Kt("Nur eine Sichtung: nur die Indexfehler IH und ID")
                                           : Kt("Nur ein Stern: nur die Indexfehler IH und ID"));
    } else if (sterne.size() < 3 || spanne_h < 3 || spanne_d < 30) {
        erlaubt = {IH, ID, CH, NP};
        e.Hinweise.push_back(
            Kt("Zu wenig verteilt (%1 Sterne über %2 h Stundenwinkel und %3° "
               "Deklination; nötig sind 3 Sterne über 3 h und 30°): "
               "höchstens IH, ID, CH, NP",
               {std::to_string(sterne.size()), Fest(spanne_h, 1), Fest(spanne_d, 0)}));
    } else if (s.size() < 6) {
        erlaubt = {IH, ID, CH, NP, MA, ME};
        e.Hinweise.push_back(Kt("Weniger als 6 Sichtungen: höchstens IH, ID, CH, NP, MA, ME"));
    } else {
        erlaubt = {IH, ID, CH, NP, MA, ME, TF, FO, DAF};
    }
    // In this order each term joins only when the sightings tell it from those before.
    std::vector<int> terme;
    for (int t : erlaubt) {
        terme.push_back(t);
        if (!Bestimmbar(g, terme)) {
            terme.pop_back();
            e.Hinweise.push_back(
                Kt("%1: aus diesen Sichtungen nicht von den anderen Termen zu trennen, weggelassen",
                   {std::string(Modell_Term_Namen[t])}));
        }
    }

    Loesung l = terme.empty() ? Loesung{} : Loesen(g, terme);
    while (nur_signifikant) {
        std::vector<int> bleiben;
        for (int t : terme) {
            if (l.Sigma[t] > 0 && std::abs(l.Wert[t]) < 2 * l.Sigma[t])
                e.Hinweise.push_back(Kt(
                    "%1 unter 2σ (%2′ ± %3′), weggelassen",
                    {std::string(Modell_Term_Namen[t]), Fest(l.Wert[t], 2), Fest(l.Sigma[t], 2)}));
            else
                bleiben.push_back(t);
        }
        if (bleiben.size() == terme.size()) break;
        terme = bleiben;
        l = terme.empty() ? Loesung{} : Loesen(g, terme);
    }
    for (int t : terme) {
        e.Modell.Aktiv[t] = true;
        e.Modell.Wert[t] = l.Wert[t];
        e.Modell.Sigma[t] = l.Sigma[t];
    }

    // Residuals of every sighting; outliers are shown, never dropped.
    std::vector<double> rest_h, rest_d;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const Modell_Versatz m = Modell_Auswerten(e.Modell, s[i].H, s[i].D, phi);
        const Modell_Versatz r{s[i].dH - m.H, s[i].dD - m.D};
        e.Reste.push_back(r);
        if (std::abs(s[i].D * Rad_Zu_Grad) <= Modell_Pol_Grenze_Grad) rest_h.push_back(r.H);
        rest_d.push_back(r.D);
    }
    e.RMS_H = Quadratisches_Mittel(rest_h);
    e.RMS_D = Quadratisches_Mittel(rest_d);
    std::vector<double> alle = rest_h;
    alle.insert(alle.end(), rest_d.begin(), rest_d.end());
    e.Modell.RMS = Quadratisches_Mittel(alle);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const bool pol = std::abs(s[i].D * Rad_Zu_Grad) > Modell_Pol_Grenze_Grad;
        const bool aus = (!pol && e.RMS_H > 0 && std::abs(e.Reste[i].H) > 4 * e.RMS_H) ||
                         (e.RMS_D > 0 && std::abs(e.Reste[i].D) > 4 * e.RMS_D);
        e.Ausreisser.push_back(aus);
        if (aus)
            e.Hinweise.push_back(
                Kt("%1: Rest %2′/%3′ über 4 × RMS",
                   {Sichtung_Name(s, i), Fest(e.Reste[i].H, 1), Fest(e.Reste[i].D, 1)}));
    }
    return e;
}
