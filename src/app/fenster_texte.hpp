#pragma once
// The window's words for the words the catalogues and the core write as they
// are (type words, the Sun and the Moon, "Ziel von außen"): the catalogue
// files and stelux-cli keep theirs, the window shows each in its language.
#include <QString>
#include <string>

// A type or kind word ("Gas.Neb", "Komet", "Bright Star", "Veränderlicher")
// in the window's language; an unknown word unchanged.
QString Typ_Wort(const std::string& wort);

// A text of the display record as the window's field `feld` shows it: the
// type line and the object line in the window's words, others unchanged.
QString Fenster_Text(const char* feld, const std::string& text);
