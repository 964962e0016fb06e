#include "catalog/katalog_zeilen.hpp"

#include <cmath>

#include "shared/fehler.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"

std::string Ephemeriden_Datei(std::string_view name) {
    return "2010-2080_Horizons_" + std::string(name) + ".txt";
}

bool Kopf_Ueberspringen(Katalog_Format format, Zeilen_Leser& leser) {
    switch (format) {
    case Katalog_Format::NGC:
        return leser.Ueberspringen(1);
    case Katalog_Format::Fotometrie:
        return leser.Ueberspringen(2);
    case Katalog_Format::Eigene:
    case Katalog_Format::Geostat:
        return leser.Beschreibung_Ueberspringen();
    default:
        return true;
    }
}

bool Feld_Gleich(std::string_view feld, std::string_view schluessel, bool gross) {
    feld = Trimmen(feld);
    if (feld.size() != schluessel.size()) return false;
    if (!gross) return feld == schluessel;
    for (std::size_t i = 0; i < feld.size(); ++i) {
        char c = feld[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != schluessel[i]) return false;
    }
    return true;
}

namespace {
// Minutes and seconds of arc or time: minutes 0 to 59, seconds 0 to 60.
double Minuten_Sekunden(std::string_view m, double sekunden) {
    return Im_Bereich(Ganzzahl_Lesen(m), 0, 59, "Minuten") / 60.0 +
           Im_Bereich(sekunden, 0, 60, "Sekunden") / 3600.0;
}

// The sign has a column of its own, so -0 deg 30' keeps its sign.
double Mit_Vorzeichen(std::string_view vorzeichen, double betrag) {
    return (!vorzeichen.empty() && vorzeichen[0] == '-') ? -betrag : betrag;
}

double Deklination_Pruefen(double de) {
    return Im_Bereich(de, -90, 90, "Deklination");
}

double Rektaszension_Pruefen(double ra) {
    return Im_Bereich(ra, 0, 24, "Rektaszension");
}

// A magnitude field where 0 marks an unknown value.
double Helligkeit_Oder_Unbekannt(double mag) {
    return mag == 0 ? UNBEKANNT : Helligkeit_Pruefen(mag);
}
} // namespace

double RA_Sexagesimal(std::string_view h, std::string_view m, std::string_view s) {
    const double stunden = Im_Bereich(Ganzzahl_Lesen(h), 0, 23, "Stunden");
    return Rektaszension_Pruefen(stunden + Minuten_Sekunden(m, Reell_Lesen(s)));
}

double DE_Sexagesimal(std::string_view vorzeichen, std::string_view d, std::string_view m,
                      std::string_view s) {
    return Deklination_Pruefen(
        Mit_Vorzeichen(vorzeichen, Ganzzahl_Lesen(d) + Minuten_Sekunden(m, Reell_Lesen(s))));
}

void Ohne_Groesse_Und_Distanz(Objekt_Type& o) {
    o.Groesse_A = UNBEKANNT;
    o.Groesse_B = UNBEKANNT;
    o.Distanz = UNBEKANNT;
    o.Distanz_Einheit.clear();
}

void NGC_Zeile_Lesen(std::string_view z, Objekt_Type& o) {
    o.Bezeichnung = Text_Feld(z, 1, 6);
    o.Con = Text_Feld(z, 7, 9);
    o.RA2000 = RA_Sexagesimal(Spalten(z, 10, 11), Spalten(z, 12, 13), Spalten(z, 14, 17));
    // Whole arcseconds in this catalogue: a decimal or a blank after the digits is malformed.
    o.DE2000 = Deklination_Pruefen(Mit_Vorzeichen(
        Spalten(z, 18, 18),
        Ganzzahl_Lesen(Spalten(z, 19, 20)) +
            Minuten_Sekunden(Spalten(z, 21, 22), Ganzzahl_Lesen(Spalten(z, 23, 24)))));
    o.BMag = Helligkeit_Oder_Unbekannt(Reell_Lesen(Spalten(z, 25, 28)));
    // No deep-sky object is as bright as V 0.0: like B, a 0 marks a magnitude the
    // catalogue does not know, and the window must not show "VMag:0.0" for it.
    o.VMag = Helligkeit_Oder_Unbekannt(Reell_Lesen(Spalten(z, 29, 32)));
    o.Groesse_A = Distanz_Pruefen(Reell_Lesen(Spalten(z, 33, 37)));
    o.Groesse_B = Distanz_Pruefen(Reell_Lesen(Spalten(z, 38, 42)));
    o.Typ = Text_Feld(z, 43, 50);
    const double d = Distanz_Pruefen(Reell_Lesen(Spalten(z, 51, 57)));
    o.Distanz = d == 0 ? UNBEKANNT : d;
    o.Distanz_Einheit = d == 0 ? "" : "Mpc";
    o.Alias = Text_Feld(z, 58, 73);
    o.Klasse.clear();
}

void SAO_Zeile_Lesen(std::string_view z, Objekt_Type& o) {
    o.Art = Objekt_Art::SAO;
    o.Bezeichnung = "S" + Text_Feld(z, 1, 6);
    o.RA2000 = RA_Sexagesimal(Spalten(z, 7, 8), Spalten(z, 9, 10), Spalten(z, 11, 15));
    o.DE2000 = DE_Sexagesimal(Spalten(z, 16, 16), Spalten(z, 17, 18), Spalten(z, 19, 20),
                              Spalten(z, 21, 24));
    o.VMag = Helligkeit_Pruefen(Reell_Lesen(Spalten(z, 38, 41)));
    o.BMag = UNBEKANNT;
    o.Klasse = Text_Feld_Roh(z, 42, 43);
    o.Alias = Text_Feld(z, 44, 59);
    o.Typ = Art_Typ(o.Art);
    Ohne_Groesse_Und_Distanz(o);
}

void HIP_Zeile_Lesen(std::string_view z, Objekt_Type& o) {
    o.Art = Objekt_Art::HIP;
    o.Bezeichnung = "H" + Text_Feld(z, 1, 6);
    o.RA2000 = RA_Sexagesimal(Spalten(z, 7, 8), Spalten(z, 9, 10), Spalten(z, 11, 16));
    o.DE2000 = DE_Sexagesimal(Spalten(z, 17, 17), Spalten(z, 18, 19), Spalten(z, 20, 21),
                              Spalten(z, 22, 26));
    o.VMag = Helligkeit_Pruefen(Reell_Lesen(Spalten(z, 27, 32)));
    const double b_v = Reell_Lesen(Spalten(z, 33, 39));
    o.BMag = b_v == 99.999 ? UNBEKANNT : Helligkeit_Pruefen(b_v + o.VMag);
    o.Alias = Text_Feld(z, 46, 55);
    if (o.Alias.empty()) o.Alias = Text_Feld(z, 56, 66);
    if (o.Alias.empty()) {
        const std::string hd = Text_Feld(z, 40, 45);
        if (!hd.empty()) o.Alias = "HD" + hd;
    }
    o.Klasse = Text_Feld_Roh(z, 67, 78);
    o.Typ = Art_Typ(o.Art);
    Ohne_Groesse_Und_Distanz(o);
}

void Veraenderlicher_Zeile_Lesen(std::string_view z, Objekt_Type& o) {
    o.Art = Objekt_Art::Veraenderlicher;
    o.Bezeichnung = "V" + Text_Feld(z, 1, 10);
    o.RA2000 = Rektaszension_Pruefen(Reell_Lesen(Spalten(z, 16, 22)) / 15.0); // degrees to hours
    o.DE2000 = Deklination_Pruefen(Reell_Lesen(Spalten(z, 23, 28)));
    o.VMag = Helligkeit_Pruefen(Reell_Lesen(Spalten(z, 29, 34)));
    o.BMag = UNBEKANNT;
    o.Klasse.clear();
    o.Alias.clear();
    o.Zusatz.clear();
    o.Typ = Art_Typ(o.Art);
    Ohne_Groesse_Und_Distanz(o);
}

void Fotometrie_Zeile_Lesen(std::string_view z, Objekt_Type& o) {
    o.Art = Objekt_Art::Fotometrie;
    o.Bezeichnung = "F" + Text_Feld(z, 106, 125);
    o.RA2000 = RA_Sexagesimal(Spalten(z, 1, 2), Spalten(z, 4, 5), Spalten(z, 7, 10));
    o.DE2000 = DE_Sexagesimal(Spalten(z, 12, 12), Spalten(z, 13, 14), Spalten(z, 16, 17),
                              Spalten(z, 19, 20));
    o.VMag = Helligkeit_Pruefen(Reell_Lesen(Spalten(z, 36, 41)));
    o.BMag = Helligkeit_Pruefen(Reell_Lesen(Spalten(z, 50, 55)));
    o.Klasse.clear();
    o.Alias.clear();
    o.Typ = Art_Typ(o.Art);
    Ohne_Groesse_Und_Distanz(o);
}

std::optional<double> Geostat_Laenge(const std::string& bezeichnung) {
    // The columns are those of the 8-bit catalogue line, not of the UTF-8 text.
    const std::string zeile = Utf8_Zu_Cp1252(bezeichnung);
    if (zeile.size() < 23) return std::nullopt;
    const auto laenge = Reell_Versuchen(Spalten(zeile, 19, 23));
    if (!laenge || !std::isfinite(*laenge)) return std::nullopt;
    const bool west = zeile.size() >= 24 && (zeile[23] == 'W' || zeile[23] == 'w');
    return west ? -*laenge : *laenge;
}

bool Geostat_Laenge_Gueltig(const std::string& bezeichnung) {
    return Geostat_Laenge(bezeichnung).has_value();
}

void Geostat_Zeile_Lesen(std::string_view z, Objekt_Type& o) {
    o.Art = Objekt_Art::Geostat;
    o.Bezeichnung = "G" + Text_Feld(z, 1, 28);
    o.RA2000 = 0;
    o.DE2000 = 0;
    o.Con.clear(); // filled by the position tick from the computed place
    o.VMag = 11.0;
    o.BMag = UNBEKANNT;
    o.Klasse.clear();
    o.Alias.clear();
    o.Typ = Art_Typ(o.Art);
    Ohne_Groesse_Und_Distanz(o);
    // The place comes from the longitude inside the label; without one the
    // position tick could show nothing, so the observer is told here, once.
    if (!Geostat_Laenge_Gueltig(o.Bezeichnung))
        throw Konvertierungs_Fehler("Geostat. Satellit '" + o.Bezeichnung.substr(1) +
                                    "': keine Länge in den Zeichen 18 bis 23 der Bezeichnung");
}

void Helle_Sterne_Zeile_Lesen(std::string_view z, Objekt_Type& o) {
    o.Art = Objekt_Art::Keine;
    o.Bezeichnung = Text_Feld(z, 89, 108);
    o.RA2000 = RA_Sexagesimal(Spalten(z, 1, 2), Spalten(z, 4, 5), Spalten(z, 7, 12));
    o.DE2000 = DE_Sexagesimal(Spalten(z, 22, 22), Spalten(z, 23, 24), Spalten(z, 26, 27),
                              Spalten(z, 29, 33));
    o.VMag = Helligkeit_Pruefen(Reell_Lesen(Spalten(z, 54, 59)));
    o.BMag = UNBEKANNT;
    o.Klasse = Text_Feld_Roh(z, 61, 62);
    o.Alias = Text_Feld(z, 110, 129);
    o.Typ = "Bright Star";
    Ohne_Groesse_Und_Distanz(o);
}

void Flamsteed_Zeile_Lesen(std::string_view z, Objekt_Type& o) {
    o.Art = Objekt_Art::Keine;
    o.Bezeichnung = Text_Feld(z, 70, 79);
    o.RA2000 = RA_Sexagesimal(Spalten(z, 39, 40), Spalten(z, 42, 43), Spalten(z, 45, 49));
    o.DE2000 = DE_Sexagesimal(Spalten(z, 51, 51), Spalten(z, 52, 53), Spalten(z, 55, 56),
                              Spalten(z, 58, 61));
    o.VMag = Helligkeit_Pruefen(Reell_Lesen(Spalten(z, 62, 67)));
    o.BMag = UNBEKANNT;
    o.Klasse.clear();
    o.Alias = Text_Feld(z, 81, 90);
    o.Typ = "Stern";
    Ohne_Groesse_Und_Distanz(o);
}

namespace {
// The equinox field: leading blanks allowed, the number must run to the end
// of the field; anything else (blank, text, trailing blank) means "of date".
std::optional<double> Aequinoktium_Lesen(std::string_view feld) {
    std::size_t i = 0;
    while (i < feld.size() && feld[i] == ' ') ++i;
    const std::string_view rest = feld.substr(i);
    if (rest.empty() || static_cast<unsigned char>(rest.back()) <= 32) return std::nullopt;
    return Reell_Versuchen(rest);
}
} // namespace

Eigenes_Objekt_Zeile Eigenes_Objekt_Lesen(std::string_view z) {
    Eigenes_Objekt_Zeile e;
    if (Spalten(z, 3, 3) == ":")
        e.RA = RA_Sexagesimal(Spalten(z, 1, 2), Spalten(z, 4, 5), Spalten(z, 7, 10));
    else
        e.RA = Rektaszension_Pruefen(Reell_Lesen(Spalten(z, 22, 29)));
    if (Spalten(z, 15, 15) == ":")
        e.DE = DE_Sexagesimal(Spalten(z, 12, 12), Spalten(z, 13, 14), Spalten(z, 16, 17),
                              Spalten(z, 19, 20));
    else
        e.DE = Deklination_Pruefen(Reell_Lesen(Spalten(z, 31, 38)));
    e.Aequinoktium = Aequinoktium_Lesen(Spalten(z, 40, 45));
    e.Name = Text_Feld(z, 47, 76);
    return e;
}

double Ephemeriden_JD(std::string_view zeile) {
    return Reell_Lesen(Spalten(zeile, Ephemeriden_JD_Spalten.von, Ephemeriden_JD_Spalten.bis));
}

void Ephemeriden_Zeile_Lesen(std::string_view z, std::string_view name, Objekt_Type& o) {
    o.Art = Objekt_Art::Planet;
    o.Bezeichnung = "P" + std::string(name);
    const std::size_t n = z.size() < 3 ? z.size() : 3;
    o.Con = Cp1252_Zu_Utf8(z.substr(z.size() - n));
    o.RA2000 = RA_Sexagesimal(Spalten(z, 14, 15), Spalten(z, 17, 18), Spalten(z, 20, 24));
    o.DE2000 = DE_Sexagesimal(Spalten(z, 26, 26), Spalten(z, 27, 28), Spalten(z, 30, 31),
                              Spalten(z, 33, 36));
    o.VMag = Helligkeit_Pruefen(Reell_Lesen(Spalten(z, 37, 42)));
    o.BMag = UNBEKANNT;
    o.Groesse_A = Distanz_Pruefen(Reell_Lesen(Spalten(z, 44, 47)));
    o.Groesse_B = o.Groesse_A;
    o.Distanz = Distanz_Pruefen(Reell_Lesen(Spalten(z, 49, 52))); // a distance of 0 is kept here
    o.Distanz_Einheit = "AU";
    o.Klasse.clear();
    o.Alias.clear();
    o.Typ = o.Bezeichnung == "PSonne" ? "Sonne" : "Planet";
}

void Zeile_Pruefen(Katalog_Format format, std::string_view zeile) {
    Objekt_Type o;
    switch (format) {
    case Katalog_Format::NGC:
        NGC_Zeile_Lesen(zeile, o);
        break;
    case Katalog_Format::SAO:
        SAO_Zeile_Lesen(zeile, o);
        break;
    case Katalog_Format::HIP:
        HIP_Zeile_Lesen(zeile, o);
        break;
    case Katalog_Format::Veraenderliche:
        Veraenderlicher_Zeile_Lesen(zeile, o);
        break;
    case Katalog_Format::Eigene:
        Eigenes_Objekt_Lesen(zeile);
        break;
    case Katalog_Format::Fotometrie:
        Fotometrie_Zeile_Lesen(zeile, o);
        break;
    case Katalog_Format::Geostat:
        // The position tick reads the orbital longitude out of the label; a
        // satellite without one could be chosen but never shown.
        Geostat_Zeile_Lesen(zeile, o);
        break;
    case Katalog_Format::Helle_Sterne:
        Helle_Sterne_Zeile_Lesen(zeile, o);
        break;
    case Katalog_Format::Flamsteed:
        Flamsteed_Zeile_Lesen(zeile, o);
        break;
    case Katalog_Format::Ephemeriden:
        Ephemeriden_JD(zeile);
        Ephemeriden_Zeile_Lesen(zeile, "", o);
        break;
    }
}

long Katalog_Datei_Pruefen(Katalog_Format format, const std::string& pfad) {
    Zeilen_Leser leser(pfad);
    if (!Kopf_Ueberspringen(format, leser)) return 0;
    long anzahl = 0;
    double jd_vorher = 0;
    std::string_view zeile;
    while (leser.Naechste(zeile)) {
        Mit_Vorsatz([&] { return leser.Ort(); }, [&] { Zeile_Pruefen(format, zeile); });
        if (format == Katalog_Format::Ephemeriden) {
            // A row is used within a quarter day of it, so rows half a day
            // apart cover every instant of the table's span.
            const double jd = Ephemeriden_JD(zeile);
            if (anzahl > 0 && !(jd > jd_vorher && jd - jd_vorher <= 0.5))
                throw Bereichs_Fehler(leser.Ort() +
                                      "rows not in increasing time at most 0.5 day apart");
            jd_vorher = jd;
        }
        ++anzahl;
    }
    return anzahl;
}
