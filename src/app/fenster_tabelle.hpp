#pragma once
// The main window's controls as data: kind, parent, design text, place and
// size in pixels, colours, font and alignment of each, in the order they are
// made (a later row lies above an earlier one of the same parent). Qt-free, so
// that the builder and the layout test read the same rows.
#include <cstdint>
#include <span>

// The client area below the menu bar, in pixels.
inline constexpr int Flaeche_Breite = 1018;
inline constexpr int Flaeche_Hoehe = 710;

enum class Steuer_Art : std::uint8_t {
    Label,
    Klick_Label, // a label that reacts to a click
    Taste,       // a push button that never takes the focus (typing stays in the entry box)
    Knopf,       // a push button of a panel
    Statuszeile,
    Auswahl,  // the drop-down list of a catalogue
    Eingabe,  // the entry box
    Tafel,    // a raised panel, placed when shown
    Gitter,   // the version table
    Notizfeld // the read-only system text
};

enum class Ausrichtung : std::uint8_t { Links_Oben, Rechts_Oben, Mitte_Oben, Links_Mitte, Mitte };

// An RGB colour; r < 0: not set (the parent's palette shows through).
struct Design_Farbe {
    int r = -1, g = -1, b = -1;
    constexpr bool gesetzt() const { return r >= 0; }
};

// A font of the design: its family name, pixel size, weight. No family: the
// parent's font.
struct Schrift_Def {
    const char* familie = nullptr;
    int pixel = 0;
    bool fett = false;
};

struct Steuerelement {
    const char* name; // object name
    Steuer_Art art;
    const char* text; // design text, UTF-8; nullptr: the control has none
    int x, y, b, h;   // pixels, relative to the parent
    Design_Farbe grund, schrift;
    Schrift_Def font;
    Ausrichtung ausrichtung;      // of a label's text
    const char* eltern = nullptr; // object name of the parent; nullptr: the client area
    // The control it is drawn over by design: nullptr for none, "*" for every
    // other control of its parent (a panel shown over the window).
    const char* liegt_ueber = nullptr;
    bool durchsichtig = false; // no background of its own
};

std::span<const Steuerelement> Fenster_Tabelle();
// The row of an object name; nullptr when there is none.
const Steuerelement* Fenster_Element(const char* name);
