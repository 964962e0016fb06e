#pragma once
// The platform layer's Windows calls, free of Qt so that the core's Windows
// build can test them: the time-zone state (GetTimeZoneInformation), the
// documents folder (SHGetFolderPath) and opening a document (ShellExecute).
// Only compiled on Windows.
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "shared/zeitzone_type.hpp"

// The zone state from the answer of GetTimeZoneInformation (`antwort`,
// TIME_ZONE_ID_*), with the same meaning as on Linux: 0 for a zone at UT all
// year, else 1 standard / 2 daylight-saving time (also when Windows answers
// "unknown" for a zone without daylight-saving time), -1 when the query failed.
// The change dates are the next ones after `jetzt_lokal` (local clock).
Zeitzone_Info Zeitzone_Aus_Windows(DWORD antwort, const TIME_ZONE_INFORMATION& tz,
                                   const SYSTEMTIME& jetzt_lokal);

// The state of the system's time zone now.
Zeitzone_Info Zeitzone_Windows();

// The user's documents folder in UTF-8 with '/' separators, empty when unknown.
std::string Dokumente_Ordner_Windows();

// Opens the file (UTF-8 path) with its associated program, or for
// `bearbeiten` in the editor; false when nothing could open it.
bool Oeffnen_Windows(const std::string& pfad, bool bearbeiten);
#endif
