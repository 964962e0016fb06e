#pragma once
// Suggestions while typing: every name the lookup knows (star names and
// designations, common deep-sky names, variable stars, the Sun and planets,
// asteroids and comets), found by a prefix of the whole name or of one of its
// words, the brightest first.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/such_kontext.hpp"

struct Vorschlag {
    std::string Text;    // shown (UTF-8)
    std::string Eingabe; // what the entry box gets for the lookup (UTF-8)
    std::string Art;     // kind shown beside it: "Stern", "Messier", "Asteroid" ...
    double Mag = 99;     // magnitude, 99 when unknown
    int Gruppe = 0;      // -1 Sun, Moon, planets; 0 names; 1 designations (offered in this order)
};

class Vorschlags_Index {
public:
    void Hinzufuegen(Vorschlag v);
    // Builds the word index; call once after the last Hinzufuegen.
    void Fertig();

    // Up to `hoechstens` suggestions for a typed text (UTF-8): names that
    // begin with it come first, then names with a word that begins with it;
    // within each, names before designations, then the brightest first. None for fewer than 2
    // characters, and none for a kind letter followed by a number (the
    // keypad's digits).
    std::vector<Vorschlag> Suchen(std::string_view eingabe, std::size_t hoechstens = 12) const;

    // The same answer by comparing every word of every name (for comparison).
    std::vector<Vorschlag> Suchen_Linear(std::string_view eingabe,
                                         std::size_t hoechstens = 12) const;

    // "Meinten Sie …?" after a miss: up to `hoechstens` names within a small
    // edit distance of the entry (letters swapped, dropped, doubled or
    // changed; the whole name or its beginning), umlauts and ß folded both
    // ways, blanks and punctuation ignored, German words of deep-sky names
    // also tried in English. Ranked by distance, then as the suggestions; one
    // entry per object.
    std::vector<Vorschlag> Aehnliche(std::string_view eingabe, std::size_t hoechstens = 5) const;

    std::size_t Anzahl() const { return eintraege_.size(); }
    // Bytes held by the index (names, keys and word table).
    std::size_t Speicher() const;

private:
    struct Wort {
        std::uint32_t Eintrag;
        std::uint32_t Anfang; // offset of the word in the entry's key
    };
    std::vector<Vorschlag> eintraege_;
    std::vector<std::string> schluessel_; // upper-cased Windows-1252 of each Text
    std::vector<std::string> gefaltet_;   // the key folded for Aehnliche
    std::vector<Wort> woerter_;           // sorted by the key text from the word on
    std::vector<Vorschlag> Auswahl(std::vector<std::pair<std::uint32_t, bool>>& treffer,
                                   std::size_t hoechstens) const;
};

// True when the typed text is a kind letter followed by a number ("M3", "N70"):
// no suggestions then.
bool Nur_Nummer(std::string_view eingabe);

// Reads the names from the catalogue files and the element tables of
// `kontext`. A file that is missing contributes nothing.
Vorschlags_Index Vorschlags_Index_Bauen(const Such_Kontext& kontext);
