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

// Runs `schritt`; an exception is shown as an error. True when it ran through.
bool Fehler_Waechter(const std::function<void()>& schritt);
