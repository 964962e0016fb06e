#pragma once
// Opening a file for reading so that nothing can hang on it: a named pipe,
// a device or a socket in place of a file would block a plain open() or the
// first read for ever. Every reader of the program opens through here.
#include <cstdio>
#include <memory>
#include <string>

struct Datei_Schliessen {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using Datei_Zeiger = std::unique_ptr<std::FILE, Datei_Schliessen>;

// Opens `pfad` (UTF-8) for binary reading. The open never blocks; anything
// but a regular file (or a link to one) is refused. Throws Ein_Ausgabe_Fehler
// naming the full path:
//   missing / no permission / the system's reason (as Oeffnungs_Fehler),
//   "Ein Ordner, keine Datei: <Pfad>",
//   "<Pfad> ist keine gewöhnliche Datei (FIFO)" (or Gerät, Socket),
//   "<Pfad>: Verknüpfungen im Kreis (die Verknüpfung zeigt auf sich selbst)",
//   "<Pfad>: UTF-16 – bitte als Windows-1252 oder UTF-8 speichern" for a text
//   that starts with a UTF-16 byte order mark or is mostly NUL bytes.
// With `fehlend_erlaubt` a missing file gives nullptr instead of the error.
Datei_Zeiger Datei_Lesend_Oeffnen(const std::string& pfad, bool fehlend_erlaubt = false);

// The same checks for a file that another library will open itself (the
// settings file): nothing when it is missing or a regular file; throws as above.
void Gewoehnliche_Datei_Pruefen(const std::string& pfad);
