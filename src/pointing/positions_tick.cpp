#include "pointing/positions_tick.hpp"

#include <cmath>

#include "astro/scheinbarer_ort.hpp"
#include "astro/sternbild.hpp"
#include "catalog/ephemeriden.hpp"
#include "orbits/kleinkoerper_ort.hpp"
#include "orbits/mond.hpp"
#include "pointing/geostat.hpp"
#include "pointing/instrument.hpp"
#include "pointing/refraktion.hpp"
#include "shared/kern_text.hpp"
#include "shared/konstanten.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "time/numerik.hpp"
#include "time/uhr_tick.hpp"
#include "time/zeit_texte.hpp"

namespace {

constexpr double AE_km = 149597870.7;

// Altitude above which the observer is not warned (degrees).
constexpr double Warnhoehe = 20.0;

// The idle texts of a tick with no object selected; colours stay as they are.
void Leerer_Zustand(Positions_Anzeige& a) {
    a.Objekt.Zeile.clear();
    a.Objekt.RA2000 = "RA(J2000)";
    a.Objekt.RAapp = "RA(appar)";
    a.Objekt.DE2000 = "DE(J2000)";
    a.Objekt.DEapp = "DE(appar)";
    a.Objekt.Typ = Kt("Typ: ");
    a.Objekt.Sternbild = "Con: ";
}

// A coordinate the texts can show: a finite value of sensible size.
bool Darstellbar(double x) {
    return std::isfinite(x) && std::fabs(x) < 1e9;
}

// A distance as shown: value and unit. The deep-sky catalogue gives every
// distance in Mpc; one in our Galaxy (under 0.1 Mpc) reads better in kpc.
std::string Distanz_Text(double d, const std::string& einheit) {
    if (einheit == "Mpc" && d < 0.1) return Distanz_Text(d * 1000.0, "kpc");
    return Fest(d, d <= 10 ? 1 : 0) + " " + einheit;
}

// Name line: kind label in place of the kind letter, then alias and distance.
std::string Objekt_Zeile(const Objekt_Type& o) {
    std::string schluessel(Trimmen(o.Bezeichnung));
    if (o.Art != Objekt_Art::Keine && !schluessel.empty()) schluessel.erase(0, 1);
    std::string text = Art_Label_Text(o.Art) + schluessel;
    if (!o.Alias.empty() || o.Distanz > 0) {
        // The Sun and the Moon go by their names alone.
        if (o.Art == Objekt_Art::Planet && (schluessel == "Sonne" || schluessel == "Mond"))
            text = schluessel;
        text += "   " + o.Alias;
        if (!o.Alias.empty() && o.Distanz != UNBEKANNT) text += "; ";
        if (o.Distanz != UNBEKANNT) text += Distanz_Text(o.Distanz, o.Distanz_Einheit);
    }
    return text;
}

std::string Rektaszension_Text(double ra_std) {
    return std::string(Trimmen(Sexagesimal_Text(1, ra_std))) + "h";
}

std::string Deklination_Text(double de_grad) {
    std::string s = std::string(Trimmen(Sexagesimal_Text(0, de_grad))) + "°";
    if (s[0] != '-') s = "+" + s;
    return s;
}

std::string Info_Text(const Objekt_Type& o) {
    std::string t;
    if (o.VMag != UNBEKANNT) t = "VMag:" + Fest(o.VMag, 1);
    if (o.BMag != UNBEKANNT) t += "; BMag:" + Fest(o.BMag, 1);
    const auto dazu = [&t](const std::string& teil) { t += (t.empty() ? "" : "; ") + teil; };
    if (o.Bahn.Beleuchtet >= 0) dazu(Kt("beleuchtet %1 %", {Fest(o.Bahn.Beleuchtet * 100.0, 0)}));
    // Elements older (or younger) than a year: perturbations have moved the body.
    if (std::fabs(o.Bahn.Element_Alter) > 1.0 && std::fabs(o.Bahn.Element_Alter) < 1e6) {
        const std::string jahre = Fest(std::fabs(o.Bahn.Element_Alter), 1);
        dazu(o.Bahn.Element_Alter > 0 ? Kt("Bahnelemente %1 Jahre alt", {jahre})
                                      : Kt("Bahnelemente %1 Jahre neuer", {jahre}));
    }
    // Beyond ten years even the integrated orbit drifts: close approaches,
    // the large asteroids' own pull, comets' outgassing.
    if (std::fabs(o.Bahn.Element_Alter) > 10.0 && std::fabs(o.Bahn.Element_Alter) < 1e6)
        dazu(Kt("Ort unsicher, Bahnelemente aktualisieren"));
    return t;
}

// Moves a table body, the Moon or a minor body to the instant jd_ut (when given) and
// reduces the geocentric place to the observatory. The tables and the minor
// bodies give the geocentric astrometric place (light time applied), the Moon
// its geometric one; RA2000/DE2000 receive the topocentric astrometric place.
void Sonnensystem_Ort(Objekt_Type& o, const Scheinbar_Rahmen& rahmen, double jd_ut) {
    Bahn_Info& b = o.Bahn;
    if (std::isfinite(jd_ut)) {
        Ephemeriden_Stuetze e;
        Mond_Ort m;
        if (b.Art == Bahn_Art::Tabelle && Ephemeride_Interpolieren(b.Stuetzen, jd_ut, e)) {
            b.RA_Geo = e.RA;
            b.DE_Geo = e.DE;
            b.Distanz_AE = e.Distanz;
            o.VMag = e.VMag;
            o.Distanz = e.Distanz;
        } else if (b.Art == Bahn_Art::Mond && Mond_Berechnen(jd_ut, m)) {
            b.RA_Geo = m.RA;
            b.DE_Geo = m.DE;
            b.Distanz_AE = m.Distanz_km / AE_km;
            b.Beleuchtet = m.Beleuchtet;
            o.Distanz = std::round(m.Distanz_km);
        } else if (b.Art == Bahn_Art::Kleinkoerper && b.Stand.Gueltig) {
            // Two-body from the osculating states of the lookup: cheap for a tick.
            double ra, de, delta;
            if (Stand_Fortfuehren(b.Stand, jd_ut, ra, de, delta)) {
                b.RA_Geo = ra;
                b.DE_Geo = de;
                b.Distanz_AE = delta;
            }
        }
    }
    const Himmelsort t = Topozentrisch_Astrometrisch(rahmen, {b.RA_Geo, b.DE_Geo}, b.Distanz_AE);
    o.RA2000 = t.RA;
    o.DE2000 = t.DE;
    // The Moon crosses a constellation in a day or two: named at every tick.
    if (b.Art == Bahn_Art::Mond)
        o.Con = Sternbild(o.RA2000 * Std_Zu_Rad, o.DE2000 * Grad_Zu_Rad, JD2000);
}

} // namespace

void Stundenwinkel_Deklination(double hoehe, double azimut, double breite, double& stundenwinkel,
                               double& de) {
    de = ArcSin(std::sin(breite) * std::sin(hoehe) -
                std::cos(breite) * std::cos(hoehe) * std::cos(azimut));
    stundenwinkel = ArcTan2(std::cos(hoehe) * std::sin(azimut),
                            std::cos(hoehe) * std::cos(azimut) * std::sin(breite) +
                                std::sin(hoehe) * std::cos(breite));
}

void Deklinationskreis_Texte(double d, std::string& grad, std::string& zehntel) {
    std::string s = Fest(d, 1);
    if (s[0] != '-') s = "+" + s;
    grad = s.substr(0, s.find('.'));
    zehntel = s.substr(s.size() - 1);
}

void Stundenkreis_Texte(double h, std::string& stunden, std::string& minuten) {
    // Divided by 60, the hours fall into the minutes field and the minutes into the
    // seconds field of the sexagesimal text: " s00:hh:mm.m".
    const std::string t = Sexagesimal_Text(1, Mod_Positiv(h, 24.0) / 60.0);
    stunden = t.substr(5, 2);
    minuten = t.substr(8, 4);
    // Rounded up to the full circle: that is 0 h again.
    if (stunden == "24") stunden = "00";
}

void Hoehe_Azimut(double stundenwinkel, double de, double breite, double& hoehe, double& azimut) {
    hoehe = ArcSin(std::sin(breite) * std::sin(de) +
                   std::cos(breite) * std::cos(de) * std::cos(stundenwinkel)) *
            Rad_Zu_Grad;
    azimut = ArcTan2(std::sin(stundenwinkel),
                     std::cos(stundenwinkel) * std::sin(breite) - std::tan(de) * std::cos(breite)) *
             Rad_Zu_Grad;
    while (azimut <= -180.0) azimut += 360.0;
    while (azimut > 180.0) azimut -= 360.0;
}

Farbe Hoehen_Warnfarbe(double hoehe) {
    return hoehe > Warnhoehe ? Farbe_Gruen : Farbe_Rot;
}

double Luftmasse(double hoehe) {
    if (!(hoehe >= 0.5)) return 0.0;
    const double h = hoehe > 90.0 ? 90.0 : hoehe;
    return 1.0 / (std::sin(h * Grad_Zu_Rad) + 0.50572 * std::pow(h + 6.07995, -1.6364));
}

void Ort_Uebernehmen(Objekt_Type& o, const Tick_Ort& ort) {
    o.RA2000 = ort.RA2000;
    o.DE2000 = ort.DE2000;
    o.RAapp = ort.RAapp;
    o.DEapp = ort.DEapp;
    o.Con = ort.Con;
    o.VMag = ort.VMag;
    o.Distanz = ort.Distanz;
    o.Bahn.RA_Geo = ort.RA_Geo;
    o.Bahn.DE_Geo = ort.DE_Geo;
    o.Bahn.Distanz_AE = ort.Distanz_AE;
    o.Bahn.Beleuchtet = ort.Beleuchtet;
}

Positions_Anzeige Positions_Tick(const Objekt_Type& gewaehlt, bool gueltig, double jd_pc,
                                 double sternzeit, const Parameter_Type& parameter, bool schmidt,
                                 const Tick_Optionen& optionen) {
    Positions_Anzeige a;
    a.Sternzeit = sternzeit;
    a.Status = Korrektur_Status_Text(parameter);
    const bool modell = optionen.Modell && !optionen.Modell->Leer();
    if (modell) {
        a.Zeigemodell = Modell_Kurztext(*optionen.Modell);
        a.Status += Modell_Statustext(*optionen.Modell, schmidt ? 40 : 60);
    }

    // A satellite whose designation carries no readable longitude, or a place
    // no text can show, is treated as no selection rather than failing twice a second.
    const bool geostat = gewaehlt.Art == Objekt_Art::Geostat;
    if (!gueltig || (geostat && !Geostat_Laenge_Gueltig(gewaehlt.Bezeichnung)) ||
        (!geostat && !(Darstellbar(gewaehlt.RA2000) && Darstellbar(gewaehlt.DE2000)))) {
        Leerer_Zustand(a);
        return a;
    }
    // The place at the tick is worked out on a copy and returned in a.Ort.
    Objekt_Type objekt = gewaehlt;

    // The frame of the instant (UT; without one, the PC clock's) at the
    // observatory, and the local apparent sidereal time.
    const Scheinbar_Rahmen rahmen =
        Rahmen_Berechnen(std::isfinite(optionen.JD_UT) ? optionen.JD_UT : jd_pc, sternzeit,
                         parameter.Breite, parameter.Hoehe);
    const double sternzeit_wahr = sternzeit + rahmen.GlGl;
    a.Sternzeit = sternzeit_wahr;

    if (objekt.Bahn.Art != Bahn_Art::Keine) Sonnensystem_Ort(objekt, rahmen, optionen.JD_UT);
    if (geostat) {
        // Found of date; J2000 by the rotation alone (it moves with us: no aberration).
        Geostat_Position(objekt, jd_pc, sternzeit_wahr, parameter);
        const Himmelsort j = Rahmen_Drehen(rahmen, {objekt.RAapp, objekt.DEapp}, true);
        objekt.RA2000 = j.RA;
        objekt.DE2000 = j.DE;
        objekt.Con = Sternbild(objekt.RA2000 * Std_Zu_Rad, objekt.DE2000 * Grad_Zu_Rad, JD2000);
    }
    a.Objekt.Zeile = Objekt_Zeile(objekt);
    a.Objekt_Farbe_Setzen = true;
    a.Objekt_Farbe = Farbe_Weiss;

    // The true topocentric apparent place of date. A star with a proper motion
    // moves from its catalogue place, and its J2000 label shows the astrometric
    // place of the instant.
    if (!geostat) {
        Himmelsort app;
        if (objekt.Bahn.Art == Bahn_Art::Keine && objekt.Eigen.Vorhanden) {
            Himmelsort jetzt;
            app = Scheinbarer_Ort(rahmen, {objekt.RA2000, objekt.DE2000}, &objekt.Eigen, &jetzt);
            objekt.RA2000 = jetzt.RA;
            objekt.DE2000 = jetzt.DE;
        } else {
            app = Scheinbarer_Ort(rahmen, {objekt.RA2000, objekt.DE2000});
        }
        objekt.RAapp = Mod_Positiv(app.RA, 24.0);
        objekt.DEapp = app.DE;
    }
    a.Ort_Neu = true;
    a.Ort = {objekt.RA2000,
             objekt.DE2000,
             objekt.RAapp,
             objekt.DEapp,
             objekt.Con,
             objekt.VMag,
             objekt.Distanz,
             objekt.Bahn.RA_Geo,
             objekt.Bahn.DE_Geo,
             objekt.Bahn.Distanz_AE,
             objekt.Bahn.Beleuchtet};

    a.Objekt.RA2000 = "RA(J2000) " + Rektaszension_Text(objekt.RA2000);
    a.Objekt.RAapp = "RA(appar) " + Rektaszension_Text(objekt.RAapp);
    a.Objekt.DE2000 = "DE(J2000) " + Deklination_Text(objekt.DE2000);
    a.Objekt.DEapp = "DE(appar) " + Deklination_Text(objekt.DEapp);
    a.Objekt.Sternbild = "Con: " + objekt.Con;
    a.Objekt.Typ = Kt("Typ: ") + objekt.Typ;
    a.Objekt.Info = Info_Text(objekt);

    // Altitude and azimuth from the uncorrected place; with refraction the
    // apparent place, whose hour angle and declination the circles then show.
    const double breite = parameter.Breite * Grad_Zu_Rad;
    Hoehe_Azimut((sternzeit_wahr - objekt.RAapp) * Std_Zu_Rad, objekt.DEapp * Grad_Zu_Rad, breite,
                 a.Hoehe, a.Azimut);
    double kreis_de = objekt.DEapp;
    a.Stundenwinkel = Mod_Positiv(sternzeit_wahr - objekt.RAapp, 24.0);
    // The air mass always from the apparent altitude, whatever the switch.
    const double r = Refraktion(a.Hoehe, parameter.Hoehe);
    const double hoehe_scheinbar = Darstellbar(a.Hoehe + r) ? a.Hoehe + r : a.Hoehe;
    if (optionen.Refraktion) {
        if (r > 0.0 && Darstellbar(a.Hoehe + r)) {
            a.Hoehe += r;
            double sw = 0, de_r = 0;
            Stundenwinkel_Deklination(a.Hoehe * Grad_Zu_Rad, a.Azimut * Grad_Zu_Rad, breite, sw,
                                      de_r);
            if (Darstellbar(sw) && Darstellbar(de_r)) {
                a.Stundenwinkel = Mod_Positiv(sw * Rad_Zu_Std, 24.0);
                kreis_de = de_r * Rad_Zu_Grad;
            }
        }
    }

    // Setting circles of the current instrument, each with its own offset,
    // and the pointing model's shift at this hour angle and declination
    // (arcminutes of arc on both circles; 15*60' to the hour).
    a.Deklination = kreis_de;
    a.DE_Kreis = kreis_de + DE_Korrektur(parameter, schmidt);
    a.SW_Kreis = a.Stundenwinkel + SW_Korrektur(parameter, schmidt) / 60.0;
    if (modell) {
        const Modell_Versatz v = Modell_Auswerten(*optionen.Modell, a.Stundenwinkel * Std_Zu_Rad,
                                                  kreis_de * Grad_Zu_Rad, breite);
        a.DE_Kreis += v.D / 60.0;
        // At the pole itself sec and tan have no value; the hour circle means nothing there.
        if (std::isfinite(v.H)) a.SW_Kreis += v.H / (15.0 * 60.0);
    }
    Deklinationskreis_Texte(a.DE_Kreis, a.Kreise.DE_Grad, a.Kreise.DE_Zehntel);
    Stundenkreis_Texte(a.SW_Kreis, a.Kreise.SW_Stunden, a.Kreise.SW_Minuten);
    a.SW_Kreis = Mod_Positiv(a.SW_Kreis, 24.0);

    // A site latitude that is no number gives no altitude to show.
    if (!Darstellbar(a.Hoehe) || !Darstellbar(a.Azimut)) return a;
    a.Hoehen_Farbe_Setzen = true;
    a.Hoehen_Farbe = Hoehen_Warnfarbe(a.Hoehe);
    // Said in words too: the colours alone are lost in night mode and to a
    // red-green blind observer.
    if (a.Hoehen_Farbe == Farbe_Rot) a.Horizont.Marke = Kt("▼ unter 20°");
    a.Horizont.Hoehe = Fest(a.Hoehe, 1) + "°";
    // The azimuth lies in (-180, 180]: a hair west of north reads 180.0, not -180.0.
    a.Horizont.Azimut = Fest(a.Azimut < -179.95 ? 180.0 : a.Azimut, 1) + "°";
    a.Luftmasse = Luftmasse(hoehe_scheinbar);
    // Below the horizon (and in the last half degree above it) there is no air mass to give.
    a.Horizont.Luftmasse = a.Luftmasse > 0 ? Fest(a.Luftmasse, 3) : "—";
    return a;
}
