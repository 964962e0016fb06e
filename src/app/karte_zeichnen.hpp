#pragma once
// Paints a finder chart laid out by the core (Karte_Berechnen) on any paint
// device: the window, an image, a PDF page.
#include <string>

#include "pointing/karte_inhalt.hpp"

class QPainter;

// Screen: white on black. Print: black on white. Night: dark red on black.
enum class Karten_Schema { Bildschirm, Druck, Nacht };

// Paints the whole area 0..Breite x 0..Hoehe of `k`.
void Karte_Zeichnen(QPainter& maler, const Karten_Inhalt& k, Karten_Schema schema);

// Writes the chart as PDF when `pfad` ends in ".pdf" (one page of Breite x
// Hoehe points), else as PNG. The file is written beside the target under a
// temporary name and replaces it only when complete. Throws Ein_Ausgabe_Fehler
// naming the path when it cannot be written. Needs a QGuiApplication.
void Karte_Schreiben(const Karten_Inhalt& k, Karten_Schema schema, const std::string& pfad);

// The chart's remembered options (settings store), each within its range;
// size, mirror and rotation are the window's own.
Karten_Optionen Karten_Optionen_Lesen();
void Karten_Optionen_Schreiben(const Karten_Optionen& optionen);
