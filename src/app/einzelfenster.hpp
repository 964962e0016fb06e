#pragma once
// One window per data folder, and an orderly end on the system's stop
// signals: two windows on one parameter file would each write their own copy.
#include <QLockFile>
#include <memory>
#include <string>

inline constexpr const char* Sperrdatei_Name = ".stelux.lock";

struct Fenster_Sperre {
    std::unique_ptr<QLockFile> Sperre; // held while it lives; null when none could be made
    std::string Besetzt; // not empty: another window holds the folder (German text, its process)
};

// Takes the lock file in `daten_ordner`. A lock left behind by a window that
// crashed (its process is gone) is taken over. A folder where no lock can be
// made (read-only) gives no lock and no refusal.
Fenster_Sperre Fenster_Sperre_Nehmen(const std::string& daten_ordner);

// SIGTERM, SIGINT and SIGHUP (a logout, a shutdown, Ctrl+C) end the event
// loop instead of the process, so what runs at aboutToQuit still runs. Once,
// after the application object exists.
void Stopp_Signale_Abfangen();
