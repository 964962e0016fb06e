#include "catalog/ephemeriden.hpp"

#include <cmath>

#include "astro/sternbild.hpp"
#include "catalog/katalog_zeilen.hpp"
#include "orbits/mond.hpp"
#include "shared/fehler.hpp"
#include "shared/konstanten.hpp"
#include "shared/zeilen_leser.hpp"
#include "time/numerik.hpp"

namespace {
constexpr double Viertel_Tag = 0.25;
constexpr double Groesste_Luecke = 2.0; // days
constexpr double Vorlauf = 1.5;         // days kept before the instant
constexpr double Nachlauf = 3.5;        // days kept after it

struct Zeile_Mit_Nummer {
    Ephemeriden_Stuetze s;
    long nummer = 0;
    std::string text;
};

// Index of the last row at or before jd (-1 before the first).
long Links_Von(const std::vector<Ephemeriden_Stuetze>& st, double jd) {
    long i = -1;
    while (i + 1 < static_cast<long>(st.size()) && st[static_cast<std::size_t>(i + 1)].JD <= jd)
        ++i;
    return i;
}

// The rows taken around jd: [von, bis], symmetric up to two on each side.
void Knoten_Waehlen(long anzahl, long links, long& von, long& bis) {
    const long vor = links + 1;           // rows at or before jd
    const long nach = anzahl - vor;       // rows after jd
    long seite = vor < nach ? vor : nach; // rows on each side
    if (seite > 2) seite = 2;
    von = links - seite + 1;
    bis = links + seite;
}
} // namespace

std::vector<Ephemeriden_Stuetze> Ephemeriden_Stuetzen_Lesen(const std::string& pfad, double jd_ut,
                                                            std::string& naechste) {
    Zeilen_Leser leser(pfad);
    const auto ort = [&](long nummer) {
        return Voller_Pfad(pfad) + ", Zeile " + std::to_string(nummer) + ": ";
    };
    std::vector<Zeile_Mit_Nummer> z;
    // The last two rows before the kept span, as read: only converted when
    // the scan reaches the span (most rows of a table are only checked).
    std::string frueh[2];
    long frueh_nummer[2] = {0, 0};
    int anzahl_frueh = 0;
    std::string_view zeile;
    double jd_vorher = 0;
    bool erste = true;
    long nach = 0; // rows after jd_ut kept so far
    Objekt_Type o;
    const auto behalten = [&](std::string_view text, double jd, long nummer) {
        Mit_Vorsatz([&] { return ort(nummer); }, [&] { Ephemeriden_Zeile_Lesen(text, "", o); });
        Zeile_Mit_Nummer r;
        r.s.JD = jd;
        r.s.RA = o.RA2000;
        r.s.DE = o.DE2000;
        r.s.VMag = o.VMag;
        r.s.Distanz = o.Distanz;
        r.nummer = nummer;
        r.text.assign(text);
        // RA follows the previous row across 0 h / 24 h.
        if (!z.empty()) {
            const double vorige = z.back().s.RA;
            while (r.s.RA - vorige > 12.0) r.s.RA -= 24.0;
            while (r.s.RA - vorige < -12.0) r.s.RA += 24.0;
        }
        z.push_back(std::move(r));
    };
    while (leser.Naechste(zeile)) {
        double jd = 0;
        Mit_Vorsatz([&] { return leser.Ort(); }, [&] { jd = Ephemeriden_JD(zeile); });
        if (!erste && !(jd > jd_vorher))
            throw Bereichs_Fehler(leser.Ort() + "Zeilen nicht in zeitlich steigender Folge");
        erste = false;
        jd_vorher = jd;
        if (jd > jd_ut + Nachlauf && nach >= 2) break;
        if (jd < jd_ut - Vorlauf) {
            frueh[0].swap(frueh[1]);
            frueh_nummer[0] = frueh_nummer[1];
            frueh[1].assign(zeile);
            frueh_nummer[1] = leser.Zeilennummer();
            if (anzahl_frueh < 2) ++anzahl_frueh;
            continue;
        }
        if (z.empty())
            for (int i = 2 - anzahl_frueh; i < 2; ++i)
                behalten(frueh[i], Ephemeriden_JD(frueh[i]), frueh_nummer[i]);
        behalten(zeile, jd, leser.Zeilennummer());
        if (jd > jd_ut) ++nach;
    }
    if (z.empty())
        for (int i = 2 - anzahl_frueh; i < 2; ++i)
            behalten(frueh[i], Ephemeriden_JD(frueh[i]), frueh_nummer[i]);
    for (const auto& r : z)
        if (naechste.empty() ||
            std::fabs(r.s.JD - jd_ut) < std::fabs(Ephemeriden_JD(naechste) - jd_ut))
            naechste = r.text;
    std::vector<Ephemeriden_Stuetze> st;
    if (z.empty() || jd_ut < z.front().s.JD - Viertel_Tag || jd_ut > z.back().s.JD + Viertel_Tag)
        return st;
    for (const auto& r : z) st.push_back(r.s);
    const long links = Links_Von(st, jd_ut);
    long von = 0, bis = 0;
    Knoten_Waehlen(static_cast<long>(st.size()), links, von, bis);
    if (von < 0) von = 0;
    if (bis >= static_cast<long>(st.size())) bis = static_cast<long>(st.size()) - 1;
    // The instant at or after the last row: that row alone (no read past the end).
    if (von > bis) von = bis < 0 ? 0 : bis;
    for (long i = von; i < bis; ++i) {
        const auto a = static_cast<std::size_t>(i);
        if (st[a + 1].JD - st[a].JD > Groesste_Luecke)
            throw Bereichs_Fehler(ort(z[a + 1].nummer) +
                                  "Lücke von mehr als zwei Tagen zur Zeile davor");
    }
    // Beyond the nodes of the instant, the kept rows end at the first gap.
    for (std::size_t i = static_cast<std::size_t>(bis > 0 ? bis : 0); i + 1 < st.size(); ++i)
        if (st[i + 1].JD - st[i].JD > Groesste_Luecke) {
            st.resize(i + 1);
            break;
        }
    for (long i = von; i > 0; --i) {
        const auto a = static_cast<std::size_t>(i);
        if (st[a].JD - st[a - 1].JD > Groesste_Luecke) {
            st.erase(st.begin(), st.begin() + i);
            break;
        }
    }
    return st;
}

bool Ephemeride_Interpolieren(const std::vector<Ephemeriden_Stuetze>& st, double jd,
                              Ephemeriden_Stuetze& e) {
    if (st.empty()) return false;
    const long n = static_cast<long>(st.size());
    if (!(jd > st.front().JD)) {
        e = st.front();
    } else if (!(jd < st.back().JD)) {
        e = st.back();
    } else {
        const long links = Links_Von(st, jd);
        long von = 0, bis = 0;
        Knoten_Waehlen(n, links, von, bis);
        e = Ephemeriden_Stuetze{};
        e.JD = jd;
        for (long i = von; i <= bis; ++i) {
            const auto& si = st[static_cast<std::size_t>(i)];
            double l = 1.0; // Lagrange basis polynomial of node i at jd
            for (long j = von; j <= bis; ++j)
                if (j != i) {
                    const double xj = st[static_cast<std::size_t>(j)].JD;
                    l *= (jd - xj) / (si.JD - xj);
                }
            e.RA += l * si.RA;
            e.DE += l * si.DE;
            e.VMag += l * si.VMag;
            e.Distanz += l * si.Distanz;
        }
    }
    e.RA = Mod_Positiv(e.RA, 24.0);
    return true;
}

bool Mond_Fuellen(double jd_ut, Objekt_Type& o) {
    Mond_Ort m;
    if (!Mond_Berechnen(jd_ut, m)) return false;
    o.Art = Objekt_Art::Planet;
    o.Bezeichnung = "PMond";
    o.RA2000 = m.RA;
    o.DE2000 = m.DE;
    o.Con = Sternbild(m.RA * Std_Zu_Rad, m.DE * Grad_Zu_Rad, JD2000);
    o.VMag = UNBEKANNT;
    o.BMag = UNBEKANNT;
    o.Groesse_A = UNBEKANNT;
    o.Groesse_B = UNBEKANNT;
    o.Distanz = std::round(m.Distanz_km);
    o.Distanz_Einheit = "km";
    o.Klasse.clear();
    o.Alias.clear();
    o.Typ = "Mond";
    o.Bahn.Art = Bahn_Art::Mond;
    o.Bahn.RA_Geo = m.RA;
    o.Bahn.DE_Geo = m.DE;
    o.Bahn.Distanz_AE = m.Distanz_km / 149597870.7;
    o.Bahn.Beleuchtet = m.Beleuchtet;
    return true;
}
