#include "pointing/zeigemodell.hpp"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <optional>
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
    std::size_t Sichtung; // index of the sighting it belongs to
};

struct Loesung {
    std::array<double, Modell_Terme> Wert{}, Sigma{};
    Eigen::VectorXd Rest; // per equation: wanted minus fitted
    Eigen::MatrixXd W;    // A R^-1: the hat matrix is W W^T
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
    l.Rest = y - a * x;
    l.W = a * r_inv;
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

// One fit of the sightings not left out: the terms they carry and the solution.
struct Teil_Anpassung {
    std::vector<Gleichung> g; // two per sighting (one near the pole), in order
    std::vector<int> terme;
    Loesung l;
    std::vector<std::string> hinweise;
};

Teil_Anpassung Teil_Anpassen(const std::vector<Modell_Sichtung>& s, const std::vector<bool>& weg,
                             double phi, bool nur_signifikant) {
    Teil_Anpassung f;
    std::set<std::string> sterne;
    std::vector<double> h_std;
    double d_min = 90, d_max = -90;
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (weg[i]) continue;
        ++n;
        const Term_Zeilen z = Zeilen(s[i].H, s[i].D, phi);
        const double d_grad = s[i].D * Rad_Zu_Grad;
        // The hour circle's equation is left out near the pole.
        if (std::abs(d_grad) <= Modell_Pol_Grenze_Grad) f.g.push_back({z.H, s[i].dH, i});
        f.g.push_back({z.D, s[i].dD, i});
        sterne.insert(s[i].Name);
        h_std.push_back(s[i].H * Rad_Zu_Std);
        d_min = std::min(d_min, d_grad);
        d_max = std::max(d_max, d_grad);
    }

    // The terms the spread of the sightings allows.
    std::vector<int> erlaubt;
    const double spanne_h = Stundenwinkel_Spanne(h_std), spanne_d = d_max - d_min;
    if (n == 1 || sterne.size() == 1) {
        erlaubt = {IH, ID};
        f.hinweise.push_back(n == 1 ? Kt("Nur eine Sichtung: nur die Indexfehler IH und ID")
                                    : Kt("Nur ein Stern: nur die Indexfehler IH und ID"));
    } else if (sterne.size() < 3 || spanne_h < 3 || spanne_d < 30) {
        erlaubt = {IH, ID, CH, NP};
        f.hinweise.push_back(
            Kt("Zu wenig verteilt (%1 Sterne über %2 h Stundenwinkel und %3° "
               "Deklination; nötig sind 3 Sterne über 3 h und 30°): "
               "höchstens IH, ID, CH, NP",
               {std::to_string(sterne.size()), Fest(spanne_h, 1), Fest(spanne_d, 0)}));
    } else if (n < 6) {
        erlaubt = {IH, ID, CH, NP, MA, ME};
        f.hinweise.push_back(Kt("Weniger als 6 Sichtungen: höchstens IH, ID, CH, NP, MA, ME"));
    } else {
        erlaubt = {IH, ID, CH, NP, MA, ME, TF, FO, DAF};
    }
    // In this order each term joins only when the sightings tell it from those before.
    for (int t : erlaubt) {
        f.terme.push_back(t);
        if (!Bestimmbar(f.g, f.terme)) {
            f.terme.pop_back();
            f.hinweise.push_back(
                Kt("%1: aus diesen Sichtungen nicht von den anderen Termen zu trennen, weggelassen",
                   {std::string(Modell_Term_Namen[t])}));
        }
    }

    if (!f.terme.empty()) f.l = Loesen(f.g, f.terme);
    while (nur_signifikant && !f.terme.empty()) {
        std::vector<int> bleiben;
        for (int t : f.terme) {
            if (f.l.Sigma[t] > 0 && std::abs(f.l.Wert[t]) < 2 * f.l.Sigma[t])
                f.hinweise.push_back(Kt("%1 unter 2σ (%2′ ± %3′), weggelassen",
                                        {std::string(Modell_Term_Namen[t]), Fest(f.l.Wert[t], 2),
                                         Fest(f.l.Sigma[t], 2)}));
            else
                bleiben.push_back(t);
        }
        if (bleiben.size() == f.terme.size()) break;
        f.terme = bleiben;
        f.l = f.terme.empty() ? Loesung{} : Loesen(f.g, f.terme);
    }
    return f;
}

// How many standard deviations make an outlier among `gleichungen`
// equations: 3, or more where so many equations would put one of them beyond
// 3 sigma by chance: then the deviation that Gaussian noise exceeds, in one
// equation of them, only once in twenty fits.
double Ausreisser_Grenze(std::size_t gleichungen) {
    const double m = static_cast<double>(gleichungen);
    const auto zufaellig = [m](double z) { return m * std::erfc(z / std::sqrt(2.0)) > 0.05; };
    double unten = 3, oben = 10;
    if (!zufaellig(unten)) return unten;
    for (int i = 0; i < 50; ++i)
        (zufaellig((unten + oben) / 2) ? unten : oben) = (unten + oben) / 2;
    return oben;
}

// The sighting to leave out next, if there is one: of all, the one whose
// removal lowers the squared residuals most (for the equations c of one
// sighting r_c^T (I - H_cc)^-1 r_c, with H the hat matrix: no refit needed),
// if it lies beyond the outlier bound from the model fitted without it.
std::optional<std::size_t> Ausreisser_Suchen(const Teil_Anpassung& f) {
    const auto m = static_cast<Eigen::Index>(f.g.size());
    const auto k = static_cast<Eigen::Index>(f.terme.size());
    if (k == 0) return std::nullopt;
    Eigen::Index anfang = -1, laenge = 0; // the candidate's rows
    Eigen::MatrixXd m_inv;                // its (I - H_cc)^-1
    double senkung_max = -1;
    for (Eigen::Index i = 0; i < m;) {
        Eigen::Index n = 1;
        while (i + n < m && f.g[static_cast<std::size_t>(i + n)].Sichtung ==
                                f.g[static_cast<std::size_t>(i)].Sichtung)
            ++n;
        const Eigen::MatrixXd w = f.l.W.middleRows(i, n);
        const Eigen::MatrixXd mb = Eigen::MatrixXd::Identity(n, n) - w * w.transpose();
        // A sighting the others cannot do without (leverage 1) cannot be judged by them.
        if (mb.determinant() > 1e-8) {
            const Eigen::MatrixXd inv = mb.inverse();
            const Eigen::VectorXd r = f.l.Rest.segment(i, n);
            const double senkung = r.dot(inv * r);
            if (senkung > senkung_max) {
                senkung_max = senkung;
                anfang = i;
                laenge = n;
                m_inv = inv;
            }
        }
        i += n;
    }
    const Eigen::Index frei = m - laenge - k;
    if (anfang < 0 || frei <= 0) return std::nullopt;
    // The candidate's offset from the fit without it, and the others'
    // residuals under that fit: r_j + W_j W_c^T e.
    const Eigen::VectorXd e = m_inv * f.l.Rest.segment(anfang, laenge);
    const Eigen::VectorXd neu =
        f.l.Rest + f.l.W * (f.l.W.middleRows(anfang, laenge).transpose() * e);
    std::vector<double> andere;
    for (Eigen::Index i = 0; i < m; ++i)
        if (i < anfang || i >= anfang + laenge) andere.push_back(std::abs(neu(i)));
    auto mitte = andere.begin() + static_cast<std::ptrdiff_t>(andere.size() / 2);
    std::nth_element(andere.begin(), mitte, andere.end());
    // The median absolute residual of a Gaussian is 0.6745 sigma; residuals
    // are smaller than the noise by the share of the fitted terms.
    const double sigma =
        std::max(Modell_Streuung_Min,
                 *mitte / 0.6745 *
                     std::sqrt(static_cast<double>(andere.size()) / static_cast<double>(frei)));
    const double grenze = Ausreisser_Grenze(static_cast<std::size_t>(m));
    for (Eigen::Index j = 0; j < laenge; ++j)
        if (std::abs(e(j)) > grenze * sigma * std::sqrt(m_inv(j, j)))
            return f.g[static_cast<std::size_t>(anfang)].Sichtung;
    return std::nullopt;
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

std::string Modell_Term_Pruefen(int t, double wert) {
    if (std::abs(wert) <= Modell_Term_Grenze) return {};
    return Kt("%1 = %2′ liegt über der Grenze von %3′ (%4°) für einen Term",
              {std::string(Modell_Term_Namen[t]), Kurz(wert), Fest(Modell_Term_Grenze, 0),
               Fest(Modell_Term_Grenze / 60, 0)});
}

std::string Modell_Grenzen_Pruefen(const Zeigemodell& m, double phi) {
    for (int t = 0; t < Modell_Terme; ++t)
        if (m.Aktiv[t])
            if (std::string grund = Modell_Term_Pruefen(t, m.Wert[t]); !grund.empty()) return grund;
    // The shift on the sky over a 4-degree grid above the horizon; the model
    // is smooth, so the grid misses its largest shift by far less than a percent.
    const double sp = std::sin(phi), cp = std::cos(phi);
    double groesste = 0, bei_h = 0, bei_d = 0;
    for (int h_grad = -180; h_grad < 180; h_grad += 4) {
        const double h = h_grad * Grad_Zu_Rad;
        for (int d_grad = -88; d_grad <= 88; d_grad += 4) {
            const double d = d_grad * Grad_Zu_Rad;
            if (sp * std::sin(d) + cp * std::cos(d) * std::cos(h) < 0) continue;
            const Modell_Versatz v = Modell_Auswerten(m, h, d, phi);
            const double am_himmel = std::hypot(v.H * std::cos(d), v.D);
            if (!(am_himmel <= groesste)) {
                groesste = am_himmel;
                bei_h = h_grad / 15.0;
                bei_d = d_grad;
            }
        }
    }
    if (!(groesste <= Modell_Versatz_Grenze))
        return Kt("Verschiebung am Himmel bis %1° (Stundenwinkel %2 h, Deklination %3°), "
                  "über der Grenze von %4° über dem Horizont",
                  {Kurz(groesste / 60), Fest(bei_h, 1), Fest(bei_d, 0),
                   Fest(Modell_Versatz_Grenze / 60, 0)});
    return {};
}

Modell_Anpassung Modell_Anpassen(const std::vector<Modell_Sichtung>& s, double phi,
                                 bool nur_signifikant) {
    if (s.empty()) throw Bereichs_Fehler("Keine Sichtung zum Anpassen");
    Modell_Anpassung e;

    std::vector<bool> weg(s.size(), false);
    Teil_Anpassung f = Teil_Anpassen(s, weg, phi, nur_signifikant);
    for (std::size_t n = 0; n < s.size() / 4; ++n) {
        const std::optional<std::size_t> aus = Ausreisser_Suchen(f);
        if (!aus) break;
        weg[*aus] = true;
        f = Teil_Anpassen(s, weg, phi, nur_signifikant);
    }
    for (int t : f.terme) {
        e.Modell.Aktiv[t] = true;
        e.Modell.Wert[t] = f.l.Wert[t];
        e.Modell.Sigma[t] = f.l.Sigma[t];
    }

    // Residuals of every sighting, RMS of those used.
    std::vector<double> vorher_h, vorher_d, rest_h, rest_d;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const Modell_Versatz m = Modell_Auswerten(e.Modell, s[i].H, s[i].D, phi);
        const Modell_Versatz r{s[i].dH - m.H, s[i].dD - m.D};
        e.Reste.push_back(r);
        e.Ausreisser.push_back(weg[i]);
        if (weg[i]) continue;
        if (std::abs(s[i].D * Rad_Zu_Grad) > Modell_Pol_Grenze_Grad) {
            e.Hinweise.push_back(
                Kt("%1: Deklination über %2°, nur der Deklinationskreis geht in die Anpassung ein",
                   {Sichtung_Name(s, i), Fest(Modell_Pol_Grenze_Grad, 0)}));
        } else {
            vorher_h.push_back(s[i].dH);
            rest_h.push_back(r.H);
        }
        vorher_d.push_back(s[i].dD);
        rest_d.push_back(r.D);
    }
    e.Hinweise.insert(e.Hinweise.end(), f.hinweise.begin(), f.hinweise.end());
    for (std::size_t i = 0; i < s.size(); ++i)
        if (weg[i]) {
            // Near the pole the hour circle says nothing.
            const bool pol = std::abs(s[i].D * Rad_Zu_Grad) > Modell_Pol_Grenze_Grad;
            const double abstand = std::hypot(pol ? 0.0 : e.Reste[i].H, e.Reste[i].D);
            e.Hinweise.push_back(Kt("%1: %2′ vom Modell – nicht verwendet",
                                    {Sichtung_Name(s, i), Fest(abstand, 1)}));
        }
    e.RMS_H_Vorher = Quadratisches_Mittel(vorher_h);
    e.RMS_D_Vorher = Quadratisches_Mittel(vorher_d);
    e.RMS_H = Quadratisches_Mittel(rest_h);
    e.RMS_D = Quadratisches_Mittel(rest_d);
    std::vector<double> alle = rest_h;
    alle.insert(alle.end(), rest_d.begin(), rest_d.end());
    e.Modell.RMS = Quadratisches_Mittel(alle);
    e.Abgelehnt = Modell_Grenzen_Pruefen(e.Modell, phi);
    return e;
}
