#pragma once
// The one guard every handler, timer tick and start-up step runs through: an
// exception is caught and its text shown in a message box, and the program
// goes on. Tests swap the message box for a recorder.
#include <QString>
#include <functional>

class QWidget;

enum class Meldungsart { Fehler, Hinweis };

// Shows a message; by default a critical or information message box.
using Meldungs_Anzeige = std::function<void(Meldungsart art, const QString& text)>;
// An empty function restores the message boxes.
void Meldungs_Anzeige_Setzen(Meldungs_Anzeige anzeige);
void Melden(Meldungsart art, const QString& text);

// Asks before a step that cannot be undone: true when the observer chose
// `ja`; "Abbrechen" is the default. Tests swap the box for an answer.
using Frage_Anzeige = std::function<bool(const QString& text)>;
void Frage_Anzeige_Setzen(Frage_Anzeige anzeige);
bool Fragen(const QString& text, const QString& ja);

// Runs `schritt`; an exception is shown as an error. True when it ran through.
bool Fehler_Waechter(const std::function<void()>& schritt);
