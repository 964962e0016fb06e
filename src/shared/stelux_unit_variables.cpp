#include "shared/stelux_unit_variables.hpp"

Parameter_Type Parameter;

Zeitzone_Info Zeitzone;
double JD_PC = 0;
double JD_UT = 0;
double Sternzeit = 0;
std::string Status_Text;
std::int32_t Zehntel = 0;

std::string Temp_Ordner;
std::string Programm_Ordner;
std::string Daten_Ordner;

Objekt_Type Objekt;
bool Objekt_Gueltig = false;
char Katalog_Buchstabe = 0;

Asteroiden_Tabelle Asteroiden(Tabellen_Kapazitaet + 1);
std::int32_t Anzahl_Asteroiden = 0;
Kometen_Tabelle Kometen(Tabellen_Kapazitaet + 1);
std::int32_t Anzahl_Kometen = 0;
Asteroid_Type Asteroid_Aktuell;
Komet_Type Komet_Aktuell;

TFileVersionInfo Versions_Info;
