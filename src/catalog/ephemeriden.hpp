#pragma once
// The Sun and the planets between the rows of their ephemeris tables.
#include <string>
#include <vector>

#include "shared/objekt_type.hpp"

// The bodies of the solar system the planet list offers, in its order; the
// Moon needs no table.
inline constexpr const char* Sonnensystem_Namen[9] = {
    "Sonne", "Mond", "Merkur", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptun"};

// Rows of the table at `pfad` (named `datei` in messages) kept for the
// position tick: from 1.5 days before to 3.5 days after jd_ut, and at least
// the two rows on each side of it. Throws Bereichs_Fehler naming the file and
// line when the rows read do not increase in time or when a gap of more than
// two days lies among the rows around jd_ut. Empty when jd_ut lies outside
// the table by more than a quarter day. `naechste` receives the row nearest
// to jd_ut as it stands (for the fields not interpolated).
std::vector<Ephemeriden_Stuetze> Ephemeriden_Stuetzen_Lesen(const std::string& pfad, double jd_ut,
                                                            std::string& naechste);

// Lagrange interpolation at jd over up to two rows before and as many after
// it (linear between the two outermost rows at a table's edge; the nearest row
// within a quarter day beyond it). Outside the rows' span the nearest row's
// values are kept. False for no rows.
bool Ephemeride_Interpolieren(const std::vector<Ephemeriden_Stuetze>& stuetzen, double jd,
                              Ephemeriden_Stuetze& ergebnis);

// The Moon at jd_ut as a selected object ("PMond", distance in km); false
// when no place can be computed.
bool Mond_Fuellen(double jd_ut, Objekt_Type& objekt);
