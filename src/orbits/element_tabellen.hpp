#pragma once
// Loading of the asteroid and comet element files into their tables.
#include <string>
#include <vector>

#include "shared/element_typen.hpp"

// Reads the lines of an element file into entries 1..anzahl of the table
// (Zeile and Nummer only). At most Tabellen_Kapazitaet lines are taken; the
// number of lines left out is returned (0 normally).
// Throws Ein_Ausgabe_Fehler "File not found: <name>" when the file is missing.
int Asteroiden_Zeilen_Laden(const std::string& pfad, Asteroiden_Tabelle& tabelle,
                            std::int32_t& anzahl);
int Kometen_Zeilen_Laden(const std::string& pfad, Kometen_Tabelle& tabelle, std::int32_t& anzahl);
// Cuts every loaded line into its fields and computes its start-up brightness
// at jd_ut. A field that does not convert stops with Konvertierungs_Fehler
// naming the line number; entries before it are complete.
void Asteroiden_Auswerten(Asteroiden_Tabelle& tabelle, std::int32_t anzahl, double jd_ut);
void Kometen_Auswerten(Kometen_Tabelle& tabelle, std::int32_t anzahl, double jd_ut);

// The lines an evaluation left out: how many, and the error of the first.
struct Auslassungen {
    int Anzahl = 0;
    std::string Erste_Meldung;
};

// As above, but a line whose fields do not convert or lie out of range is left
// out of the table (later entries move up, keeping their Nummer), so one bad
// line costs only itself; `anzahl` becomes the number of entries kept.
Auslassungen Asteroiden_Auswerten_Auslassend(Asteroiden_Tabelle& tabelle, std::int32_t& anzahl,
                                             double jd_ut);
Auslassungen Kometen_Auswerten_Auslassend(Kometen_Tabelle& tabelle, std::int32_t& anzahl,
                                          double jd_ut);
