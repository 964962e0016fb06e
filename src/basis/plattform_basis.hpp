#pragma once
// The part of the platform layer that needs no Qt: the time-zone state from the
// C library and the data folder. stelux-cli's lookup path uses only this, so it
// starts without loading Qt.
#include <cstdint>
#include <string>

#include "shared/zeitzone_type.hpp"

// Time-zone state of the system's zone (TZ) at the instant `unix_sekunden`
// (seconds since 1970-01-01 00:00 UT), as Zeitzone_Von gives it: 0 for a zone
// at UT for a year either side, else 1 standard / 2 daylight-saving time with
// Bias = -(standard offset), DaylightBias = -(daylight step) in minutes, -1
// when TZ names a zone that does not exist. The offsets come from the C
// library sampled once a day over a year either side, so a rule change shorter
// than a day is not seen. Names and change dates stay empty.
Zeitzone_Info Zeitzone_Um(std::int64_t unix_sekunden);
// The same at the Julian Date `jd_ut` (taken to the whole second).
Zeitzone_Info Zeitzone_Zum_JD(double jd_ut);

// The system clock now as a Julian Date in UT, to the millisecond.
double Jetzt_JD_UT();

// The user's documents folder as the desktop names it: XDG_DOCUMENTS_DIR in
// $XDG_CONFIG_HOME/user-dirs.dirs (default ~/.config; "$HOME" expanded, the
// last such line counts), else $HOME/Documents. No '/' at the end.
std::string Dokumente_Ordner_Ermitteln();

// `dokumente` with a '/' appended when missing, + "Stelux/".
std::string Daten_Ordner_Aus(const std::string& dokumente);
// The user's documents folder (else the home folder) + "Stelux/"; empty when
// neither is known.
std::string Daten_Ordner_Ermitteln();

// A write beyond the file size limit (ulimit -f) fails with EFBIG, reported
// with its reason like any write error, instead of ending the process by
// SIGXFSZ. Called first in main() of every program.
void Dateigroesse_Signal_Ignorieren();
