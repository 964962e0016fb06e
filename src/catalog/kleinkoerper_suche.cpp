#include "catalog/kleinkoerper_suche.hpp"

#include <cmath>
#include <cstddef>
#include <type_traits>

#include "astro/sternbild.hpp"
#include "catalog/katalog_zeilen.hpp"
#include "orbits/element_zeilen.hpp"
#include "orbits/kleinkoerper_ort.hpp"
#include "shared/fehler.hpp"
#include "shared/kern_text.hpp"
#include "shared/konstanten.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"
#include "time/kalender.hpp"

namespace {
double Element_Alter(double jd_epoche, double jd_ut);

// The fields every minor body shares once its place is known.
void Kleinkoerper_Fuellen(Objekt_Type& objekt, Objekt_Art art, const std::string& name, double ra,
                          double de, double mag, double delta, double jd_epoche, double jd_ut) {
    objekt.Art = art;
    objekt.Bezeichnung = Art_Buchstabe(art) + name;
    objekt.Typ = Art_Typ(art);
    objekt.RA2000 = ra;
    objekt.DE2000 = de;
    objekt.VMag = mag;
    objekt.Con = Sternbild(ra * Std_Zu_Rad, de * Grad_Zu_Rad, JD2000);
    objekt.BMag = UNBEKANNT;
    Ohne_Groesse_Und_Distanz(objekt);
    objekt.Klasse.clear();
    objekt.Alias.clear();
    objekt.Bahn.Art = Bahn_Art::Kleinkoerper;
    objekt.Bahn.RA_Geo = ra;
    objekt.Bahn.DE_Geo = de;
    objekt.Bahn.Distanz_AE = delta;
    objekt.Bahn.Element_Alter = Element_Alter(jd_epoche, jd_ut);
}

// Years from the element epoch to the instant; 0 for an epoch not known.
double Element_Alter(double jd_epoche, double jd_ut) {
    const double jahre = (jd_ut - jd_epoche) / 365.25;
    return std::isfinite(jahre) ? jahre : 0.0;
}

// Element date of a comet line (columns 82-89, YYYYMMDD) as a Julian Date;
// the perihelion passage when the line has none.
double Komet_Epoche(const Komet_Type& rec) {
    const auto datum = Ganzzahl_Versuchen(Trimmen(Spalten(rec.Zeile, 82, 89)));
    if (datum && *datum > 10000101 && *datum < 99991231) {
        const int j = static_cast<int>(*datum / 10000), m = static_cast<int>(*datum / 100 % 100),
                  t = static_cast<int>(*datum % 100);
        if (m >= 1 && m <= 12 && t >= 1 && t <= 31)
            return Datum_Zu_MJD(j, m, t, 0.0) + MJD_Nullpunkt;
    }
    const double tag = std::trunc(rec.Peri_Tag);
    return Datum_Zu_MJD(rec.Peri_Jahr, rec.Peri_Monat, static_cast<int>(tag),
                        (rec.Peri_Tag - tag) * 24.0) +
           MJD_Nullpunkt;
}

// Element epoch of an asteroid as a Julian Date (TT).
double Asteroid_Epoche(const Asteroid_Type& rec) {
    const double tag = std::trunc(rec.Epoche_Tag);
    return Datum_Zu_MJD(rec.Epoche_Jahr, rec.Epoche_Monat, static_cast<int>(tag),
                        (rec.Epoche_Tag - tag) * 24.0) +
           MJD_Nullpunkt;
}

// A body whose elements give no place: the observer is told which one.
[[noreturn]] void Keine_Bahn(Objekt_Art art, const std::string& name) {
    throw Bereichs_Fehler(Kt("%1%2: aus den Bahnelementen ist keine Position berechenbar",
                             {Art_Label_Text(art), name}));
}

// The place of a minor body at the lookup instant: its orbit integrated from
// the element epoch under the planets' pull, or (Zweikoerper) unperturbed.
// Also keeps the osculating stand a tick moves on from.
template <class Rec>
bool Ort_Rechnen(const Rec& rec, Objekt_Art art, const std::string& name, double jd_epoche,
                 const Such_Kontext& kontext, double& ra, double& de, double& mag, double& delta,
                 Oskulierender_Stand& stand) {
    const Sonnen_Ort sonne = Sonne_Zum_Zeitpunkt(kontext.JD_UT);
    Bahn_Funktion bahn = [&rec](double t, Bahn_Zustand& z) {
        return Zweikoerper_Zustand(rec, t, z);
    };
    Bahn_Speicher eigener;
    Bahn_Zustand epoche;
    if (!kontext.Zweikoerper && std::isfinite(jd_epoche)) {
        // Elements are osculating at their epoch (TT).
        if (!Zweikoerper_Zustand(rec, jd_epoche, epoche)) return false;
        const double jahre = (sonne.JD_TT - jd_epoche) / 365.25;
        if (!(std::fabs(jahre) * 365.25 <= Hoechste_Spanne))
            throw Bereichs_Fehler(Kt("%1%2: Bahnelemente %3 Jahre vom Zeitpunkt entfernt, zu alt "
                                     "für eine Bahnrechnung (höchstens 50 Jahre); bitte "
                                     "Bahnelemente aktualisieren",
                                     {Art_Label_Text(art), name, Fest(std::fabs(jahre), 0)}));
        Bahn_Speicher* speicher = kontext.Bahnen ? kontext.Bahnen : &eigener;
        const std::string schluessel = rec.Zeile;
        bahn = [speicher, schluessel, epoche](double t, Bahn_Zustand& z) {
            return speicher->Zustand(schluessel, epoche, t, z);
        };
    }
    bool ok;
    if constexpr (std::is_same_v<Rec, Asteroid_Type>)
        ok = ASTEROIDENORT(rec, sonne, ra, de, mag, &delta, &bahn);
    else
        ok = KOMETENORT(rec, sonne, ra, de, mag, &delta, &bahn);
    if (!ok) {
        if (!kontext.Zweikoerper)
            throw Bereichs_Fehler(Kt("%1%2: die Bahnrechnung ab der Epoche der Bahnelemente endet "
                                     "nicht (zu nahe an einem Planeten oder an der Sonne)",
                                     {Art_Label_Text(art), name}));
        return false;
    }
    Stand_Festhalten(bahn, sonne, stand);
    return true;
}
} // namespace

bool Asteroid_Suchen(const std::string& K, const Such_Kontext& kontext, Objekt_Type& objekt) {
    if (!kontext.Asteroiden) return false;
    const Asteroiden_Tabelle& tabelle = *kontext.Asteroiden;
    // Never past the end of the table, even an empty one.
    std::int32_t anzahl = kontext.Anzahl_Asteroiden;
    const auto letzte = static_cast<std::int32_t>(tabelle.size()) - 1;
    if (anzahl > letzte) anzahl = letzte;
    for (std::int32_t i = 1; i <= anzahl; ++i) {
        const Asteroid_Type& eintrag = tabelle[static_cast<std::size_t>(i)];
        if (Gross(Trimmen(Spalten(eintrag.Zeile, 167, 194))).find(K) == std::string::npos) continue;
        Asteroid_Type rec;
        rec.Zeile = eintrag.Zeile;
        rec.Nummer = eintrag.Nummer;
        double ra = 0, de = 0, mag = UNBEKANNT, delta = 0;
        const bool perihel = Asteroid_Zerlegen(rec);
        const double epoche = Asteroid_Epoche(rec);
        Oskulierender_Stand stand;
        if (!perihel || !Ort_Rechnen(rec, Objekt_Art::Asteroid, rec.Name, epoche, kontext, ra, de,
                                     mag, delta, stand))
            Keine_Bahn(Objekt_Art::Asteroid, rec.Name);
        rec.Helligkeit = mag;
        if (kontext.Asteroid_Aktuell) *kontext.Asteroid_Aktuell = rec;
        Kleinkoerper_Fuellen(objekt, Objekt_Art::Asteroid, rec.Name, ra, de, mag, delta, epoche,
                             kontext.JD_UT);
        objekt.Bahn.Stand = stand;
        return true;
    }
    return false;
}

bool Komet_Suchen(const std::string& K, const Such_Kontext& kontext, Objekt_Type& objekt) {
    Zeilen_Leser leser(Pfad_In(kontext.Daten_Ordner, "Kometen.txt"));
    std::string_view zeile;
    while (leser.Naechste(zeile)) {
        // Designation, name and reference: the 256 characters from column 100 on.
        if (Gross(Spalten(zeile, 100, 355)).find(K) == std::string::npos) continue;
        Komet_Type rec;
        rec.Zeile.assign(zeile);
        rec.Nummer = static_cast<std::int32_t>(leser.Zeilennummer());
        Komet_Zerlegen(rec);
        double ra = 0, de = 0, mag = UNBEKANNT, delta = 0;
        const std::string name(Trimmen(rec.Name));
        Oskulierender_Stand stand;
        if (!Ort_Rechnen(rec, Objekt_Art::Komet, name, Komet_Epoche(rec), kontext, ra, de, mag,
                         delta, stand))
            Keine_Bahn(Objekt_Art::Komet, name);
        rec.Helligkeit = mag;
        if (kontext.Komet_Aktuell) *kontext.Komet_Aktuell = rec;
        Kleinkoerper_Fuellen(objekt, Objekt_Art::Komet, rec.Name, ra, de, mag, delta,
                             Komet_Epoche(rec), kontext.JD_UT);
        objekt.Bahn.Stand = stand;
        return true;
    }
    return false;
}

bool Stand_Erneuern(const Asteroid_Type& rec, const Such_Kontext& kontext,
                    Oskulierender_Stand& stand) {
    double ra, de, mag, delta;
    try {
        return Ort_Rechnen(rec, Objekt_Art::Asteroid, rec.Name, Asteroid_Epoche(rec), kontext, ra,
                           de, mag, delta, stand);
    } catch (const Bereichs_Fehler&) {
        return false;
    }
}

bool Stand_Erneuern(const Komet_Type& rec, const Such_Kontext& kontext,
                    Oskulierender_Stand& stand) {
    double ra, de, mag, delta;
    try {
        return Ort_Rechnen(rec, Objekt_Art::Komet, std::string(Trimmen(rec.Name)),
                           Komet_Epoche(rec), kontext, ra, de, mag, delta, stand);
    } catch (const Bereichs_Fehler&) {
        return false;
    }
}
