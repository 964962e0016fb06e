#pragma once
// Paints a finder chart laid out by the core (Karte_Berechnen) on any paint
// device: the window, an image, a PDF page.
#include <QRectF>
#include <QString>
#include <string>
#include <vector>

#include "karte/karte_inhalt.hpp"

class QPainter;
class QFontMetricsF;

// Screen: white on black. Print: black on white. Night: dark red on black.
enum class Karten_Schema { Bildschirm, Druck, Nacht };

// Paints the whole area 0..Breite x 0..Hoehe of `k`.
void Karte_Zeichnen(QPainter& maler, const Karten_Inhalt& k, Karten_Schema schema);

// Where the chart's texts go, in pixels: the margin blocks (title with its
// line and notes, scale bar, north and east) and every label that found a
// free place. No label box meets another or a margin block; a label without
// a free place is left out.
enum class Karten_Text_Art { Kreis, Bahn, Stern, Objekt };
struct Karten_Text {
    Karten_Text_Art Art;
    QString Text;
    QRectF Kasten;
};
struct Karten_Beschriftung {
    QRectF Titel, Massstab, Rose;
    std::vector<Karten_Text> Texte;
};
// `schrift`: the labels' font, `gross`: the title's, as Karte_Zeichnen sets them.
Karten_Beschriftung Karte_Beschriften(const Karten_Inhalt& k, const QFontMetricsF& schrift,
                                      const QFontMetricsF& gross);

// Writes the chart as PDF when `pfad` ends in ".pdf" (one page of Breite x
// Hoehe points), else as PNG. The file is written beside the target under a
// temporary name and replaces it only when complete. Throws Ein_Ausgabe_Fehler
// naming the path when it cannot be written. Needs a QGuiApplication.
void Karte_Schreiben(const Karten_Inhalt& k, Karten_Schema schema, const std::string& pfad);
// Several charts into one PDF, one page each (a night's objects).
void Karten_Schreiben(const std::vector<Karten_Inhalt>& karten, Karten_Schema schema,
                      const std::string& pfad);

// The chart's remembered options (settings store), each within its range;
// size, mirror and rotation are the window's own.
Karten_Optionen Karten_Optionen_Lesen();
void Karten_Optionen_Schreiben(const Karten_Optionen& optionen);
