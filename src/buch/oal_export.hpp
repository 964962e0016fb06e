#pragma once
// The observing log as an Open Astronomy Log 2.1 document (UTF-8 XML): the
// observer, the site, the two instruments, one session per night, a target
// per observation with its J2000 place and the fitting target type, and the
// observations with their notes.
#include <string>
#include <vector>

#include "buch/beobachtungsbuch.hpp"

struct Oal_Angaben {
    std::string Vorname, Nachname; // the observer
    std::string Standort = "Sternwarte";
    double Laenge = 0, Breite = 0, Hoehe = 0;    // degrees east, degrees north, metres
    int Zeitzone_Minuten = 0;                    // standard time minus UT, minutes, east positive
    double Brennweite_40 = 0, Brennweite_60 = 0; // focal lengths, mm (> 0)
};

// The OAL target type ("oal:deepSkyGX" …) of an entry's kind and type text;
// empty for the schema's general target type.
std::string Oal_Zieltyp(const Buch_Eintrag& e);

// The target's name for other programs: "M 31", "NGC 224", "Jupiter".
std::string Oal_Name(const Buch_Eintrag& e);

// The document. Throws Bereichs_Fehler when a focal length is not positive.
std::string Oal_Text(const std::vector<Buch_Eintrag>& eintraege, const Oal_Angaben& angaben);
