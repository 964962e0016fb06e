#pragma once
// Command line of stelux-cli:
//   stelux-cli [--zeit YYYY-MM-DDTHH:MM:SS[.fff]] [--daten DIR] [--zehntel] [--refraktion]
//              [--zweikoerper] BEZEICHNUNG [--karte DATEI [--feld GRAD] [--schema ART]]
//   stelux-cli --aktualisieren [--asteroiden-url URL] [--kometen-url URL] [--daten DIR]
//              [--erzwingen]
#include <optional>
#include <string>
#include <vector>

struct Cli_Argumente {
    std::optional<double> JD_UT; // --zeit as a Julian Date (UT); empty: now
    std::string Daten;           // --daten; empty: <Documents>/Stelux/
    bool Zehntel = false;
    bool Refraktion = false;    // --refraktion: altitude, azimuth, air mass, circles refracted
    bool Zweikoerper = false;   // --zweikoerper: minor bodies on unperturbed orbits
    std::string Bezeichnung;    // empty: only the clock tick
    bool Hilfe = false;         // --help, -h: print Cli_Hilfe and exit 0
    bool Aktualisieren = false; // --aktualisieren: download and install new elements
    std::string Asteroiden_Url; // --asteroiden-url; empty: remembered or default
    std::string Kometen_Url;    // --kometen-url
    bool Erzwingen = false;     // --erzwingen: install also a list less than half as long
    std::string Karte;          // --karte: finder chart file (.png, .pdf); empty: none
    double Feld = 5;            // --feld: chart field in degrees, 0 < Feld <= 90
    std::string Schema;         // --schema: bildschirm, druck, nacht; empty: by file type
    std::string Liste;          // --liste: observing list to order for the night
    std::optional<std::string> Notiz; // --notieren: log entry for BEZEICHNUNG with this note
    std::string Buch_Export;          // --buch-export: the log as OAL (.xml) or CSV (.csv)
};

// Throws std::invalid_argument with a message for the user on a usage error.
Cli_Argumente Argumente_Lesen(const std::vector<std::string>& argumente);

// "YYYY-MM-DDTHH:MM:SS[.fff]" (UT) as a Julian Date; empty when malformed or
// when the date or the time of day does not exist.
std::optional<double> Zeitpunkt_Lesen(const std::string& text);

inline constexpr const char* Cli_Aufruf = "Aufruf: stelux-cli [--zeit YYYY-MM-DDTHH:MM:SS[.fff]] "
                                          "[--daten DIR] [--zehntel] [--refraktion] "
                                          "BEZEICHNUNG";

inline constexpr const char* Cli_Hilfe =
    "Aufruf: stelux-cli [--zeit YYYY-MM-DDTHH:MM:SS[.fff]] [--daten DIR] [--zehntel]\n"
    "                   [--refraktion] BEZEICHNUNG\n"
    "        stelux-cli ... --karte DATEI [--feld GRAD] [--schema ART] BEZEICHNUNG\n"
    "\n"
    "Sucht BEZEICHNUNG wie die Eingabe des Fensters (M31, N7000, PMars, Sirius ...) und\n"
    "gibt einen Uhr- und einen Positions-Takt als Schlüssel<TAB>Wert-Zeilen aus, mit genau\n"
    "den Texten des Fensters. Die Kataloge werden im Arbeitsordner gelesen.\n"
    "\n"
    "  --zeit ZEITPUNKT  der Zeitpunkt in UT (Weltzeit), z. B. 2026-03-20T21:00:00;\n"
    "                    ohne: jetzt. Die PC-Uhr ist dieser Zeitpunkt in der Zeitzone (TZ).\n"
    "  --daten DIR       Datenordner mit Stelux_Parameter.txt, Asteroiden.txt, Kometen.txt\n"
    "                    und Eigene_Objekte.txt statt <Dokumente>/Stelux/\n"
    "  --zehntel         Uhrzeiten mit Zehntelsekunden\n"
    "  --refraktion      Höhe, Azimut, Luftmasse und Teilkreise für den durch die\n"
    "                    Refraktion gehobenen Ort\n"
    "  --zweikoerper     Asteroiden und Kometen auf ungestörten Bahnen aus den\n"
    "                    Bahnelementen (ohne die Anziehung der Planeten), zum Vergleich\n"
    "  --karte DATEI     schreibt die Aufsuchkarte des Objekts als PNG (800 x 800 Pixel)\n"
    "                    oder, wenn DATEI auf .pdf endet, als PDF (800 x 800 Punkt)\n"
    "  --feld GRAD       Feld der Karte in Grad, über 0 bis 90 (ohne: 5)\n"
    "  --schema ART      Farben der Karte: bildschirm (weiß auf schwarz), druck (schwarz\n"
    "                    auf weiß), nacht (rot auf schwarz); ohne: PNG bildschirm, PDF druck\n"
    "  --liste DATEI     ordnet eine Beobachtungsliste (.skylist, .csv, Text) für die\n"
    "                    Nacht: je Eintrag Eingabe, Bezeichnung, Objektzeile, Höhe und\n"
    "                    Sichtbarkeit, getrennt durch TAB; Nicht gefundene zuletzt\n"
    "  --notieren TEXT   trägt BEZEICHNUNG mit der Notiz TEXT ins Beobachtungsbuch\n"
    "                    (Beobachtungsbuch.csv im Datenordner) ein\n"
    "  --buch-export DATEI  schreibt das Beobachtungsbuch als OAL 2.1 (DATEI auf .xml)\n"
    "                    oder als CSV (.csv)\n"
    "  --help, -h        diese Hilfe\n"
    "\n"
    "Ausgang: 0 gefunden (oder ohne BEZEICHNUNG), 1 nicht gefunden (keine Karte geschrieben,\n"
    "nichts notiert), 2 Aufruf- oder Dateifehler. --liste: 0 gelesen (auch mit nicht\n"
    "gefundenen Einträgen), 2 Datei nicht lesbar.\n"
    "\n"
    "stelux-cli --aktualisieren [--asteroiden-url URL] [--kometen-url URL] [--daten DIR]\n"
    "                           [--erzwingen]\n"
    "  lädt die aktuellen Bahnelemente (MPCORB.DAT.gz, CometEls.txt) und installiert die\n"
    "  6000 hellsten Asteroiden und die Kometen als Asteroiden.txt und Kometen.txt im\n"
    "  Datenordner (die bisherigen bleiben als .bak). Fortschritt auf der Fehlerausgabe.\n"
    "  --asteroiden-url URL  Adresse von MPCORB.DAT.gz (nur https://)\n"
    "  --kometen-url URL     Adresse von CometEls.txt (nur https://)\n"
    "  --erzwingen           installiert auch eine Liste mit weniger als der Hälfte der\n"
    "                        bisherigen Körper (sonst abgelehnt, Ausgang 2)\n"
    "  Ausgang: 0 installiert, 2 Fehler (die bisherigen Dateien bleiben unverändert).\n";
