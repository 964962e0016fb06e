#pragma once
// One writer at a time between processes (the window and stelux-cli): an
// advisory lock on a file beside the guarded one, "<pfad>.sperre". The guarded
// file itself is not locked, because a rewrite replaces it by rename and a lock
// on the old file would not hold for the new one. The lock file stays: removing
// it would let two writers lock two different files.
#include <cstdint>
#include <string>

class Datei_Sperre {
public:
    // Takes the lock for `pfad`, waiting up to `geduld_s` seconds while another
    // process holds it. Throws Ein_Ausgabe_Fehler naming the lock file when it
    // cannot be made or stays held. With `ohne_ordner_erlaubt` (readers), a lock
    // file that cannot be made (read-only folder) means no lock instead.
    explicit Datei_Sperre(const std::string& pfad, bool ohne_ordner_erlaubt = false,
                          double geduld_s = 20);
    ~Datei_Sperre();
    Datei_Sperre(const Datei_Sperre&) = delete;
    Datei_Sperre& operator=(const Datei_Sperre&) = delete;

    bool Gesperrt() const { return griff_ != -1; }

private:
    std::intptr_t griff_ = -1;
};
