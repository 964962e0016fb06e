#pragma once
// Writing the user's files without ever leaving a half-written one: a whole
// file is replaced atomically, an appended log entry is on the disk before the
// call returns. Without Qt, for stelux-cli as for the window.
#include <string>
#include <string_view>

// Replaces `pfad` (UTF-8) by `text`: a temporary file in the same folder is
// written, synced and renamed over it. Throws Ein_Ausgabe_Fehler naming the
// file; the old file is then unchanged.
void Datei_Atomar_Schreiben(const std::string& pfad, std::string_view text);

// Appends `text` to `pfad` (created when missing) and syncs it to the disk.
// Throws Ein_Ausgabe_Fehler naming the file; a part already written is cut off
// again, so the caller must be the file's only writer (hold its Datei_Sperre).
void Datei_Anhaengen(const std::string& pfad, std::string_view text);
