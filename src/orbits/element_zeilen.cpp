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
std::string Vorsatz(const char* datei, std::int32_t nummer) {
    return std::string(datei) + ", Zeile " + std::to_string(nummer) + ": ";
}

template <typename F> void Mit_Zeilennummer(const char* datei, std::int32_t nummer, F&& schritt) {
    try {
        schritt();
    } catch (const Konvertierungs_Fehler& f) {
        throw Konvertierungs_Fehler(Vorsatz(datei, nummer) + f.what());
    } catch (const Bereichs_Fehler& f) {
        throw Bereichs_Fehler(Vorsatz(datei, nummer) + f.what());
    }
}
} // namespace

Packdatum DecodePackedDate(std::string_view text) {
    if (text.size() < 5)
        throw Bereichs_Fehler("Range check error: packed date '" + Cp1252_Zu_Utf8(text) +
                              "' shorter than 5 characters");
    Packdatum d;
    d.Jahr = (static_cast<unsigned char>(text[0]) - 55) * 100 + Ganzzahl_Lesen(text.substr(1, 2));
    d.Monat = Packzeichen(text[3]);
    d.Tag = Packzeichen(text[4]);
    if (text.size() > 5) {
        const std::string bruch = "0." + std::string(text.substr(5, 20));
        d.Tag += Reell_Lesen(bruch);
    }
    return d;
}

bool Asteroid_Zerlegen(Asteroid_Type& rec) {
    bool moeglich = true;
    Mit_Zeilennummer("Asteroiden.txt", rec.Nummer, [&] {
        const std::string_view z = rec.Zeile;
        rec.Bezeichnung = Text_Feld(z, 1, 7);
        rec.H = Reell_Lesen(Spalten(z, 9, 13));
        rec.G = Reell_Lesen(Spalten(z, 15, 19));
        rec.Epoche = std::string(Spalten(z, 21, 25));
        rec.M = Reell_Lesen(Spalten(z, 27, 35));
        rec.Peri = Reell_Lesen(Spalten(z, 38, 46));
        rec.Knoten = Reell_Lesen(Spalten(z, 49, 57));
        rec.Inkl = Reell_Lesen(Spalten(z, 60, 68));
        rec.e = Reell_Lesen(Spalten(z, 71, 79));
        rec.n = Reell_Lesen(Spalten(z, 81, 91));
        rec.a = Reell_Lesen(Spalten(z, 93, 103));
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
        if (z.size() < 5)
            throw Bereichs_Fehler("Range check error: comet line shorter than 5 characters");
        rec.Typ = z[4];
        rec.Bezeichnung = Text_Feld_Roh(z, 6, 12);
        rec.Peri_Jahr = Ganzzahl_Lesen(Spalten(z, 15, 18));
        rec.Peri_Monat = Ganzzahl_Lesen(Spalten(z, 20, 21));
        rec.Peri_Tag = Reell_Lesen(Spalten(z, 23, 29));
        rec.q = Reell_Lesen(Spalten(z, 31, 39));
        rec.e = Reell_Lesen(Spalten(z, 42, 49));
        rec.Peri = Reell_Lesen(Spalten(z, 52, 59));
        rec.Knoten = Reell_Lesen(Spalten(z, 62, 69));
        rec.Inkl = Reell_Lesen(Spalten(z, 72, 79));
        rec.H = Reell_Lesen(Spalten(z, 92, 95));
        rec.K = Reell_Lesen(Spalten(z, 97, 100));
        rec.Name = Text_Feld_Roh(z, 103, 158);
        rec.Referenz = Text_Feld_Roh(z, 160, 168);
    });
}
