#include "catalog/kleinkoerper_suche.hpp"

#include <cmath>
#include <cstddef>

#include "astro/sternbild.hpp"
#include "catalog/katalog_zeilen.hpp"
#include "orbits/element_zeilen.hpp"
#include "orbits/kleinkoerper_ort.hpp"
#include "shared/fehler.hpp"
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

// A body whose elements give no place: the observer is told which one.
[[noreturn]] void Keine_Bahn(Objekt_Art art, const std::string& name) {
    throw Bereichs_Fehler(std::string(Art_Label(art)) + name +
                          ": aus den Bahnelementen ist keine Position berechenbar");
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
        if (!perihel || !ASTEROIDENORT(rec, kontext.JD_UT, ra, de, mag, &delta))
            Keine_Bahn(Objekt_Art::Asteroid, rec.Name);
        rec.Helligkeit = mag;
        if (kontext.Asteroid_Aktuell) *kontext.Asteroid_Aktuell = rec;
        const double tag = std::trunc(rec.Epoche_Tag);
        const double epoche = Datum_Zu_MJD(rec.Epoche_Jahr, rec.Epoche_Monat, static_cast<int>(tag),
                                           (rec.Epoche_Tag - tag) * 24.0) +
                              MJD_Nullpunkt;
        Kleinkoerper_Fuellen(objekt, Objekt_Art::Asteroid, rec.Name, ra, de, mag, delta, epoche,
                             kontext.JD_UT);
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
        if (!KOMETENORT(rec, kontext.JD_UT, ra, de, mag, &delta))
            Keine_Bahn(Objekt_Art::Komet, std::string(Trimmen(rec.Name)));
        rec.Helligkeit = mag;
        if (kontext.Komet_Aktuell) *kontext.Komet_Aktuell = rec;
        Kleinkoerper_Fuellen(objekt, Objekt_Art::Komet, rec.Name, ra, de, mag, delta,
                             Komet_Epoche(rec), kontext.JD_UT);
        return true;
    }
    return false;
}
