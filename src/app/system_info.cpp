#include "app/system_info.hpp"

#include <QSysInfo>

#include "app/plattform.hpp"
#include "shared/kern_text.hpp"

std::string Wechsel_Datum_Text(const System_Zeit& t) {
    return std::to_string(t.Jahr) + " " + std::to_string(t.Monat) + " " + std::to_string(t.Tag) +
           " " + std::to_string(t.Stunde) + " " + std::to_string(t.Minute) + " " +
           std::to_string(t.Sekunde) + " " + std::to_string(t.Millisekunden) + " " +
           std::to_string(t.Wochentag);
}

std::vector<std::string> System_Log(const System_Angaben& a) {
    std::vector<std::string> z = {
        "Stelux System Logfile",
        "---------------------",
        "Stelux Version: " + a.Dateiversion,
        "",
        "Computer Informationen",
        "----------------------",
        "Computer Name : " + a.Computer_Name,
        "User Name     : " + a.Benutzer_Name,
        "",
        "Computer Verzeichnisse",
        "----------------------",
#ifdef _WIN32
        "Windows Temporary Folder: " + a.Temp_Ordner,
        "Windows Application Path: " + a.Programm_Ordner,
        "Windows Dokumentenordner: " + a.Daten_Ordner,
#else
        // Here there is no Windows: the same three folders, named in German.
        "Temporärer Ordner       : " + a.Temp_Ordner,
        "Programmordner          : " + a.Programm_Ordner,
        "Dokumentenordner        : " + a.Daten_Ordner,
#endif
        "",
        "Computer Zeiteinstellungen",
        "--------------------------",
    };
    const Zeitzone_Info& zone = a.Zone;
    if (zone.Zustand < 0 || zone.Zustand > 2) {
        z.push_back(
            Kt("Zeitzonen-Information fehlt: die Abfrage der Zeitzone ist fehlgeschlagen."));
    } else {
        static constexpr const char* Namen[] = {"UNKNOWN", "STANDARD", "DAYLIGHT"};
        z.push_back("Computer Standard Name: " + zone.StandardName);
        z.push_back("Computer Standard Date: " + Wechsel_Datum_Text(zone.StandardDate));
        z.push_back("Standard Bias         : " + std::to_string(zone.StandardBias));
        z.push_back("Current  Bias         : " + std::to_string(zone.Bias));
        z.push_back(std::string("Current  Bias Name    : ") + Namen[zone.Zustand]);
        z.push_back("Computer Daylight Name: " + zone.DaylightName);
        z.push_back("Computer DayLight Date: " + Wechsel_Datum_Text(zone.DaylightDate));
        z.push_back("DayLight Bias         : " + std::to_string(zone.DaylightBias));
    }
    z.push_back("");
    z.push_back(Kt("Bei Problemen bitte diesen Inhalt kopieren und an die Person senden,"));
    z.push_back(Kt("die den Rechner der Sternwarte betreut."));
    return z;
}

std::string Computer_Name() {
    std::string n = Umgebungsvariable("COMPUTERNAME");
    return n.empty() ? QSysInfo::machineHostName().toStdString() : n;
}

std::string Benutzer_Name() {
    std::string n = Umgebungsvariable("USERNAME");
    return n.empty() ? Umgebungsvariable("USER") : n;
}
