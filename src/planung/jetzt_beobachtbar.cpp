#include "planung/jetzt_beobachtbar.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "astro/praezession.hpp"
#include "catalog/ephemeriden.hpp"
#include "catalog/katalog_zeilen.hpp"
#include "catalog/namen_suche.hpp"
#include "catalog/objekt_suche.hpp"
#include "orbits/kleinkoerper_ort.hpp"
#include "planung/sichtbarkeit.hpp"
#include "pointing/positions_tick.hpp"
#include "shared/fehler.hpp"
#include "shared/kern_text.hpp"
#include "shared/konstanten.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"
#include "time/numerik.hpp"
#include "time/sternzeit.hpp"

namespace {
std::string Dauer_Text(double stunden) {
    const long minuten = std::lround(stunden * 60.0);
    const long m = minuten % 60;
    return std::to_string(minuten / 60) + " h " + (m < 10 ? "0" : "") + std::to_string(m) + " min";
}

// Reads the data lines of a catalogue file; a damaged line is counted and
// skipped, a missing file named.
template <class Lesen>
void Lesen_Zaehlend(const std::string& ordner, const char* datei, Katalog_Format format,
                    Beobachtbar_Katalog& k, Lesen lesen) {
    long beschaedigt = 0;
    try {
        Zeilen_Durchgehen(Pfad_In(ordner, datei), format, beschaedigt, lesen);
    } catch (const Ein_Ausgabe_Fehler& f) {
        k.Hinweise.push_back(f.what());
    }
    if (beschaedigt > 0)
        k.Hinweise.push_back(
            Kt("%1: %2 beschädigte Zeilen übergangen", {datei, std::to_string(beschaedigt)}));
}

// The place of the sky now and the hours ahead.
struct Himmel {
    double lmst;   // local mean sidereal time, hours
    double breite; // degrees
    double jd_ut, jd_pc;
    int versatz;

    // Altitude, azimuth and the time column of a fixed place (J2000 hours,
    // degrees); false when it is neither above the limit nor rising within the
    // lead time.
    bool Fest(double ra2000, double de2000, Beobachtbar_Zeile& z) const {
        double ra = 0, de = 0;
        Praezession(JD2000, jd_pc, ra2000 * Std_Zu_Rad, de2000 * Grad_Zu_Rad, ra, de);
        double h = Mod_Positiv(lmst - ra * Rad_Zu_Std, 24.0);
        if (h > 12) h -= 24;
        Hoehe_Azimut(h * Std_Zu_Rad, de, breite * Grad_Zu_Rad, z.Hoehe, z.Azimut);
        const double h0 = Grenz_Stundenwinkel(breite, de * Rad_Zu_Grad);
        if (!std::isfinite(z.Hoehe) || h0 < 0) return false;
        if (h0 > 12) return Zirkumpolar(z);
        if (z.Hoehe > Sichtbarkeits_Grenze) return Oben(z, std::max(h0 - h, 0.0) / Sternzeit_Rate);
        return Steigt(z, Mod_Positiv(-h0 - h, 24.0) / Sternzeit_Rate);
    }

    bool Zirkumpolar(Beobachtbar_Zeile& z) const {
        z.Lage = Beobachtbar_Lage::Zirkumpolar;
        z.Stunden = std::numeric_limits<double>::infinity();
        z.Zeit = Kt("zirkumpolar");
        return true;
    }
    bool Oben(Beobachtbar_Zeile& z, double stunden) const {
        z.Lage = Beobachtbar_Lage::Oben;
        z.Stunden = stunden;
        z.Zeit = Kt("noch %1", {Dauer_Text(stunden)});
        return true;
    }
    bool Steigt(Beobachtbar_Zeile& z, double stunden) const {
        if (!(stunden <= Beobachtbar_Vorlauf)) return false;
        z.Lage = Beobachtbar_Lage::Steigt;
        z.Stunden = stunden;
        z.Zeit = Kt("ab %1 (in %2)",
                    {Zonen_Uhrzeit(jd_ut + stunden / 24.0, versatz), Dauer_Text(stunden)});
        return true;
    }

    // The Moon or a planet as the lookup gives it, followed over the hours ahead.
    bool Bewegt(const Objekt_Type& objekt, const Parameter_Type& p, Beobachtbar_Zeile& z) const {
        const Sichtbarkeit s = Sichtbarkeit_Berechnen(objekt, jd_ut, jd_pc, p, versatz);
        Objekt_Type o = objekt;
        Tick_Optionen opt;
        opt.JD_UT = jd_ut;
        const Positions_Anzeige a = Positions_Tick(o, true, jd_pc, lmst, p, false, opt);
        z.Hoehe = a.Hoehe;
        z.Azimut = a.Azimut;
        z.VMag = o.VMag;
        if (!std::isfinite(z.Hoehe)) return false;
        switch (s.Art) {
        case Sichtbarkeit::Art::Zirkumpolar:
            return Zirkumpolar(z);
        case Sichtbarkeit::Art::Wechselnd:
            if (z.Hoehe > Sichtbarkeits_Grenze)
                return std::isfinite(s.Untergang) &&
                       Oben(z, std::max(s.Untergang - jd_ut, 0.0) * 24.0);
            return std::isfinite(s.Aufgang) && Steigt(z, (s.Aufgang - jd_ut) * 24.0);
        default:
            return false;
        }
    }
};
} // namespace

const char* Beobachtbar_Art_Text(Beobachtbar_Art art) {
    switch (art) {
    case Beobachtbar_Art::Mond:
        return "Mond";
    case Beobachtbar_Art::Planet:
        return "Planet";
    case Beobachtbar_Art::Messier:
        return "Messier";
    case Beobachtbar_Art::Stern:
        return "Stern";
    case Beobachtbar_Art::Asteroid:
        return "Asteroid";
    case Beobachtbar_Art::Komet:
        return "Komet";
    case Beobachtbar_Art::NGC:
        return "NGC";
    case Beobachtbar_Art::IC:
        return "IC";
    }
    return "";
}

double Flaechenhelligkeit(double vmag, double a, double b) {
    if (!(vmag < UNBEKANNT) || !(a > 0)) return std::numeric_limits<double>::quiet_NaN();
    if (!(b > 0)) b = a;
    // Area of the ellipse in square arcseconds.
    const double flaeche = Pi / 4.0 * (a * 60.0) * (b * 60.0);
    return vmag + 2.5 * std::log10(flaeche);
}

bool Beobachtbar_Im_Filter(const Beobachtbar_Zeile& z, const Beobachtbar_Filter& f) {
    if (!f.Arten[static_cast<int>(z.Art)]) return false;
    if (!(z.VMag < UNBEKANNT)) return true;
    const bool deepsky = z.Art == Beobachtbar_Art::NGC || z.Art == Beobachtbar_Art::IC;
    return z.VMag <= f.Grenz_Mag && (!deepsky || z.VMag <= f.Deepsky_Grenz_Mag);
}

Beobachtbar_Katalog Beobachtbar_Katalog_Bauen(const std::string& ordner) {
    Beobachtbar_Katalog k;
    std::vector<Deepsky_Name> namen;
    try {
        namen = Deepsky_Namen_Lesen(Pfad_In(ordner, Datei_Deepsky_Namen));
    } catch (const std::exception& f) {
        k.Hinweise.push_back(f.what()); // the objects without their names
    }
    // The first common name of each designation.
    std::map<std::string, std::string, std::less<>> erster_name;
    for (const Deepsky_Name& n : namen) erster_name.emplace(n.Bezeichnung, Cp1252_Zu_Utf8(n.Name));
    // The file gives a Messier object again under its NGC number, with the
    // same place: that one is left out.
    std::set<std::pair<long long, long long>> messier;
    const auto ort = [](const Objekt_Type& o) {
        return std::make_pair(std::llround(o.RA2000 * 36000.0), std::llround(o.DE2000 * 3600.0));
    };
    std::vector<Beobachtbar_Fest> ngc_ic;
    Lesen_Zaehlend(ordner, Datei_NGC, Katalog_Format::NGC, k,
                   [&](std::string_view zeile, Objekt_Type& o) {
                       if (zeile.empty() || (zeile[0] != 'M' && zeile[0] != 'N' && zeile[0] != 'I'))
                           return;
                       const bool m = zeile[0] == 'M';
                       // Only the magnitude columns first: most lines are fainter.
                       if (!m) {
                           const auto v = Reell_Versuchen(Trimmen(Spalten(zeile, 29, 32)));
                           if (!v || !(*v > 0) || !(*v < Beobachtbar_Deepsky_Mag)) return;
                       }
                       NGC_Zeile_Lesen(zeile, o);
                       const auto n = erster_name.find(o.Bezeichnung);
                       Beobachtbar_Fest f{o.Bezeichnung,
                                          n == erster_name.end() ? std::string() : n->second,
                                          m                 ? Beobachtbar_Art::Messier
                                          : zeile[0] == 'N' ? Beobachtbar_Art::NGC
                                                            : Beobachtbar_Art::IC,
                                          o.VMag,
                                          o.RA2000,
                                          o.DE2000};
                       f.Groesse = o.Groesse_A > 0 ? o.Groesse_A : 0;
                       f.Flaeche = Flaechenhelligkeit(o.VMag, o.Groesse_A, o.Groesse_B);
                       if (m) {
                           messier.insert(ort(o));
                           k.Objekte.push_back(std::move(f));
                       } else {
                           ngc_ic.push_back(std::move(f));
                       }
                   });
    for (Beobachtbar_Fest& f : ngc_ic) {
        Objekt_Type o;
        o.RA2000 = f.RA2000;
        o.DE2000 = f.DE2000;
        if (!messier.count(ort(o))) k.Objekte.push_back(std::move(f));
    }
    // A star of several names once, under the first the file gives it.
    std::set<std::pair<long long, long long>> orte;
    Lesen_Zaehlend(
        ordner, Datei_Helle_Sterne, Katalog_Format::Helle_Sterne, k,
        [&](std::string_view zeile, Objekt_Type& o) {
            Helle_Sterne_Zeile_Lesen(zeile, o);
            if (o.Bezeichnung.empty() || !(o.VMag < Beobachtbar_Stern_Mag)) return;
            if (!orte.emplace(std::llround(o.RA2000 * 36000.0), std::llround(o.DE2000 * 36000.0))
                     .second)
                return;
            k.Objekte.push_back({Cp1252_Zu_Utf8(o.Bezeichnung),
                                 {},
                                 Beobachtbar_Art::Stern,
                                 o.VMag,
                                 o.RA2000,
                                 o.DE2000});
        });
    return k;
}

Sonnensystem_Vorrat Sonnensystem_Vorrat_Laden(const Such_Kontext& kontext, double jd_ut) {
    Sonnensystem_Vorrat v;
    v.JD_UT = jd_ut;
    Such_Kontext k = kontext;
    k.JD_UT = jd_ut;
    k.Asteroid_Aktuell = nullptr;
    k.Komet_Aktuell = nullptr;
    k.Meldung = nullptr;
    for (const char* name : Sonnensystem_Namen) {
        const std::string n = name;
        if (n == "Sonne") continue;
        Objekt_Type o;
        try {
            if (Objekt_Suchen("P" + n, k, o)) v.Koerper.emplace_back(n, std::move(o));
        } catch (const std::exception&) {
            // a missing or damaged table costs only its planet
        }
    }
    return v;
}

bool Vorrat_Passt(const Sonnensystem_Vorrat& v, double jd_ut) {
    return jd_ut >= v.JD_UT - 0.5 && jd_ut <= v.JD_UT + 1.0;
}

std::vector<Beobachtbar_Zeile> Jetzt_Beobachtbar(const Beobachtbar_Katalog& katalog,
                                                 const Beobachtbar_Eingabe& e) {
    std::vector<Beobachtbar_Zeile> liste;
    if (!std::isfinite(e.JD_UT) || !std::isfinite(e.JD_PC)) return liste;
    const Parameter_Type& p = e.Parameter;
    const Himmel himmel{
        Mod_Positiv(Sternzeit_Greenwich(e.JD_UT) * Rad_Zu_Std + p.Laenge / 15.0, 24.0), p.Breite,
        e.JD_UT, e.JD_PC, e.Versatz_Minuten};

    Beobachtbar_Zeile z;
    for (const Beobachtbar_Fest& f : katalog.Objekte) {
        if (!himmel.Fest(f.RA2000, f.DE2000, z)) continue;
        z.Eingabe = f.Eingabe;
        z.Bezeichnung = f.Name.empty() ? f.Eingabe : f.Eingabe + "  " + f.Name;
        z.Kennung = f.Eingabe;
        z.Name = f.Name;
        z.Art = f.Art;
        z.VMag = f.VMag;
        z.Groesse = f.Groesse;
        z.Flaeche = f.Flaeche;
        liste.push_back(z);
    }

    if (e.Sonnensystem) {
        const bool passt = e.Vorrat && Vorrat_Passt(*e.Vorrat, e.JD_UT);
        const Sonnensystem_Vorrat eigen =
            passt ? Sonnensystem_Vorrat{} : Sonnensystem_Vorrat_Laden(e.Kontext, e.JD_UT);
        const Sonnensystem_Vorrat& v = passt ? *e.Vorrat : eigen;
        for (const auto& [name, o] : v.Koerper) {
            z.Eingabe = "P" + name;
            z.Bezeichnung = name;
            z.Kennung = name;
            z.Name.clear();
            z.Groesse = 0;
            z.Flaeche = std::numeric_limits<double>::quiet_NaN();
            z.Art = name == "Mond" ? Beobachtbar_Art::Mond : Beobachtbar_Art::Planet;
            if (himmel.Bewegt(o, p, z)) liste.push_back(z);
        }
    }

    if (!e.Kleinkoerper) return liste;
    const Sonnen_Ort sonne = Sonne_Zum_Zeitpunkt(e.JD_UT);
    // Only entries the table holds, whatever the count says.
    const auto anzahl = [](const auto* tabelle, int n) {
        return tabelle ? std::clamp(n, 0, static_cast<int>(tabelle->size()) - 1) : 0;
    };
    // The list's own name columns (as the asteroid and comet lists give them)
    // are what the observer would type after the kind letter.
    const auto dazu = [&](char buchstabe, const std::string& zeile, int von, int bis,
                          Beobachtbar_Art art, double ra, double de, double mag) {
        if (!(mag <= e.Grenz_Mag) || !himmel.Fest(ra, de, z)) return;
        z.Bezeichnung = Cp1252_Zu_Utf8(Text_Feld(zeile, von, bis));
        z.Eingabe = buchstabe + z.Bezeichnung;
        z.Kennung = z.Bezeichnung;
        z.Name.clear();
        z.Groesse = 0;
        z.Flaeche = std::numeric_limits<double>::quiet_NaN();
        z.Art = art;
        z.VMag = mag;
        liste.push_back(z);
    };
    for (int i = 1, n = anzahl(e.Kontext.Asteroiden, e.Kontext.Anzahl_Asteroiden); i <= n; ++i) {
        const Asteroid_Type& a = (*e.Kontext.Asteroiden)[static_cast<std::size_t>(i)];
        double ra = 0, de = 0, mag = UNBEKANNT;
        if (ASTEROIDENORT(a, sonne, ra, de, mag))
            dazu('A', a.Zeile, 167, 194, Beobachtbar_Art::Asteroid, ra, de, mag);
    }
    for (int i = 1, n = anzahl(e.Kontext.Kometen, e.Kontext.Anzahl_Kometen); i <= n; ++i) {
        const Komet_Type& c = (*e.Kontext.Kometen)[static_cast<std::size_t>(i)];
        double ra = 0, de = 0, mag = UNBEKANNT;
        if (KOMETENORT(c, sonne, ra, de, mag))
            dazu('K', c.Zeile, 103, 137, Beobachtbar_Art::Komet, ra, de, mag);
    }
    return liste;
}
