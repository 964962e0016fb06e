#pragma once
// Options of the window remembered from one run to the next. They live in a
// settings file of their own (QSettings, INI format, the user's configuration
// folder), never in the parameter file.
#include <functional>
#include <string>

// The settings file; empty: the user's (~/.config/Stelux/stelux.ini). Tests
// set a file in their own folder.
const std::string& Einstellungen_Datei();
void Einstellungen_Datei_Setzen(const std::string& datei);

// Where a failed write of the settings is told (once per session and file,
// naming the file and the reason); by default on standard error. A settings
// file that is no regular file (a pipe) is never handed to Qt: its values
// read as their defaults.
void Einstellungen_Fehler_Anzeige_Setzen(std::function<void(const std::string&)> anzeige);

// Keys of the options.
inline constexpr const char* Einstellung_Refraktion = "Optionen/Refraktion";
inline constexpr const char* Einstellung_Zehntelsekunden = "Optionen/Zehntelsekunden";
inline constexpr const char* Einstellung_Asteroiden_Sort = "Optionen/Asteroiden_Helligkeit";
inline constexpr const char* Einstellung_Kometen_Sort = "Optionen/Kometen_Helligkeit";
inline constexpr const char* Einstellung_Nachtmodus = "Optionen/Nachtmodus";
// The step of night mode's brightness (1 the dimmest).
inline constexpr const char* Einstellung_Nachthelligkeit = "Optionen/Nachthelligkeit";
inline constexpr const char* Einstellung_Verlauf = "Eingabe/Verlauf";
// "de" or "en"; absent: the system's language.
inline constexpr const char* Einstellung_Sprache = "Optionen/Sprache";
// The encoder client of the telescope link (INDI server and device).
inline constexpr const char* Einstellung_Indi_An = "Teleskop/INDI_An";
inline constexpr const char* Einstellung_Indi_Host = "Teleskop/INDI_Host";
inline constexpr const char* Einstellung_Indi_Port = "Teleskop/INDI_Port";
inline constexpr const char* Einstellung_Indi_Geraet = "Teleskop/INDI_Geraet";

// True when the settings file exists but cannot be read as INI (its values
// then read as their defaults).
bool Einstellungen_Beschaedigt();

// A switch; `vorgabe` when it was never stored or cannot be read.
bool Einstellung_Lesen(const char* schluessel, bool vorgabe);
void Einstellung_Schreiben(const char* schluessel, bool wert);

// Addresses of the element lists for "Bahnelemente aktualisieren".
inline constexpr const char* Einstellung_Asteroiden_Url = "Bahnelemente/Asteroiden_Url";
inline constexpr const char* Einstellung_Kometen_Url = "Bahnelemente/Kometen_Url";

// A text; `vorgabe` when it was never stored or is empty.
std::string Einstellung_Text_Lesen(const char* schluessel, const std::string& vorgabe);
void Einstellung_Text_Schreiben(const char* schluessel, const std::string& wert);

// Finder chart: field diameters of the instruments (degrees), zoom (degrees),
// mirror image, rotation (degrees) and colours (0 screen, 1 print, 2 night).
inline constexpr const char* Einstellung_Karte_Feld_Cassegrain = "Aufsuchkarte/Feld_Cassegrain";
inline constexpr const char* Einstellung_Karte_Feld_Schmidt = "Aufsuchkarte/Feld_Schmidt";
inline constexpr const char* Einstellung_Karte_Feld = "Aufsuchkarte/Feld";
inline constexpr const char* Einstellung_Karte_Spiegel = "Aufsuchkarte/Spiegel";
inline constexpr const char* Einstellung_Karte_Drehung = "Aufsuchkarte/Drehung";
inline constexpr const char* Einstellung_Karte_Schema = "Aufsuchkarte/Schema";

// A number; `vorgabe` when it was never stored, is no number or lies outside
// [min, max].
double Einstellung_Zahl_Lesen(const char* schluessel, double vorgabe, double min, double max);
void Einstellung_Zahl_Schreiben(const char* schluessel, double wert);
