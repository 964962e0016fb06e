#pragma once
// Installs new element files in the data folder: both written completely to
// temporary files beside the old ones first, then the old files kept once as
// "<name>.bak" and replaced. On any failure (full disk, read-only folder) the
// old files stay byte for byte and nothing new is left behind.
#include <cstddef>
#include <string>

// A file that already holds exactly the new bytes is left as it is, its
// backup too: the backup always keeps the list installed before the current
// one, however often the same list is installed again. Leftovers of an
// update that was killed (".<name>.neu", ".<name>.bak.neu") are removed first.
// Writes `asteroiden` to Asteroiden.txt and `kometen` to Kometen.txt in
// `ordner` (the files' bytes). Throws Ein_Ausgabe_Fehler naming the file and
// the reason, ending with the note that the old files are unchanged.
void Bahnelemente_Installieren(const std::string& ordner, const std::string& asteroiden,
                               const std::string& kometen);

// Checks that `ordner` exists and may be written (before a long download);
// throws Ein_Ausgabe_Fehler as above otherwise.
void Datenordner_Pruefen(const std::string& ordner);

// Removes the hidden temporary files an interrupted update left in `ordner`.
void Reste_Entfernen(const std::string& ordner);

// Empty, or why the new tables are not installed without confirmation: one
// of them has fewer than half the distinct bodies (orbits/element_aktualisierung)
// of the installed file; the text names both counts.
std::string Schwund_Pruefen(const std::string& ordner, std::size_t asteroiden, std::size_t kometen);
