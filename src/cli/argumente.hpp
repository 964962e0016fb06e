#pragma once
// Command line of stelux-cli:
//   stelux-cli [--zeit YYYY-MM-DDTHH:MM:SS[.fff]] [--daten DIR] [--zehntel] [--refraktion]
//              [--zweikoerper] BEZEICHNUNG [--karte DATEI [--feld GRAD] [--schema ART]]
//   stelux-cli --beobachtbar [--zeit ...] [--daten DIR] [--grenze MAG]
//   stelux-cli ... --karte DATEI.pdf BEZEICHNUNG BEZEICHNUNG ...   (one page each)
//   stelux-cli --aktualisieren [--asteroiden-url URL] [--kometen-url URL] [--daten DIR]
//              [--erzwingen]
//   stelux-cli --modell-anpassen DATEI [--instrument 40|60] [--daten DIR] [--refraktion]
#include <optional>
#include <string>
#include <vector>

#include "time/zeitpunkt.hpp"

struct Cli_Argumente {
    std::optional<double> JD_UT; // --zeit as a Julian Date (UT); empty: now
    std::string Daten;           // --daten; empty: <Documents>/Stelux/
    bool Zehntel = false;
    bool Refraktion = false;  // --refraktion: altitude, azimuth, air mass, circles refracted
    bool Zweikoerper = false; // --zweikoerper: minor bodies on unperturbed orbits
    std::string Bezeichnung;  // empty: only the clock tick
    std::vector<std::string> Weitere; // --karte DATEI.pdf: the designations after the first
    bool Hilfe = false;               // --help, -h: print Cli_Hilfe and exit 0
    bool Aktualisieren = false;       // --aktualisieren: download and install new elements
    std::string Asteroiden_Url;       // --asteroiden-url; empty: remembered or default
    std::string Kometen_Url;          // --kometen-url
    bool Erzwingen = false;           // --erzwingen: install also a list less than half as long
    std::string Karte;                // --karte: finder chart file (.png, .pdf); empty: none
    double Feld = 5;                  // --feld: chart field in degrees, 0 < Feld <= 90
    std::string Schema;               // --schema: bildschirm, druck, nacht; empty: by file type

    bool Beobachtbar = false;         // --beobachtbar: the list "Jetzt beobachtbar", one row a line
    std::optional<double> Grenze;     // --grenze: its magnitude limit for every kind
    std::string Sichtungen;           // --modell-anpassen: sightings file to fit; empty: none
    int Instrument = 0;               // --instrument 40 or 60; 0: as the sightings say
    std::string Liste;                // --liste: observing list to order for the night
    std::optional<std::string> Notiz; // --notieren: log entry for BEZEICHNUNG with this note
    std::string Buch_Export;          // --buch-export: the log as OAL (.xml) or CSV (.csv)
};

// Throws std::invalid_argument with a message for the user on a usage error.
Cli_Argumente Argumente_Lesen(const std::vector<std::string>& argumente);

inline constexpr const char* Cli_Aufruf = "Aufruf: stelux-cli [--zeit YYYY-MM-DDTHH:MM:SS[.fff]] "
                                          "[--daten DIR] [--zehntel] [--refraktion] "
                                          "BEZEICHNUNG";

inline constexpr const char* Cli_Hilfe =
    "Aufruf: stelux-cli [--zeit YYYY-MM-DDTHH:MM:SS[.fff]] [--daten DIR] [--zehntel]\n"
    "                   [--refraktion] BEZEICHNUNG\n"
    "        stelux-cli ... --karte DATEI [--feld GRAD] [--schema ART] BEZEICHNUNG\n"
    "        stelux-cli ... --karte DATEI.pdf BEZEICHNUNG BEZEICHNUNG ...\n"
    "\n"
    "Sucht BEZEICHNUNG wie die Eingabe des Fensters (M31, N7000, PMars, Sirius ...) und\n"
    "gibt einen Uhr- und einen Positions-Takt als Schlüssel<TAB>Wert-Zeilen aus, mit genau\n"
    "den Texten des Fensters. Die Kataloge werden im Arbeitsordner gelesen.\n"
    "\n"
    "Orte: RA2000/DE2000 und ihre Texte (J2000) sind der astrometrische Ort (ICRS,\n"
    "J2000; Körper des Sonnensystems topozentrisch, Sterne mit Eigenbewegung zum\n"
    "Zeitpunkt); RAapp/DEapp und ihre Texte (appar) der wahre topozentrische\n"
    "scheinbare Ort des Datums (Präzession, Nutation, Aberration, Lichtablenkung, ohne\n"
    "Refraktion). Stundenwinkel, SW_Kreis, DE_Kreis, Hoehe und Azimut folgen aus ihm und\n"
    "der wahren Sternzeit (mit --refraktion für den gehobenen Ort); Sternzeit ist die\n"
    "mittlere Ortssternzeit. Luftmasse gilt stets für die refraktierte Höhe.\n"
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
    "                    oder, wenn DATEI auf .pdf endet, als PDF (800 x 800 Punkt);\n"
    "                    mit mehreren Bezeichnungen eine PDF-Seite je Objekt\n"
    "  --feld GRAD       Feld der Karte in Grad, über 0 bis 90 (ohne: 5)\n"
    "  --schema ART      Farben der Karte: bildschirm (weiß auf schwarz), druck (schwarz\n"
    "                    auf weiß), nacht (rot auf schwarz); ohne: PNG bildschirm, PDF druck\n"
    "  --beobachtbar     statt einer Bezeichnung die Liste „Jetzt beobachtbar“, eine Zeile\n"
    "                    je Objekt, nach Höhe sortiert: Bezeichnung, Name, Art, Helligkeit,\n"
    "                    Höhe (Grad), Azimut (Grad von Süden über Westen), Zeit, getrennt\n"
    "                    durch Tabulatoren\n"
    "  --grenze MAG      mit --beobachtbar: Objekte bis zu dieser Helligkeit (ohne: 10 mag,\n"
    "                    NGC- und IC-Objekte bis 8 mag)\n"
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
    "  Ausgang: 0 installiert, 2 Fehler (die bisherigen Dateien bleiben unverändert).\n"
    "\n"
    "stelux-cli --modell-anpassen DATEI [--instrument 40|60] [--daten DIR] [--refraktion]\n"
    "  passt das Zeigemodell an die Sichtungen der DATEI an (Format von Abgleich_60.txt),\n"
    "  gibt je Term TERM<TAB>Wert<TAB>Sigma (Bogenminuten) und RMS<TAB>Wert aus und\n"
    "  schreibt Zeigemodell_60.txt oder Zeigemodell_40.txt in den Datenordner. Zeilen ohne\n"
    "  berechneten Ort werden zu ihrer Zeit im Arbeitsordner nachgeschlagen. Ausreißer\n"
    "  bleiben weg: je einer Nicht_verwendet<TAB>Nummer<TAB>Bezeichnung, der Grund auf\n"
    "  der Fehlerausgabe.\n"
    "  --instrument 40|60    das Instrument (ohne: das der Sichtungen)\n"
    "  Ausgang: 0 angepasst (auch ohne Ausreißer), 2 Aufruf- oder Dateifehler (beschädigte\n"
    "  Datei, keine Sichtung), 3 Modell außerhalb der Grenzen (ein Term über 5°, eine\n"
    "  Verschiebung über 10° über dem Horizont), nichts geschrieben.\n";
