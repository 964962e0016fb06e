#pragma once
// The program's shared global state. Only the window's handlers (and stelux-cli's
// main) read and write these; core functions take what they need as arguments.
#include <cstdint>
#include <string>

#include "shared/element_typen.hpp"
#include "shared/objekt_type.hpp"
#include "shared/parameter_type.hpp"
#include "shared/versions_info.hpp"
#include "shared/zeitzone_type.hpp"

extern Parameter_Type Parameter;

// Clock globals, written by the clock tick.
extern Zeitzone_Info Zeitzone;
extern double JD_PC;     // Julian Date of the PC's local clock, no zone correction
extern double JD_UT;     // Julian Date, UT
extern double Sternzeit; // local mean sidereal time, hours [0, 24)
extern std::string Status_Text;
extern std::int32_t Zehntel; // 1: clock texts with tenths of seconds

// Folders, each ending with '/'.
extern std::string Temp_Ordner;
extern std::string Programm_Ordner;
extern std::string Daten_Ordner;

extern Objekt_Type Objekt;
extern bool Objekt_Gueltig;
extern char Katalog_Buchstabe;

extern Asteroiden_Tabelle Asteroiden;
extern std::int32_t Anzahl_Asteroiden;
extern Kometen_Tabelle Kometen;
extern std::int32_t Anzahl_Kometen;
extern Asteroid_Type Asteroid_Aktuell;
extern Komet_Type Komet_Aktuell;

extern TFileVersionInfo Versions_Info;
