#pragma once
// The selected object: everything the lookup found and the position tick shows.
#include <string>
#include <string_view>
#include <vector>

#include "shared/konstanten.hpp"

// One row of an ephemeris table with the quantities interpolated between rows.
struct Ephemeriden_Stuetze {
    double JD = 0;      // Julian Date (UT) of the row
    double RA = 0;      // hours, J2000, unwrapped across 0 h / 24 h along the rows
    double DE = 0;      // degrees, J2000
    double VMag = 0;    // visual magnitude
    double Distanz = 0; // geocentric distance, AU
};

// Osculating heliocentric states of a minor body and of the Earth at one
// instant (ecliptic and equinox J2000.0, AU and AU per day), which a tick moves
// on by two-body motion.
struct Oskulierender_Stand {
    bool Gueltig = false;
    double JD_TT = 0;       // Julian Date, TT
    double Koerper[6] = {}; // place, velocity
    double Erde[6] = {};
    double Sonne_V[3] = {}; // the Sun's barycentric velocity
};

// How the position tick follows a body of the solar system.
enum class Bahn_Art { Keine, Tabelle, Mond, Kleinkoerper };
struct Bahn_Info {
    Bahn_Art Art = Bahn_Art::Keine;
    std::vector<Ephemeriden_Stuetze> Stuetzen; // table rows around the lookup instant
    double RA_Geo = 0;                         // geocentric place, J2000, hours
    double DE_Geo = 0;                         // degrees
    double Distanz_AE = 0;                     // geocentric distance, AU (0: no parallax)
    double Beleuchtet = -1;                    // Moon: illuminated fraction 0..1, else < 0
    double Element_Alter = 0;                  // years from the element epoch to the instant
    Oskulierender_Stand Stand;                 // minor body: what a tick moves on
};

// Proper motion of a catalogue place (ICRS); a place without it stands still.
struct Eigenbewegung {
    bool Vorhanden = false;
    double RA = 0, DE = 0;   // catalogue place at Epoche, ICRS: hours, degrees
    double Epoche = 2000.0;  // Julian year (TT) of the catalogue place
    double PM_RA = 0;        // mu_alpha cos(delta), mas per Julian year
    double PM_DE = 0;        // mas per Julian year
    double Parallaxe = 0;    // mas (0: unknown, the star at infinity)
    double Radialgeschw = 0; // km/s (0: unknown)
};

// The kind of a selected object, from the file or rule that found it. Keine:
// a star found by its proper name or Flamsteed/Bayer designation.
enum class Objekt_Art {
    Keine,
    Asteroid,
    Eigenes,
    Fotometrie,
    Geostat,
    HIP,
    IC,
    Komet,
    Messier,
    NGC,
    Planet,
    SAO,
    Veraenderlicher
};

// Per kind: the label shown in place of the designation's letter (with its
// trailing blank), the designation's letter, and the type text the kind always
// carries (nullptr where the catalogue line or the body gives it).
struct Objekt_Art_Eintrag {
    Objekt_Art Art;
    const char* Label;
    char Buchstabe;
    const char* Typ;
};
inline constexpr Objekt_Art_Eintrag Objekt_Arten[12] = {
    {Objekt_Art::Asteroid, "Asteroid ", 'A', "Asteroid"},
    {Objekt_Art::Eigenes, "Eigenes Objekt ", 'E', "Eigenes Obj."},
    {Objekt_Art::Fotometrie, "Fotometrie-Standard ", 'F', "Foto-Std."},
    {Objekt_Art::Geostat, "Geostat. ", 'G', "Geostat. Sat."},
    {Objekt_Art::HIP, "HIP ", 'H', "Stern"},
    {Objekt_Art::IC, "IC ", 'I', nullptr},
    {Objekt_Art::Komet, "Komet ", 'K', "Komet"},
    {Objekt_Art::Messier, "Messier ", 'M', nullptr},
    {Objekt_Art::NGC, "NGC ", 'N', nullptr},
    {Objekt_Art::Planet, "Planet ", 'P', nullptr},
    {Objekt_Art::SAO, "SAO ", 'S', "Stern"},
    {Objekt_Art::Veraenderlicher, "Veränderlicher ", 'V', "Veränder."},
};

// The row of a kind; nullptr for Keine.
constexpr const Objekt_Art_Eintrag* Art_Eintrag(Objekt_Art art) {
    for (const Objekt_Art_Eintrag& e : Objekt_Arten)
        if (e.Art == art) return &e;
    return nullptr;
}
// Label with its trailing blank ("Messier "); empty for Keine.
constexpr std::string_view Art_Label(Objekt_Art art) {
    const Objekt_Art_Eintrag* e = Art_Eintrag(art);
    return e ? e->Label : "";
}
// The type text of the kind; empty where the kind has none of its own.
constexpr std::string_view Art_Typ(Objekt_Art art) {
    const Objekt_Art_Eintrag* e = Art_Eintrag(art);
    return e && e->Typ ? e->Typ : "";
}
// The letter of the kind's designations; 0 for Keine.
constexpr char Art_Buchstabe(Objekt_Art art) {
    const Objekt_Art_Eintrag* e = Art_Eintrag(art);
    return e ? e->Buchstabe : '\0';
}
// The kind whose designations begin with `buchstabe`; Keine for any other letter.
constexpr Objekt_Art Art_Von_Buchstabe(char buchstabe) {
    for (const Objekt_Art_Eintrag& e : Objekt_Arten)
        if (e.Buchstabe == buchstabe) return e.Art;
    return Objekt_Art::Keine;
}

// Every kind has exactly one row, and a letter leads back to its kind only.
constexpr bool Art_Tafel_Eindeutig() {
    for (const Objekt_Art_Eintrag& e : Objekt_Arten)
        if (Art_Von_Buchstabe(e.Buchstabe) != e.Art || Art_Eintrag(e.Art) != &e) return false;
    return Art_Eintrag(Objekt_Art::Keine) == nullptr;
}
static_assert(Art_Tafel_Eindeutig());
static_assert(static_cast<int>(Objekt_Art::Veraenderlicher) == 12); // twelve rows, one per kind

struct Objekt_Type {
    Objekt_Art Art = Objekt_Art::Keine; // shown as its label (Art_Label) before the key
    std::string Bezeichnung; // kind letter + key (H7, PSonne), or the bare name of a fallback hit
    double RA2000 = 0;       // right ascension, equinox J2000.0, hours
    double DE2000 = 0;       // declination, equinox J2000.0, degrees
    double RAapp = 0;        // right ascension of date, hours (position tick)
    double DEapp = 0;        // declination of date, degrees (position tick)
    std::string Con;         // constellation abbreviation
    double BMag = 0;         // blue magnitude or UNBEKANNT
    double VMag = 0;         // visual magnitude or UNBEKANNT
    std::string Zusatz;      // spare, always empty
    double Distanz = 0;      // distance in Distanz_Einheit, or UNBEKANNT
    std::string Distanz_Einheit; // "AU", "Mpc" or empty
    double Groesse_A = 0;        // size values (kept, not shown)
    double Groesse_B = 0;
    std::string Klasse;  // class text of a star line (kept, not shown)
    std::string Typ;     // type text shown after "Typ: "
    std::string Alias;   // alias or common name
    Bahn_Info Bahn;      // Sun, Moon, planets, minor bodies: geocentric place and motion
    Eigenbewegung Eigen; // a star's catalogue place and proper motion, when the catalogue has one
};
