#include "shared/zeilen_leser.hpp"

#include <cstring>

#include "shared/fehler.hpp"

namespace {
constexpr std::size_t Block = 1 << 18;
}

Zeilen_Leser::Zeilen_Leser(const std::string& pfad, const std::string& anzeige_name)
    : name_(anzeige_name.empty() ? pfad : anzeige_name) {
    datei_ = std::fopen(pfad.c_str(), "rb");
    if (!datei_) throw Datei_Nicht_Gefunden(name_);
    puffer_.resize(Block);
}

Zeilen_Leser::~Zeilen_Leser() {
    if (datei_) std::fclose(datei_);
}

bool Zeilen_Leser::Nachladen() {
    if (eof_) return false;
    // Keep the unfinished line; grow the buffer when one line fills it.
    if (anfang_ > 0) {
        std::memmove(puffer_.data(), puffer_.data() + anfang_, ende_ - anfang_);
        ende_ -= anfang_;
        anfang_ = 0;
    }
    if (ende_ == puffer_.size()) puffer_.resize(puffer_.size() * 2);
    const std::size_t gelesen =
        std::fread(puffer_.data() + ende_, 1, puffer_.size() - ende_, datei_);
    if (gelesen == 0) {
        if (std::ferror(datei_)) throw Ein_Ausgabe_Fehler("Read error: " + name_);
        eof_ = true;
        return false;
    }
    ende_ += gelesen;
    return true;
}

bool Zeilen_Leser::Naechste(std::string_view& zeile) {
    std::size_t suche_ab = anfang_;
    for (;;) {
        const char* p = static_cast<const char*>(
            std::memchr(puffer_.data() + suche_ab, '\n', ende_ - suche_ab));
        if (p) {
            std::size_t pos = static_cast<std::size_t>(p - puffer_.data());
            std::size_t laenge = pos - anfang_;
            if (laenge > 0 && puffer_[pos - 1] == '\r') --laenge;
            zeile = std::string_view(puffer_.data() + anfang_, laenge);
            anfang_ = pos + 1;
            ++nummer_;
            return true;
        }
        const std::size_t schon = ende_ - anfang_;
        if (!Nachladen()) {
            if (ende_ > anfang_) {
                std::size_t laenge = ende_ - anfang_;
                if (puffer_[ende_ - 1] == '\r') --laenge;
                zeile = std::string_view(puffer_.data() + anfang_, laenge);
                anfang_ = ende_;
                ++nummer_;
                return true;
            }
            return false;
        }
        suche_ab = anfang_ + schon;
    }
}

bool Zeilen_Leser::Beschreibung_Ueberspringen() {
    std::string_view z;
    while (Naechste(z))
        if (z.size() >= 2 && z[0] == '-' && z[1] == '-') return true;
    return false;
}

bool Zeilen_Leser::Ueberspringen(int anzahl) {
    std::string_view z;
    for (int i = 0; i < anzahl; ++i)
        if (!Naechste(z)) return false;
    return true;
}

std::string Pfad_In(const std::string& ordner, const std::string& name) {
    if (ordner.empty()) return name;
    if (ordner.back() == '/' || ordner.back() == '\\') return ordner + name;
    return ordner + "/" + name;
}
