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
