#pragma once
// Element records of one asteroid and one comet, and the two tables.
// Angles in degrees (ecliptic and equinox J2000.0), distances in AU.
#include <cstdint>
#include <string>
#include <vector>

struct Asteroid_Type {
    std::string Zeile;       // the whole line as read
    std::int32_t Nummer = 0; // 1-based line number in the file
    std::string Bezeichnung; // columns 1-7, trimmed
    double H = 0;            // absolute magnitude
    double G = 0;            // slope parameter
    double Helligkeit = 0;   // apparent magnitude at start-up (sort key)
    std::string Epoche;      // packed epoch, columns 21-25
    std::int32_t Epoche_Jahr = 0;
    std::int32_t Epoche_Monat = 0;
    double Epoche_Tag = 0;
    double M = 0;               // mean anomaly at the epoch
    std::int32_t Peri_Jahr = 0; // perihelion passage (computed)
    std::int32_t Peri_Monat = 0;
    std::int32_t Peri_Tag = 0;
    double Peri_Stunde = 0;
    double Peri_Minute = 0;
    double Peri_Sekunde = 0;
    double Peri = 0;   // argument of perihelion
    double Knoten = 0; // longitude of the ascending node
    double Inkl = 0;   // inclination
    double e = 0;      // eccentricity
    double n = 0;      // mean daily motion, degrees per day
    double a = 0;      // semi-major axis, AU
    std::string Name;  // readable designation, columns 167-194, trimmed
};

struct Komet_Type {
    std::string Zeile;
    std::int32_t Nummer = 0;
    char Typ = ' ';          // orbit type letter, column 5
    std::string Bezeichnung; // packed provisional designation, columns 6-12, untrimmed
    std::int32_t Peri_Jahr = 0;
    std::int32_t Peri_Monat = 0;
    double Peri_Tag = 0; // day of perihelion passage with fraction
    double q = 0;        // perihelion distance, AU
    double e = 0;
    double Peri = 0;
    double Knoten = 0;
    double Inkl = 0;
    double H = 0;          // absolute magnitude
    double K = 0;          // slope parameter (2.5 K log r)
    std::string Name;      // columns 103-158, untrimmed
    std::string Referenz;  // columns 160-168
    double Helligkeit = 0; // apparent magnitude at start-up (sort key)
};

// Capacity of each table; entries are 1-based: index 0 is unused, 1..Anzahl valid.
inline constexpr int Tabellen_Kapazitaet = 6000;
using Asteroiden_Tabelle = std::vector<Asteroid_Type>; // size Tabellen_Kapazitaet + 1
using Kometen_Tabelle = std::vector<Komet_Type>;       // size Tabellen_Kapazitaet + 1
