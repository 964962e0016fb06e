#pragma once
// The two telescope protocols planetarium programs speak over TCP, as plain
// state machines: bytes in, replies and targets out, no sockets. The LX200
// command set exchanges places of date (mean equator and equinox of date);
// the binary protocol exchanges J2000 places.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/himmelsort.hpp"

// Where :GR#/:GD# say the telescope points: a place of date. Without
// encoders it is the selected object's place of date.
struct Teleskop_Ort {
    bool Gueltig = false; // false: nothing known; LX200 then reports the zenith
    Himmelsort Datum;     // mean place of date
};

// The site and the program's clock, as the LX200 queries report them.
struct Lx200_Standort {
    double Breite = 0;    // degrees, north positive
    double Laenge = 0;    // degrees, east positive
    double JD_Lokal = 0;  // the clock's instant in local civil time, as a Julian Date
    double UTC_Std = 0;   // local civil time minus UTC, hours
    double Sternzeit = 0; // local mean sidereal time, hours
    std::string Name;     // the site's name for :GM#
};

// The reply of :MS# when no valid pair was set since the last goto.
inline constexpr std::string_view Lx200_Keine_Koordinaten = "2Keine g\xC3\xBCltigen Koordinaten#";

// What selecting a sent target gave: for :MS# and :CM#.
struct Ziel_Rueckmeldung {
    bool Ueber_Horizont = false;
    std::string Name; // the object line's name, e.g. "Ziel von außen · M13"
};

// Longest LX200 command kept (from ':' to '#'); longer ones are ignored.
inline constexpr std::size_t Lx200_Befehl_Max = 64;

// One LX200 connection. Eingabe takes whatever bytes arrived and returns the
// replies in order; a target sent with :Sr/:Sd and confirmed by :MS# or :CM#
// goes to `ziel` (a place of date). No command ever ends the connection.
// Every command a client needs to stay in step gets its reply; the site and
// time queries read `standort`.
class Lx200_Verbindung {
public:
    using Ort_Frage = std::function<Teleskop_Ort()>;
    using Ziel_Setzen = std::function<Ziel_Rueckmeldung(const Himmelsort& datum)>;
    using Standort_Frage = std::function<Lx200_Standort()>;

    Lx200_Verbindung(Ort_Frage ort, Ziel_Setzen ziel, Standort_Frage standort = {})
        : ort_(std::move(ort)), ziel_(std::move(ziel)), standort_(std::move(standort)) {}

    std::string Eingabe(std::string_view bytes);

    // Commands ignored for length, bytes dropped as not ASCII (for the status line and tests).
    long Zu_Lang() const { return zu_lang_; }
    long Verworfen() const { return verworfen_; }
    bool Hohe_Genauigkeit() const { return hoch_; }

private:
    std::string Befehl(std::string_view befehl); // without ':' and '#'

    Lx200_Standort Standort() const;

    Ort_Frage ort_;
    Ziel_Setzen ziel_;
    Standort_Frage standort_;
    std::string puffer_; // the command being received, after ':'
    bool in_befehl_ = false;
    bool ueberlang_ = false; // skipping to the next '#'
    bool hoch_ = true;       // high precision HH:MM:SS / sDD*MM'SS
    // Both halves of the pending pair; a refused half or a goto clears both.
    bool ra_gesetzt_ = false, de_gesetzt_ = false;
    Himmelsort ziel_ort_;
    long zu_lang_ = 0;
    long verworfen_ = 0;
};

// The LX200 texts of a place of date (without '#').
std::string Lx200_RA_Text(double ra_std, bool hoch);
std::string Lx200_DE_Text(double de_grad, bool hoch);
// A name as :CM# sends it: ASCII, no '#', at most 32 characters ("Ziel von aussen - M13").
std::string Lx200_Name(std::string_view utf8);
// The argument of :Sr / :Sd ("HH:MM:SS", "HH:MM.T", "sDD*MM:SS", "sDD*MM'SS", "sDD*MM");
// between degrees (or hours) and minutes '*', ':', 0xDF or UTF-8 '°'; false if malformed.
bool Lx200_RA_Lesen(std::string_view text, double& ra_std);
// The reply (without '#') to a site or time query: "GC" MM/DD/YY, "GL" HH:MM:SS
// (local), "GG" sHH.H (hours to add to local time for UTC), "Gt" sDD*MM,
// "Gg" sDDD*MM (west positive).
std::string Lx200_Standort_Text(std::string_view befehl, const Lx200_Standort& standort);
bool Lx200_DE_Lesen(std::string_view text, double& de_grad);

// --- The binary protocol (little-endian) ---
// Client to server "goto": length 20, type 0, time (µs), RA uint32 (2^32 = 24 h),
// Dec int32 (2^30 = 90 degrees), J2000.
// Server to client "current position": length 24, the same and a status int32 (0 = ok).
inline constexpr std::size_t Binaer_Nachricht_Max = 256; // longer lengths are refused

struct Binaer_Ziel {
    std::int64_t Zeit_us = 0;
    Himmelsort J2000;
};

// Reads the messages of one connection from its byte stream.
class Binaer_Leser {
public:
    // Appends the gotos of complete messages to `ziele`. False: the stream is
    // broken (length below 4 or above Binaer_Nachricht_Max) and the connection
    // should end; nothing further is read then.
    bool Eingabe(std::string_view bytes, std::vector<Binaer_Ziel>& ziele);
    std::size_t Gepuffert() const { return puffer_.size(); }

private:
    std::string puffer_; // at most one incomplete message
    bool kaputt_ = false;
};

// The 24-byte current-position message.
std::string Binaer_Position(const Himmelsort& j2000, std::int64_t zeit_us, std::int32_t status = 0);
// The 20-byte goto message (what a planetarium sends; for tests and benchmarks).
std::string Binaer_Goto(const Himmelsort& j2000, std::int64_t zeit_us);
// RA and Dec of a place as the wire carries them, and back.
std::uint32_t Binaer_RA(double ra_std);
std::int32_t Binaer_DE(double de_grad);
double Binaer_RA_Std(std::uint32_t ra);
double Binaer_DE_Grad(std::int32_t de);
