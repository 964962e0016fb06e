#include "time/zeit_texte.hpp"

#include <cmath>

#include "shared/fehler.hpp"
#include "shared/konstanten.hpp"
#include "shared/zahlen.hpp"
#include "time/kalender.hpp"

namespace {
std::string Letzte(const std::string& s, std::size_t n) {
    return s.size() <= n ? s : s.substr(s.size() - n);
}
std::string Zweistellig(double wert) {
    return Letzte("00" + std::to_string(static_cast<long long>(std::llround(wert))), 2);
}
} // namespace

std::string Datum_Zeit_Text(std::int32_t Y, std::int32_t M, std::int32_t D, double h, double m,
                            double s, std::uint8_t z) {
    std::string t =
        Letzte("0000" + std::to_string(Y), 4) + "-" + Letzte("00" + std::to_string(M), 2) + "-" +
        Letzte("00" + std::to_string(D), 2) + " " + Zweistellig(h) + ":" + Zweistellig(m) + ":";
    if (z == 1) {
        double zehntel = std::floor(s * 10.0 + 0.5);
        if (zehntel > 599) zehntel = 599;
        t += Letzte("0000" + Fest(zehntel / 10.0, 1), 4);
    } else {
        double sekunden = std::floor(s + 0.5);
        if (sekunden > 59) sekunden = 59;
        t += Letzte("00" + Fest(sekunden, 0), 2);
    }
    return t;
}

std::string Sexagesimal_Text(int n, double x) {
    if (n < 0 || n > 4) throw Bereichs_Fehler("Sexagesimaltext: nur 0 bis 4 Nachkommastellen");
    const char vorzeichen = x < 0 ? '-' : ' ';
    const double a = std::fabs(x);
    const std::int64_t p = Zehnerpotenzen[static_cast<std::size_t>(n)];
    if (!(a * 3600 * static_cast<double>(p) < 9e18))
        throw Bereichs_Fehler("Winkel oder Uhrzeit zu groß für die Anzeige");
    const std::int64_t N =
        static_cast<std::int64_t>(std::trunc(a * 3600 * static_cast<double>(p) + 0.5));
    const std::int64_t U = 60 * p;
    const std::int64_t r = N % U;
    const double S = static_cast<double>(r) / static_cast<double>(p);
    const std::int64_t W = (N - r) / U;
    const std::int64_t mm = W % 60;
    const std::int64_t hh = (W - mm) / 60;

    std::string ganz = std::to_string(hh);
    if (hh < 10) ganz = "0" + ganz;
    std::string t = std::string("    ") + vorzeichen + ganz + ":";
    if (t.size() > 5) t.erase(0, t.size() - 5);
    t += Rechtsbuendig(std::to_string(mm), 2) + ":";
    t += Rechtsbuendig(Fest(S, n), n == 0 ? 2 : static_cast<std::size_t>(n + 3));
    for (std::size_t i = 2; i < t.size(); ++i)
        if (t[i] == ' ') t[i] = '0';
    return t;
}

std::string JD_Datum_Zeit_Text(double JD, std::uint8_t z) {
    std::int32_t Y, M, D;
    double h, m, s;
    JD_Zu_Datum(JD, Y, M, D, h, m, s);
    return Datum_Zeit_Text(Y, M, D, h, m, s, z);
}
