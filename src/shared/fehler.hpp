#pragma once
// Error kinds of the program. Their texts are what the observer sees in the
// message box, so they are written for the observer.
#include <stdexcept>
#include <string>

// Input/output: a file that is missing, cannot be opened, read or written,
// and a number that cannot be read from a text file ("Invalid numeric input").
struct Ein_Ausgabe_Fehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A line over the line reader's limit; the reader can drop it and go on
// (Zeilen_Leser::Zeile_Verwerfen).
struct Zeile_Zu_Lang_Fehler : Ein_Ausgabe_Fehler {
    using Ein_Ausgabe_Fehler::Ein_Ausgabe_Fehler;
};

// A text in a catalogue or element line that is not a number.
struct Konvertierungs_Fehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// An index, a count or an argument outside its range.
struct Bereichs_Fehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// "File not found: <name>": the text every reader raises for a missing file.
Ein_Ausgabe_Fehler Datei_Nicht_Gefunden(const std::string& name);

// Runs `schritt`; a conversion or range error gets `vorsatz()` (for example
// "<file>, Zeile 12: ") in front of its text, so the observer learns where.
template <class Vorsatz, class Schritt> void Mit_Vorsatz(Vorsatz&& vorsatz, Schritt&& schritt) {
    try {
        schritt();
    } catch (const Konvertierungs_Fehler& f) {
        throw Konvertierungs_Fehler(vorsatz() + f.what());
    } catch (const Bereichs_Fehler& f) {
        throw Bereichs_Fehler(vorsatz() + f.what());
    }
}
