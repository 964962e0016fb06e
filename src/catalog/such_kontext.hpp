#pragma once
// What a lookup or a list reads besides the typed text.
#include <functional>
#include <string>

#include "shared/element_typen.hpp"

struct Namen_Meldung;
class Bahn_Speicher;

struct Such_Kontext {
    double JD_UT = 0;           // the current instant (UT) for the Sun, planets and minor bodies
    std::string Daten_Ordner;   // user's folder: Eigene_Objekte.txt, Kometen.txt
    std::string Katalog_Ordner; // catalogue files; empty = current working directory
    const Asteroiden_Tabelle* Asteroiden = nullptr; // 1-based, entries 1..Anzahl_Asteroiden
    int Anzahl_Asteroiden = 0;
    const Kometen_Tabelle* Kometen = nullptr; // 1-based, entries 1..Anzahl_Kometen
    int Anzahl_Kometen = 0;
    Asteroid_Type* Asteroid_Aktuell = nullptr; // receives the elements of an asteroid hit
    Komet_Type* Komet_Aktuell = nullptr;       // receives the elements of a comet hit
    Namen_Meldung* Meldung = nullptr;          // receives the one message about the names file
    // Minor bodies: integrated orbits kept between lookups (none: integrated
    // afresh each time); Zweikoerper: unperturbed orbits from the elements.
    Bahn_Speicher* Bahnen = nullptr;
    bool Zweikoerper = false;
    // Set when the element tables are read only once a lookup needs them: fills
    // Asteroiden/Kometen and their counts of the context it is given.
    std::function<void(Such_Kontext&)> Elemente_Laden;
};
