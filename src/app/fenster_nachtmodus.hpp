#pragma once
// Night mode: every colour of the program's windows turned into dim red on
// black, so that the eye stays adapted to the dark. The normal colours of a
// widget are kept and come back when the mode is left.
#include <QColor>
#include <QPalette>

class QWidget;

// Brightest red channel of any colour in night mode, at the brightest step
// (0..255); green and blue are 0.
inline constexpr int Nacht_Rot_Hoechstens = 255;

// The brightness of night mode in steps, 1 the dimmest. Every text stands at
// least 3 : 1 above its own ground (WCAG relative luminance) at every step;
// beyond that the eye's adaptation asks for the dimmest light that reads.
inline constexpr int Nacht_Stufen = 5;
inline constexpr int Nacht_Stufe_Vorgabe = 2;
// The red channels of one step.
struct Nacht_Toene {
    int Text;      // the brightest text: readings, highlighted entries
    int Text_Min;  // the plainest text: captions, menus
    int Gesperrt;  // text of a disabled control
    int Flaeche;   // filled areas behind text: bands, selected rows, menu highlight
    int Grund_Max; // the brightest ground of a control
};
Nacht_Toene Nacht_Ton(int stufe);
int Nacht_Stufe();
// Clamped to 1..Nacht_Stufen; in night mode every window takes the new tones.
void Nacht_Stufe_Setzen(int stufe);

// Installs, once, the application style that draws the text caret in the
// night red and turns every icon red at night (by day it is the normal style).
void Nachtstil_Einrichten();

bool Nachtmodus_Aktiv();

// A colour in night mode at the current step: its luminance as red,
// foreground (text) colours between Text_Min and Text, background colours
// between black and Grund_Max.
QColor Nacht_Farbe(const QColor& c, bool vordergrund);
QPalette Nacht_Palette(const QPalette& p);

// Switches the mode for the application palette (message boxes, new windows)
// and for `wurzel` with all its child widgets.
void Nachtmodus_Setzen(bool an);
void Nachtmodus_Anwenden(QWidget* wurzel);

// Sets the text colour of a widget as the normal mode wants it; in night mode
// the widget shows it in red and keeps the normal colour for later.
void Schriftfarbe_Setzen(QWidget* w, const QColor& farbe);
// Text in the widget's background colour (hidden), in either mode.
void Schrift_Verbergen(QWidget* w);
// Marks a widget to be shown as a filled band at night (bright red text on
// the step's dark red fill): the planning band stays apart from the black
// ground when every other text is red too.
void Nacht_Invers(QWidget* w);
// That band's palette: ground the step's fill, text its brightest red.
QPalette Nacht_Band_Palette(const QPalette& p);
