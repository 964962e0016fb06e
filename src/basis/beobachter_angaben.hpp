#pragma once
// What the OAL export needs beyond the log and the parameter file: the
// observer and the instruments' focal lengths. The window asks for them once
// and keeps them in the settings file (group "Beobachter"); stelux-cli reads
// them from there without Qt.
#include <optional>
#include <string>

inline constexpr const char* Einstellung_Beobachter_Vorname = "Beobachter/Vorname";
inline constexpr const char* Einstellung_Beobachter_Nachname = "Beobachter/Nachname";
inline constexpr const char* Einstellung_Brennweite_40 = "Beobachter/Brennweite_40";
inline constexpr const char* Einstellung_Brennweite_60 = "Beobachter/Brennweite_60";

struct Beobachter_Angaben {
    std::string Vorname, Nachname;
    double Brennweite_40 = 0, Brennweite_60 = 0; // mm; 0 unknown
    bool Vollstaendig() const {
        return !Nachname.empty() && Brennweite_40 > 0 && Brennweite_60 > 0;
    }
};

// The user's settings file as the window keeps it: $XDG_CONFIG_HOME (else
// ~/.config) + "/Stelux/stelux.ini".
std::string Einstellungen_Pfad_Ohne_Qt();

// The observer's entries of an INI settings file; empty fields when the file
// or a key is missing. Only regular files are read.
Beobachter_Angaben Beobachter_Angaben_Lesen(const std::string& ini_pfad);
