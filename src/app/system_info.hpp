#pragma once
// The system log of the information panel: version, computer, folders and the
// time-zone settings, as plain lines for a support request.
#include <string>
#include <vector>

#include "shared/versions_info.hpp"
#include "shared/zeitzone_type.hpp"

struct System_Angaben {
    std::string Dateiversion; // FileVersion of the running program
    std::string Computer_Name;
    std::string Benutzer_Name;
    std::string Temp_Ordner, Programm_Ordner, Daten_Ordner;
    Zeitzone_Info Zone; // Zustand -1: the query failed
};

// The lines of the log, in order; an empty string is an empty line.
std::vector<std::string> System_Log(const System_Angaben& a);

// "Y M D h m s ms weekday" of a change date, decimal, separated by blanks.
std::string Wechsel_Datum_Text(const System_Zeit& t);

// The computer and user names: the Windows variables when set, else the host
// name and the login name.
std::string Computer_Name();
std::string Benutzer_Name();
