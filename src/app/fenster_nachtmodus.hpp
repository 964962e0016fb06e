#pragma once
// Night mode: every colour of the program's windows turned into dim red on
// black, so that the eye stays adapted to the dark. The normal colours of a
// widget are kept and come back when the mode is left.
#include <QColor>
#include <QPalette>

class QWidget;

// Brightest red channel of any colour in night mode (0..255); green and blue are 0.
// Red text must be this bright to stand 4.5 : 1 above a black ground (WCAG):
// the eye's adaptation is kept by the screen's brightness, not by dim text.
inline constexpr int Nacht_Rot_Hoechstens = 255;

bool Nachtmodus_Aktiv();

// A colour in night mode: its luminance as red, foreground (text) colours
// between a readable and the brightest red, background colours near black.
QColor Nacht_Farbe(const QColor& c, bool vordergrund);
// Text of a disabled control in night mode: dimmer than any enabled text,
// still 3 : 1 above the darkest ground.
inline constexpr int Nacht_Rot_Gesperrt = 195;
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
// Marks a widget to be shown inverted at night (black on red): the planning
// band stays unmistakable when every other text is red too.
void Nacht_Invers(QWidget* w);
