#include "time/zeitpunkt.hpp"

#include <cmath>
#include <cstdio>

#include "shared/zahlen.hpp"
#include "time/kalender.hpp"

std::optional<double> Zeitpunkt_Lesen(const std::string& t) {
    // Fixed positions: 0123-56-89T12:45:78[.fff]
    if (t.size() < 19 || t[4] != '-' || t[7] != '-' || (t[10] != 'T' && t[10] != ' ') ||
        t[13] != ':' || t[16] != ':')
        return std::nullopt;
    auto zahl = [&](std::size_t von, std::size_t laenge) -> std::optional<int> {
        for (std::size_t i = von; i < von + laenge; ++i)
            if (t[i] < '0' || t[i] > '9') return std::nullopt;
        return Ganzzahl_Versuchen(std::string_view(t).substr(von, laenge));
    };
    const auto Y = zahl(0, 4), M = zahl(5, 2), D = zahl(8, 2), h = zahl(11, 2), m = zahl(14, 2);
    if (!Y || !M || !D || !h || !m) return std::nullopt;
    const std::string sek = t.substr(17);
    if (sek.size() < 2 || sek[0] < '0' || sek[0] > '9' || sek[1] < '0' || sek[1] > '9')
        return std::nullopt;
    if (sek.size() > 2 && (sek[2] != '.' || sek.size() == 3)) return std::nullopt;
    for (std::size_t i = 3; i < sek.size(); ++i)
        if (sek[i] < '0' || sek[i] > '9') return std::nullopt;
    const auto s = Reell_Versuchen(sek);
    if (!s) return std::nullopt;
    if (*M < 1 || *M > 12 || *D < 1 || *D > 31 || *h > 23 || *m > 59 || *s >= 60)
        return std::nullopt;
    // The date must exist in the calendar of the time library (29 February
    // only in leap years; 5 to 14 October 1582 not at all): noon of that day
    // must give the same date back.
    double mittag = 0;
    Datum_Zu_JD(*Y, *M, *D, 12, 0, 0, mittag);
    std::int32_t y = 0, mo = 0, d = 0;
    double hh = 0, mm = 0, ss = 0;
    JD_Zu_Datum(mittag, y, mo, d, hh, mm, ss);
    if (y != *Y || mo != *M || d != *D) return std::nullopt;
    double jd = 0;
    Datum_Zu_JD(*Y, *M, *D, *h, *m, *s, jd);
    return jd;
}

std::string Zeitpunkt_Text(double jd_ut) {
    // Whole seconds from the day's start, carried into the next day at 86400.
    double tag = std::floor(jd_ut + 0.5);
    long long sekunden = std::llround((jd_ut + 0.5 - tag) * 86400.0);
    if (sekunden >= 86400) {
        tag += 1;
        sekunden -= 86400;
    }
    std::int32_t y = 0, m = 0, d = 0;
    double hh = 0, mm = 0, ss = 0;
    JD_Zu_Datum(tag, y, m, d, hh, mm, ss); // noon of the civil day
    char puffer[48];
    std::snprintf(puffer, sizeof puffer, "%04d-%02d-%02dT%02lld:%02lld:%02lld", static_cast<int>(y),
                  static_cast<int>(m), static_cast<int>(d), sekunden / 3600, sekunden / 60 % 60,
                  sekunden % 60);
    return puffer;
}
