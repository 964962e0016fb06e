#pragma once
// An observing list for the night: each resolved object with its altitude now
// and its time above the 20° limit, ordered by when that time begins.
#include <atomic>
#include <string>
#include <vector>

#include "buch/beobachtungsbuch.hpp"
#include "catalog/beobachtungsliste.hpp"
#include "catalog/such_kontext.hpp"
#include "planung/sichtbarkeit.hpp"
#include "shared/objekt_type.hpp"
#include "shared/parameter_type.hpp"

struct Listen_Zeile {
    std::string Eingabe;          // the entry as the list gives it
    long Zeile = 0;               // line of the list file
    bool Gefunden = false;        // false: "Nicht gefunden", last in the order
    std::string Bezeichnung;      // the designation that selects it (typed into the lookup)
    std::string Name;             // the list's name, else the object's alias
    std::string Art;              // type text ("Galaxie", "Stern", "Planet" …)
    std::string Objektzeile;      // the window's name line of the object
    double VMag = 0;              // visual magnitude or UNBEKANNT
    double Hoehe = 0;             // geometric altitude now, degrees
    std::string Hoehe_Text;       // as the window shows it
    Sichtbarkeit Sicht;           // times above the limit from the instant on
    std::string Ueber_Text;       // "21:40 – 03:15", "bis 01:10", "zirkumpolar", "nie"
    std::string Kulmination_Text; // "23:05 (61.2°)", or empty
    bool Erledigt = false;
    double Beobachtet_JD = Sichtbarkeit::NaN; // from the list, NaN when none
    std::string Notiz;                        // the list's note, else empty
    std::string Uebersprungen; // why the entry was not looked up, else empty (never found)
    Objekt_Type Objekt;        // the place found
};

// A list's entries looked up in `kontext` (planet-name rule; each catalogue
// number in turn, then the name); the columns are left to Listen_Zeile_Rechnen.
// Elements of a hit go to holders of its own, so the context's selection stays.
// A header line that nothing answers to is left out with its report; lookup
// errors (a missing catalogue) go once each into `hinweise`. Touches nothing
// but its arguments: a context with tables of its own may run on any thread.
// `abbrechen`, when set, is looked at before each candidate: once true, the
// rows so far come back at once.
std::vector<Listen_Zeile> Liste_Suchen(const Beobachtungsliste& liste, Such_Kontext kontext,
                                       std::vector<std::string>& hinweise,
                                       const std::atomic<bool>* abbrechen = nullptr);

// Fills the computed columns of `zeile` from zeile.Objekt at the instant.
//   jd_ut      the instant, UT Julian Date; jd_pc the PC clock's at it
//   sternzeit  local mean sidereal time, hours
//   versatz_minuten  minutes to add to the zone's clock to get UT
void Listen_Zeile_Rechnen(Listen_Zeile& zeile, double jd_ut, double jd_pc, double sternzeit,
                          const Parameter_Type& parameter, bool schmidt, int versatz_minuten);

// The order for the night: objects above the limit now first, soonest-setting
// first (circumpolar ones after them), then by the start of their time above
// the limit; objects that never reach it, then unresolved entries last. Stable.
void Listen_Ordnen(std::vector<Listen_Zeile>& zeilen);

// The objects of a list or of a log's entries for a .skylist: catalogue
// numbers as planetarium programs write them, planets by their name, any
// other designation as it is, so reading the file back gives the same objects.
// A log gives each object once, with the instant it was first observed.
std::vector<Skylist_Objekt> Skylist_Aus_Liste(const std::vector<Listen_Zeile>& zeilen);
std::vector<Skylist_Objekt> Skylist_Aus_Buch(const std::vector<Buch_Eintrag>& eintraege);
