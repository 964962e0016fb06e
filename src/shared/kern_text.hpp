#pragma once
// Texts the core writes for display and in its messages. They are German. A
// front end that shows another language installs a translator once at start
// (the window, for English); stelux-cli installs none, so its German texts,
// a contract, stay exactly as they are.
#include <initializer_list>
#include <string>

#include "shared/objekt_type.hpp"

using Text_Uebersetzer = std::string (*)(const char* deutsch);

// nullptr: German again.
void Kern_Uebersetzer_Setzen(Text_Uebersetzer uebersetzer);

// The text in the front end's language.
std::string Kt(const char* deutsch);
// A pattern such as "über %1 bis %2" in the front end's language, with %1 … %9
// replaced by the values in order.
std::string Kt(const char* deutsch, std::initializer_list<std::string> werte);

// The kind's label in front of a designation ("Komet "), in the front end's language.
inline std::string Art_Label_Text(Objekt_Art art) {
    const Objekt_Art_Eintrag* e = Art_Eintrag(art);
    return e ? Kt(e->Label) : std::string();
}
