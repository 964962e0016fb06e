#pragma once
// The stars and deep-sky objects of the catalogue files, held in memory once
// for the finder chart, so that a chart never scans the text files. Stars are
// kept in declination zones of one degree, each sorted by right ascension.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "karte/karte_projektion.hpp"

struct Index_Stern {
    float x, y, z;     // unit vector, equator and equinox J2000.0
    float VMag;        // visual magnitude
    std::int32_t Name; // index into Stern_Index::Namen, or -1
};

enum class Symbol_Art : std::uint8_t {
    Galaxie,
    Offener_Haufen,
    Kugelhaufen,
    Nebel,
    Planetarischer_Nebel,
    Sonstiges
};

struct Index_Objekt {
    Richtung Ort;  // J2000.0
    float VMag;    // visual magnitude or UNBEKANNT
    float Groesse; // largest extent (major axis), arcminutes (0: unknown)
    bool Messier;  // a Messier object
    Symbol_Art Art;
    std::string Name; // "M31", "NGC 7000", "IC 434"
    float Klein = 0;  // minor axis, arcminutes (0: no known shape)
    float Winkel = 0; // position angle of the major axis, degrees from north through east
};

// The side file of the catalogue builder with the objects' shapes (OpenNGC):
// key as in the object file, major and minor axis (arcmin), position angle.
inline constexpr const char* Datei_Deepsky_Formen = "Deepsky_Formen.txt";

inline constexpr int Index_Zonen = 180; // one degree of declination each

struct Stern_Index {
    std::vector<Index_Stern> Sterne; // zone by zone, within a zone by RA
    std::vector<float> RA;           // radians [0, 2 pi), parallel to Sterne
    std::array<std::uint32_t, Index_Zonen + 1> Zone_Anfang{};
    std::vector<std::string> Namen; // proper or Bayer names, UTF-8
    std::vector<Index_Objekt> Objekte;
    long Beschaedigte_Zeilen = 0;      // skipped lines of all three files
    std::vector<std::string> Hinweise; // missing files, damaged lines, for the chart's margin

    // Bytes held, the vectors' capacity and the names' text.
    std::size_t Speicher_Bytes() const;
};

// Reads Hipparcos_J2000.txt, Bright_Stars_Proper_Names_SAO.txt, the
// NGC/IC/Messier file and the shapes of Deepsky_Formen.txt from `katalog_ordner` (empty: working
// directory) through the catalogue line readers. A damaged line is skipped and counted; a missing
// file leaves its part empty and is named in Hinweise.
Stern_Index Stern_Index_Bauen(const std::string& katalog_ordner);

// Indices into Sterne of every star with VMag <= grenz_mag within `radius_grad`
// of `mitte` (J2000.0), appended to `treffer`.
void Sterne_Im_Kreis(const Stern_Index& index, const Richtung& mitte, double radius_grad,
                     double grenz_mag, std::vector<std::uint32_t>& treffer);
