#pragma once
// The catalogue object a place sent from outside lies on: the nearest
// deep-sky object (Messier, NGC, IC) or named star within a small radius.
#include <string>

#include "astro/himmelsort.hpp"
#include "karte/stern_index.hpp"

// Radius within which a sent place is taken for a catalogue object, degrees.
inline constexpr double Ziel_Name_Radius = 0.1;
// Within this many arcminutes a deep-sky object names the place even when a
// star lies nearer.
inline constexpr double Ziel_Name_Vorrang = 1.0;

// Name of the indexed object or named star nearest to `j2000` within
// `radius_grad` ("M13", "NGC 7000", "Wega"), a deep-sky object first within
// Ziel_Name_Vorrang; empty if none lies there.
std::string Naechstes_Objekt(const Stern_Index& index, const Himmelsort& j2000,
                             double radius_grad = Ziel_Name_Radius);
