#pragma once
// The windows beside the main window ("Jetzt beobachtbar", the observing list,
// the finder chart, the log): where they open, the keys they share with the
// main window, and the planned instant they name.
#include <QList>
#include <QRect>
#include <QSize>

class QAction;
class QObject;
class QString;
class QWidget;

// Once per window: Escape closes it and gives the keyboard back to `haupt`;
// where the observer leaves it is remembered (settings, by object name).
void Nebenfenster_Einrichten(QWidget* fenster, QWidget* haupt);
// Shows it raised and active. The first time: where it was left, if that is
// on a screen, else beside `haupt` where it covers none of the readings, and
// always inside the screen (sized down to fit).
void Nebenfenster_Zeigen(QWidget* fenster, QWidget* haupt);
// The client rectangle of a side window of size `soll` beside the main window
// (its frame `haupt`, its client area's top `haupt_oben`) on the screen area
// `bild`: the largest free strip right, left, below or above it; failing room
// there (a small screen), the part of the screen under the readings.
QRect Nebenfenster_Platz(const QSize& soll, const QRect& haupt, int haupt_oben, const QRect& bild);
// While a modal dialog holds the keyboard the menu's keys are blocked; these
// actions still answer their keys there.
void Dialog_Tasten_Einrichten(QObject* haupt, const QList<QAction*>& aktionen);
// The planned instant as a line over the window's content and in its title
// ("… – PLANUNG …"); an empty text: the present, no line.
void Planung_Zeigen(QWidget* fenster, const QString& text);
