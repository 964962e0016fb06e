#pragma once
// Names and everyday spellings in the object lookup: the program's short form
// of a typed text, common names of deep-sky objects from the names file, and
// asteroid and comet names.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/such_kontext.hpp"
#include "shared/objekt_type.hpp"

// File of common names of Messier, NGC and IC objects (catalogue folder).
inline constexpr const char* Datei_Deepsky_Namen = "Deepsky_Namen.txt";

// Holds the one message about a missing or damaged names file: the lookup
// fills Text once, the shell shows it and clears it.
struct Namen_Meldung {
    bool Gemeldet = false;
    std::string Text;
};

// Windows-1252 text trimmed and in the program's short form: "NGC 7000",
// "NGC7000" -> "N7000", "IC 1396" -> "I1396", "HIP 32349" -> "H32349",
// "SAO 151881" -> "S151881", "Messier 31", "M 31" -> "M31". Other texts are
// only trimmed.
std::string Kurzform(std::string_view text);

// Upper case for comparing names: ASCII and the accented letters of Windows-1252.
std::string Namen_Gross(std::string_view text);

// One common name of the names file.
struct Deepsky_Name {
    std::string Bezeichnung; // as in the deep-sky file: M31, N7000, I434
    double Mag = 99;         // visual magnitude; 99 when unknown
    std::string Name;        // Windows-1252, trimmed
};

// Reads the names file; throws Ein_Ausgabe_Fehler when it is missing and
// Konvertierungs_Fehler naming the line when a line is damaged.
std::vector<Deepsky_Name> Deepsky_Namen_Lesen(const std::string& pfad);

// The object whose common name equals `eingabe` (Windows-1252) or starts with
// it followed by a blank, letter case ignored; of several, a Messier object
// first, then the brightest. Nothing when none. A missing or damaged names
// file gives no match and puts one message into `meldung`.
std::optional<Deepsky_Name> Deepsky_Name_Finden(std::string_view eingabe,
                                                const std::string& katalog_ordner,
                                                Namen_Meldung* meldung);

// The common name in full (UTF-8) of a deep-sky object whose catalogue line
// cuts it to the alias column's 16 characters ("Hercules Globula"): the
// names file's name that begins with `alias`, of the designation
// `bezeichnung` first. Empty when the alias is not cut or no name fits; a
// missing or damaged names file gives empty too.
std::string Deepsky_Name_Voll(const std::string& bezeichnung, const std::string& alias_utf8,
                              const std::string& katalog_ordner);

// Asteroid or comet whose name is the whole entry ("Ceres", "Halley",
// "Hale-Bopp"); true and `objekt` filled as by the A and K kinds.
bool Kleinkoerper_Name_Suchen(std::string_view eingabe, const Such_Kontext& kontext,
                              Objekt_Type& objekt);

// The text the object line shows after a miss: the trimmed entry, cut after
// 40 characters.
std::string Nicht_Gefunden_Text(const std::string& eingabe_utf8);
