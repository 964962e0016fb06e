#include "orbits/bahn_integration.hpp"

#include <erfa.h>

#include <algorithm>
#include <cmath>

#include "orbits/kepler.hpp"

namespace {

using Vek6 = std::array<double, 6>;

// Mean obliquity of J2000.0 (IAU 1976, 84381.448"): equatorial to ecliptic.
const double Eps0 = 84381.448 / 3600.0 * 3.14159265358979323846 / 180.0;

// Grid spacing of each planet's table, days: the cubic Hermite interpolant's
// error, (h n)^4 a / 384, stays below 1e-7 AU for Mercury and 1e-8 AU from
// Mars outwards.
constexpr std::array<double, 8> Raster = {2, 4, 4, 8, 16, 32, 32, 32};

// Heliocentric places and velocities of the planets, tabulated over a span.
class Planeten_Tafel {
public:
    Planeten_Tafel(double von, double bis) {
        for (int p = 0; p < 8; ++p) {
            const double h = Raster[static_cast<std::size_t>(p)];
            anfang_[p] = std::floor(von / h) * h - h;
            const auto n = static_cast<std::size_t>(std::ceil((bis - anfang_[p]) / h)) + 2;
            werte_[p].resize(n);
            for (std::size_t i = 0; i < n; ++i) {
                double pv[2][3];
                eraPlan94(anfang_[p], static_cast<double>(i) * h, p + 1, pv);
                Vek6& w = werte_[p][i];
                const double c = std::cos(Eps0), s = std::sin(Eps0);
                for (int k = 0; k < 2; ++k) {
                    w[3 * k] = pv[k][0];
                    w[3 * k + 1] = c * pv[k][1] + s * pv[k][2];
                    w[3 * k + 2] = -s * pv[k][1] + c * pv[k][2];
                }
            }
        }
    }

    // Heliocentric place of planet p (0 = Mercury) at JD t, AU.
    void Ort(int p, double t, double x[3]) const {
        const double h = Raster[static_cast<std::size_t>(p)];
        const std::vector<Vek6>& w = werte_[p];
        double u = (t - anfang_[p]) / h;
        auto i = static_cast<std::size_t>(
            std::clamp(std::floor(u), 0.0, static_cast<double>(w.size() - 2)));
        u -= static_cast<double>(i);
        // Cubic Hermite basis on [0, 1], velocities scaled by the spacing.
        const double u2 = u * u, u3 = u2 * u;
        const double h00 = 2 * u3 - 3 * u2 + 1, h10 = u3 - 2 * u2 + u;
        const double h01 = -2 * u3 + 3 * u2, h11 = u3 - u2;
        const Vek6& a = w[i];
        const Vek6& b = w[i + 1];
        for (int k = 0; k < 3; ++k)
            x[k] = h00 * a[k] + h * h10 * a[k + 3] + h01 * b[k] + h * h11 * b[k + 3];
    }

private:
    std::array<double, 8> anfang_{};
    std::array<std::vector<Vek6>, 8> werte_;
};

// Derivative of the heliocentric state: the Sun, the direct pull of each
// planet and the indirect term (the Sun's own acceleration towards it).
void Ableitung(const Planeten_Tafel& tafel, const Stoer_Modell& m, double t, const Vek6& y,
               Vek6& dy) {
    const double r2 = y[0] * y[0] + y[1] * y[1] + y[2] * y[2];
    const double k = -GM_Sonne / (r2 * std::sqrt(r2));
    double a[3] = {k * y[0], k * y[1], k * y[2]};
    for (int p = 0; p < 8; ++p) {
        const double mu = GM_Sonne * m.Massen[static_cast<std::size_t>(p)];
        if (mu == 0.0) continue;
        double x[3];
        tafel.Ort(p, t, x);
        const double d[3] = {x[0] - y[0], x[1] - y[1], x[2] - y[2]};
        const double d2 = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
        const double x2 = x[0] * x[0] + x[1] * x[1] + x[2] * x[2];
        const double kd = mu / (d2 * std::sqrt(d2)), kx = mu / (x2 * std::sqrt(x2));
        for (int i = 0; i < 3; ++i) a[i] += kd * d[i] - kx * x[i];
    }
    dy = {y[3], y[4], y[5], a[0], a[1], a[2]};
}

Vek6 Als_Vektor(const Bahn_Zustand& z) {
    return {z.r[0], z.r[1], z.r[2], z.v[0], z.v[1], z.v[2]};
}

Bahn_Zustand Als_Zustand(double t, const Vek6& y) {
    return {t, {y[0], y[1], y[2]}, {y[3], y[4], y[5]}};
}

// Longest step, days.
constexpr double Laengster_Schritt = 30.0;

// Columns of the extrapolation tableau; substeps 2, 4, 6, ... of the midpoint rule.
constexpr int Spalten = 8;

// Stumpff's functions c1, c2, c3 of x: closed forms away from 0, where
// their series would cancel.
void Stumpff(double x, double& c1, double& c2, double& c3) {
    if (x > 0.1) {
        const double w = std::sqrt(x);
        c1 = std::sin(w) / w;
        c2 = (1.0 - std::cos(w)) / x;
        c3 = (w - std::sin(w)) / (x * w);
    } else if (x < -0.1) {
        const double w = std::sqrt(-x);
        c1 = std::sinh(w) / w;
        c2 = (std::cosh(w) - 1.0) / -x;
        c3 = (std::sinh(w) - w) / (-x * w);
    } else {
        CREIHEN(x, c1, c2, c3);
    }
}

} // namespace

bool Zweikoerper_Schritt(const Bahn_Zustand& z, double t, Bahn_Zustand& ergebnis, double gm) {
    const auto& r0v = z.r;
    const auto& v0 = z.v;
    const double r0 = std::sqrt(r0v[0] * r0v[0] + r0v[1] * r0v[1] + r0v[2] * r0v[2]);
    const double sigma0 = r0v[0] * v0[0] + r0v[1] * v0[1] + r0v[2] * v0[2];
    const double v2 = v0[0] * v0[0] + v0[1] * v0[1] + v0[2] * v0[2];
    const double alpha = 2.0 * gm / r0 - v2; // gm / a
    // On an ellipse whole revolutions are dropped: Newton's iteration starts close.
    double dt = t - z.t;
    if (alpha > 0.0) {
        const double periode = 2.0 * Pi * gm / (alpha * std::sqrt(alpha));
        dt -= periode * std::round(dt / periode);
    }
    // Newton's iteration for the universal anomaly s of the Kepler equation
    // dt = r0 G1 + sigma0 G2 + gm G3, G_k = s^k c_k(alpha s^2).
    double s = dt / r0, G1 = 0, G2 = 0, G3 = 0, r = r0;
    for (int i = 0; i < 50; ++i) {
        double c1, c2, c3;
        Stumpff(alpha * s * s, c1, c2, c3);
        G1 = s * c1;
        G2 = s * s * c2;
        G3 = s * s * s * c3;
        const double G0 = 1.0 - alpha * G2;
        r = r0 * G0 + sigma0 * G1 + gm * G2;
        const double f = r0 * G1 + sigma0 * G2 + gm * G3 - dt;
        const double ds = -f / r;
        if (!std::isfinite(ds)) return false;
        s += ds;
        if (std::fabs(ds) <= 1e-15 * (std::fabs(s) + 1e-12)) break;
    }
    double c1, c2, c3;
    Stumpff(alpha * s * s, c1, c2, c3);
    G1 = s * c1;
    G2 = s * s * c2;
    G3 = s * s * s * c3;
    r = r0 * (1.0 - alpha * G2) + sigma0 * G1 + gm * G2;
    const double f = 1.0 - gm * G2 / r0, g = dt - gm * G3;
    const double fd = -gm * G1 / (r * r0), gd = 1.0 - gm * G2 / r;
    ergebnis.t = t;
    for (int i = 0; i < 3; ++i) {
        ergebnis.r[static_cast<std::size_t>(i)] = f * r0v[i] + g * v0[i];
        ergebnis.v[static_cast<std::size_t>(i)] = fd * r0v[i] + gd * v0[i];
        if (!std::isfinite(ergebnis.r[i]) || !std::isfinite(ergebnis.v[i])) return false;
    }
    return true;
}

bool Bahn_Integrieren(const Bahn_Zustand& start, double t, const Stoer_Modell& modell,
                      std::vector<Bahn_Zustand>& knoten) {
    const double richtung = t >= start.t ? 1.0 : -1.0;
    const Planeten_Tafel tafel(std::min(start.t, t), std::max(start.t, t));
    Vek6 y = Als_Vektor(start);
    // Time from the start: a Julian Date itself resolves only 4e-10 d, and the
    // steps' roundings would add up.
    const double t0 = start.t, dauer = t - start.t;
    double x = 0;
    // First step: a fiftieth of the orbital period at the body's distance.
    const double r0 = std::sqrt(y[0] * y[0] + y[1] * y[1] + y[2] * y[2]);
    double H = richtung * std::clamp(0.02 * 6.283185307 * std::sqrt(r0 * r0 * r0 / GM_Sonne), 0.01,
                                     Laengster_Schritt);
    std::array<Vek6, Spalten> vorige{}, zeile{}; // rows j-1 and j of the tableau
    Vek6 z0, z1, f, fz;
    for (int schritt = 0; schritt < modell.Hoechstens_Schritte; ++schritt) {
        bool letzter = false;
        if ((x + H - dauer) * richtung >= 0.0) {
            H = dauer - x;
            letzter = true;
        }
        if (H == 0.0) return true;
        bool angenommen = false;
        double faktor = 0.5;
        Ableitung(tafel, modell, t0 + x, y, f);
        for (int j = 0; j < Spalten; ++j) {
            // Gragg's modified midpoint rule with n = 2 (j + 1) substeps.
            const int n = 2 * (j + 1);
            const double h = H / n;
            for (std::size_t i = 0; i < 6; ++i) {
                z0[i] = y[i];
                z1[i] = y[i] + h * f[i];
            }
            for (int m = 1; m < n; ++m) {
                Ableitung(tafel, modell, t0 + (x + m * h), z1, fz);
                for (std::size_t i = 0; i < 6; ++i) {
                    const double weiter = z0[i] + 2.0 * h * fz[i];
                    z0[i] = z1[i];
                    z1[i] = weiter;
                }
            }
            // Aitken-Neville extrapolation to h = 0 in powers of h^2.
            zeile[0] = z1;
            for (int k = 1; k <= j; ++k) {
                const double q = static_cast<double>(n) / (2 * (j - k + 1));
                const double teiler = q * q - 1.0;
                const auto ku = static_cast<std::size_t>(k);
                for (std::size_t i = 0; i < 6; ++i)
                    zeile[ku][i] =
                        zeile[ku - 1][i] + (zeile[ku - 1][i] - vorige[ku - 1][i]) / teiler;
            }
            vorige = zeile;
            if (j < 2) continue;
            // Error estimate: the last two entries of the row, scaled by the state.
            const Vek6& best = zeile[static_cast<std::size_t>(j)];
            const Vek6& zweit = zeile[static_cast<std::size_t>(j - 1)];
            double summe = 0;
            for (std::size_t i = 0; i < 6; ++i) {
                const double skala = modell.Toleranz *
                                     (std::fabs(y[i]) + std::fabs(best[i]) + (i < 3 ? 1e-3 : 1e-5));
                const double d = (best[i] - zweit[i]) / skala;
                summe += d * d;
            }
            const double fehler = std::sqrt(summe / 6.0);
            if (!std::isfinite(fehler)) return false;
            faktor =
                std::clamp(0.9 * std::pow(std::max(fehler, 1e-10), -1.0 / (2 * j + 1)), 0.2, 4.0);
            if (fehler <= 1.0) {
                y = best;
                angenommen = true;
                break;
            }
        }
        if (!angenommen) {
            H *= std::min(faktor, 0.5);
            continue;
        }
        x = letzter ? dauer : x + H;
        knoten.push_back(Als_Zustand(letzter ? t : t0 + x, y));
        if (letzter) return true;
        // The inner planets' pull turns within weeks: longer steps only fail.
        H = richtung * std::min(std::fabs(H * faktor), Laengster_Schritt);
    }
    return false;
}

bool Bahn_Speicher::Zustand(const std::string& schluessel, const Bahn_Zustand& epoche, double t,
                            Bahn_Zustand& ergebnis) {
    if (!(std::fabs(t - epoche.t) <= Hoechste_Spanne)) return false;
    const std::lock_guard<std::mutex> halten(sperre_);
    // A handful of bodies at a time; a long session does not grow without end.
    if (bahnen_.size() > 64) bahnen_.clear();
    std::vector<Bahn_Zustand>& k = bahnen_[schluessel];
    if (k.empty()) k.push_back(epoche);
    // The node nearest to t.
    auto naechster = std::lower_bound(k.begin(), k.end(), t,
                                      [](const Bahn_Zustand& z, double w) { return z.t < w; });
    if (naechster == k.end() ||
        (naechster != k.begin() && t - (naechster - 1)->t < naechster->t - t))
        --naechster;
    if (std::fabs(naechster->t - t) <= 1.0) return Zweikoerper_Schritt(*naechster, t, ergebnis);
    std::vector<Bahn_Zustand> neu;
    if (!Bahn_Integrieren(*naechster, t, Stoer_Modell{}, neu) || neu.empty()) return false;
    ergebnis = neu.back();
    k.insert(k.end(), neu.begin(), neu.end());
    std::sort(k.begin(), k.end(),
              [](const Bahn_Zustand& a, const Bahn_Zustand& b) { return a.t < b.t; });
    return true;
}
