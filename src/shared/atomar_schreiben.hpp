#pragma once
// Replacing a user's file so that a crash, a full disk or a power cut leaves
// either the old file or the new one, never a part: the text goes to a
// temporary file beside it, is flushed and synced, and then renamed over the
// old one. Qt-free, so that stelux-cli and the session can write too.
#include <string>

// Writes `inhalt` as the whole file `pfad` (UTF-8 path). Throws
// Ein_Ausgabe_Fehler naming the file and the system's reason; the old file is
// then unchanged and no temporary file is left behind.
void Datei_Atomar_Schreiben(const std::string& pfad, const std::string& inhalt);
