#pragma once
// What the program asks of the operating system: the time-zone state, the
// folders, opening documents, environment variables and the fonts. Qt Core and
// Gui only, so that stelux-cli can use it without widgets.
#include <QDateTime>
#include <QFont>
#include <QString>
#include <QTimeZone>
#include <functional>
#include <string>

#include "basis/plattform_basis.hpp"
#include "shared/zeitzone_type.hpp"

// Time-zone state of `zone` at the instant `jetzt`. A zone whose offset is 0
// all year (UTC) is state 0; every other zone is in standard (1) or daylight-
// saving (2) time with Bias = -(standard offset) and DaylightBias =
// -(daylight offset - standard offset) in minutes (0 for a zone without
// daylight-saving time). An invalid zone gives state -1.
Zeitzone_Info Zeitzone_Von(const QTimeZone& zone, const QDateTime& jetzt);

// The state of the system's time zone now.
Zeitzone_Info Zeitzone_Abfragen();

// The PC's local clock reading now as a Julian Date (no zone correction):
// days since 1899-12-30 00:00 local + 2415018.5.
double Jetzt_JD_PC();
double JD_Von_Lokalzeit(const QDateTime& lokal);

// Folders, each ending with '/'.
std::string Temp_Ordner_Ermitteln();
// Folder of the executable whose path is `programm_pfad` (argv[0] or the
// application's file path).
std::string Programm_Ordner_Ermitteln(const std::string& programm_pfad);
// Creates the folder with its parents; false when that fails (not reported here).
bool Ordner_Anlegen(const std::string& ordner);

// Opens a document with the program associated with its type; false when
// nothing could open it (no such file, no program for its type).
bool Dokument_Oeffnen(const std::string& pfad);
// Opens a text file in the user's text editor (the program associated with
// plain text); false when nothing could open it.
bool Text_Bearbeiten(const std::string& pfad);

// Replaces the two openers above (tests record instead of starting programs);
// an empty function restores the desktop's.
using Oeffner = std::function<bool(const std::string& pfad, bool bearbeiten)>;
void Oeffner_Setzen(Oeffner oeffner);

// The value of an environment variable, empty when not set.
std::string Umgebungsvariable(const char* name);

// The family the program uses for a font name of the layout (table in
// docs/aufbau.md): on Linux Arial and MS Sans Serif become Liberation Sans,
// Arial Narrow Liberation Sans Narrow, the fixed fonts (Fixedsys, 8514oem,
// Courier) Liberation Mono; on Windows MS Sans Serif becomes Arial and the
// fixed fonts Courier New, the metric twins of those.
QString Schrift_Familie(const QString& entwurf);
QFont Schrift(const QString& entwurf, int pixel, bool fett = false);
