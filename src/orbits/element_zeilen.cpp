#include "orbits/element_zeilen.hpp"

#include <cmath>
#include <string>

#include "shared/fehler.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "time/kalender.hpp"
#include "time/numerik.hpp"

namespace {
// One character of a packed month or day: "1"-"9" their value, else code - 55 ("A" = 10).
std::int32_t Packzeichen(char c) {
    if (c >= '1' && c <= '9') return c - '0';
    return static_cast<unsigned char>(c) - 55;
}

// Runs a parse step; a conversion or range error gets the line number in front.
template <typename F> void Mit_Zeilennummer(const char* datei, std::int32_t nummer, F&& schritt) {
    Mit_Vorsatz([&] { return std::string(datei) + ", Zeile " + std::to_string(nummer) + ": "; },
                schritt);
}

bool Schaltjahr(std::int32_t jahr) {
    return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

// Days of a month of the Gregorian calendar.
std::int32_t Monatstage(std::int32_t jahr, std::int32_t monat) {
    constexpr std::int32_t tage[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return monat == 2 && Schaltjahr(jahr) ? 29 : tage[monat - 1];
}

// A calendar date of an element line: month 1 to 12, day within that month
// (a fraction of the last day is allowed).
void Datum_Pruefen(std::int32_t jahr, std::int32_t monat, double tag, const std::string& text) {
    if (monat < 1 || monat > 12)
        throw Bereichs_Fehler("Monat " + std::to_string(monat) + " im Datum '" + text +
                              "' außerhalb von 1 bis 12");
    if (!(tag >= 1 && tag < Monatstage(jahr, monat) + 1))
        throw Bereichs_Fehler("Tag " + Kurz(tag) + " im Datum '" + text + "' außerhalb von 1 bis " +
                              std::to_string(Monatstage(jahr, monat)));
}

// Angles of the orbit's orientation, degrees.
double Winkel(double x, const char* was) {
    return Im_Bereich(x, 0, 360, was);
}
} // namespace

Packdatum DecodePackedDate(std::string_view text) {
    if (text.size() < 5)
        throw Bereichs_Fehler("Gepacktes Datum '" + Cp1252_Zu_Utf8(text) +
                              "' ist kürzer als 5 Zeichen");
    // The century letter: "I" = 1800, "J" = 1900, "K" = 2000.
    if (text[0] < 'A' || text[0] > 'Z')
        throw Bereichs_Fehler("Jahrhundert '" + Cp1252_Zu_Utf8(text.substr(0, 1)) +
                              "' im gepackten Datum '" + Cp1252_Zu_Utf8(text) +
                              "' ist kein Buchstabe A bis Z");
    Packdatum d;
    d.Jahr = (static_cast<unsigned char>(text[0]) - 55) * 100 + Ganzzahl_Lesen(text.substr(1, 2));
    d.Monat = Packzeichen(text[3]);
    d.Tag = Packzeichen(text[4]);
    if (text.size() > 5) {
        const std::string bruch = "0." + std::string(text.substr(5, 20));
        d.Tag += Reell_Lesen(bruch);
    }
    Datum_Pruefen(d.Jahr, d.Monat, d.Tag, Cp1252_Zu_Utf8(text));
    return d;
}

bool Asteroid_Zerlegen(Asteroid_Type& rec) {
    bool moeglich = true;
    Mit_Zeilennummer("Asteroiden.txt", rec.Nummer, [&] {
        const std::string_view z = rec.Zeile;
        rec.Bezeichnung = Text_Feld(z, 1, 7);
        rec.H = Helligkeit_Pruefen(Reell_Lesen(Spalten(z, 9, 13)));
        rec.G = Im_Bereich(Reell_Lesen(Spalten(z, 15, 19)), -2, 2, "Steigungsparameter G");
        rec.Epoche = std::string(Spalten(z, 21, 25));
        rec.M = Winkel(Reell_Lesen(Spalten(z, 27, 35)), "Mittlere Anomalie");
        rec.Peri = Winkel(Reell_Lesen(Spalten(z, 38, 46)), "Perihelargument");
        rec.Knoten = Winkel(Reell_Lesen(Spalten(z, 49, 57)), "Knotenlänge");
        rec.Inkl = Im_Bereich(Reell_Lesen(Spalten(z, 60, 68)), 0, 180, "Neigung");
        // An orbit that is no ellipse (e >= 1, n = 0) is read; it gives no place.
        rec.e = Im_Bereich(Reell_Lesen(Spalten(z, 71, 79)), 0, 100, "Exzentrizität");
        rec.n = Im_Bereich(Reell_Lesen(Spalten(z, 81, 91)), 0, 1e3, "Mittlere Bewegung");
        rec.a = Im_Bereich(Reell_Lesen(Spalten(z, 93, 103)), 0, 1e6, "Große Halbachse");
        rec.Name = Text_Feld(z, 167, 194);

        const Packdatum ep = DecodePackedDate(rec.Epoche);
        rec.Epoche_Jahr = ep.Jahr;
        rec.Epoche_Monat = ep.Monat;
        rec.Epoche_Tag = ep.Tag;

        double JDe = 0;
        Datum_Zu_JD(ep.Jahr, ep.Monat, static_cast<std::int32_t>(std::trunc(ep.Tag)),
                    Mod_Positiv(ep.Tag, 1.0) * 24.0, 0, 0, JDe);
        // Perihelion passage: the mean anomaly run back at the mean motion.
        const double JDp = JDe - rec.M / rec.n;
        rec.Peri_Jahr = rec.Peri_Monat = rec.Peri_Tag = 0;
        rec.Peri_Stunde = rec.Peri_Minute = rec.Peri_Sekunde = 0;
        if (!(std::isfinite(JDp) && JDp > -1e9 && JDp < 2e9)) {
            moeglich = false;
            return;
        }
        JD_Zu_Datum(JDp, rec.Peri_Jahr, rec.Peri_Monat, rec.Peri_Tag, rec.Peri_Stunde,
                    rec.Peri_Minute, rec.Peri_Sekunde);
    });
    return moeglich;
}

void Komet_Zerlegen(Komet_Type& rec) {
    Mit_Zeilennummer("Kometen.txt", rec.Nummer, [&] {
        const std::string_view z = rec.Zeile;
        if (z.size() < 5) throw Bereichs_Fehler("Kometenzeile kürzer als 5 Zeichen");
        rec.Typ = z[4];
        rec.Bezeichnung = Text_Feld_Roh(z, 6, 12);
        rec.Peri_Jahr = Ganzzahl_Lesen(Spalten(z, 15, 18));
        rec.Peri_Monat = Ganzzahl_Lesen(Spalten(z, 20, 21));
        rec.Peri_Tag = Reell_Lesen(Spalten(z, 23, 29));
        Datum_Pruefen(rec.Peri_Jahr, rec.Peri_Monat, rec.Peri_Tag,
                      Cp1252_Zu_Utf8(Spalten(z, 15, 29)));
        rec.q = Im_Bereich(Reell_Lesen(Spalten(z, 31, 39)), 0, 1e4, "Periheldistanz");
        rec.e = Im_Bereich(Reell_Lesen(Spalten(z, 42, 49)), 0, 100, "Exzentrizität");
        rec.Peri = Winkel(Reell_Lesen(Spalten(z, 52, 59)), "Perihelargument");
        rec.Knoten = Winkel(Reell_Lesen(Spalten(z, 62, 69)), "Knotenlänge");
        rec.Inkl = Im_Bereich(Reell_Lesen(Spalten(z, 72, 79)), 0, 180, "Neigung");
        rec.H = Helligkeit_Pruefen(Reell_Lesen(Spalten(z, 92, 95)));
        rec.K = Im_Bereich(Reell_Lesen(Spalten(z, 97, 100)), -100, 100, "Steigungsparameter K");
        rec.Name = Text_Feld_Roh(z, 103, 158);
        rec.Referenz = Text_Feld_Roh(z, 160, 168);
    });
}
