#pragma once
// The window's language. Its texts are written in German; the English
// translation (built in as a resource) replaces them when the language is
// English. Catalogue texts and the readings of the core stay as they are.
#include <QCoreApplication>
#include <QDateTime>
#include <QString>

// A text of the window in the chosen language (German: the source unchanged).
inline QString Ue(const char* deutsch) {
    return QCoreApplication::translate("Stelux", deutsch);
}

enum class Sprache { Deutsch, Englisch };

// The stored choice ("Optionen > Sprache"), else the system's: German for a
// German locale, English for any other.
Sprache Sprache_Waehlen();
void Sprache_Merken(Sprache s);

// Installs the English translation (or removes it for German). False when the
// built-in translation cannot be loaded; the window then stays German.
bool Sprache_Anwenden(Sprache s);
Sprache Sprache_Aktiv();

// A local instant in words in the window's language, with the zone:
// "Mittwoch, 24. Dezember 2026, 22:00 Uhr MEZ", "Wednesday, 24 December 2026, 22:00 CET".
QString Zeitpunkt_In_Worten(const QDateTime& lokal);
