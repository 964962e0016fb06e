#pragma once
// The INDI client side that reads a telescope's place: an incremental reader
// of the XML stream an indiserver sends, the few messages a client sends, and
// the device state it follows. No sockets here; the window moves the bytes.
//
// The stream is a sequence of top-level elements without a root. A server may
// send anything: every buffer is bounded, unknown elements (BLOBs among them)
// are skipped without being stored, and a malformed element costs only itself.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/zahlen.hpp"

// Where to reach the device: "--indi HOST[:PORT]/GERAET".
struct Indi_Einstellung {
    std::string Host = "127.0.0.1";
    int Port = 7624;
    std::string Geraet = "Telescope Simulator";
};

// "HOST[:PORT]/GERAET" (an IPv6 address in brackets: "[::1]:7624/Geraet").
// Nothing when the host or device is missing or the port is not 1..65535;
// `fehler` then says why (German).
std::optional<Indi_Einstellung> Indi_Adresse_Lesen(std::string_view text, std::string& fehler);

// One member of a vector: its name and its text content (trimmed).
struct Indi_Element {
    std::string Name, Wert;
};

// One property message: defNumberVector, setNumberVector, defSwitchVector,
// setSwitchVector or delProperty.
struct Indi_Vektor {
    std::string Art; // the element's tag
    std::string Geraet, Name, Zustand;
    std::string Meldung; // the driver's message attribute, if any
    std::vector<Indi_Element> Elemente;
};

class Indi_Leser {
public:
    // Limits against a hostile or broken server.
    static constexpr std::size_t Max_Tag = 4096;    // bytes of one tag, attributes included
    static constexpr std::size_t Max_Text = 64;     // bytes of a member's value
    static constexpr std::size_t Max_Elemente = 64; // members of one vector
    static constexpr std::size_t Max_Name = 128;    // bytes of a device, property or member name
    static constexpr std::size_t Max_Meldung = 512; // bytes of a message kept (longer: cut)

    // Reads the next bytes of the stream; each vector completed by them is
    // appended to `aus`.
    void Lesen(std::string_view daten, std::vector<Indi_Vektor>& aus);

private:
    enum class Lage { Text, Tag, Kommentar };
    void Tag_Ende(std::vector<Indi_Vektor>& aus);
    void Verwerfen(); // a malformed piece: the vector being read is dropped

    Lage lage_ = Lage::Text;
    std::string tag_;
    bool tag_zu_lang_ = false;
    char quote_ = 0;
    int kommentar_striche_ = 0;
    int tiefe_ = 0; // open elements
    bool vektor_aktiv_ = false;
    bool element_aktiv_ = false;
    bool vektor_kaputt_ = false;
    Indi_Vektor vektor_;
    Indi_Element element_;
};

// A number as INDI writes it: decimal ("12.5", "-3e-2") or sexagesimal
// ("12:30:15.5", "-5 30", "12;30").
inline std::optional<double> Indi_Zahl(std::string_view text) {
    return Sexagesimal_Lesen(text);
}

// The place a telescope device reports, of date (JNow).
struct Encoder_Ort {
    bool Gueltig = false;
    double RA = 0;       // hours, [0, 24)
    double DE = 0;       // degrees
    std::string Zustand; // "Idle", "Ok", "Busy" (slewing) or "Alert"
};

// The client's view of one device on one connection. Feed it the server's
// bytes; send what it returns.
class Indi_Client {
public:
    explicit Indi_Client(std::string geraet) : geraet_(std::move(geraet)) {}

    // The first message after connecting: ask for the device's properties.
    std::string Anfang() const;
    // Reads server bytes; returns what to send back (may be empty): the
    // request to connect the device when the server has it disconnected.
    std::string Empfangen(std::string_view daten);

    const Encoder_Ort& Ort() const { return ort_; }
    // The server has described the device (any property of it).
    bool Geraet_Bekannt() const { return geraet_bekannt_; }
    // The device's CONNECTION switch is on.
    bool Geraet_Verbunden() const { return geraet_verbunden_; }
    const std::string& Geraet() const { return geraet_; }
    // A property of the device in Alert state: its name and the driver's
    // message (empty when it sent none). Empty name: no alert.
    const std::string& Alarm() const { return alarm_; }
    const std::string& Alarm_Meldung() const { return alarm_meldung_; }

private:
    std::string geraet_;
    Indi_Leser leser_;
    Encoder_Ort ort_;
    bool geraet_bekannt_ = false;
    bool geraet_verbunden_ = false;
    bool verbinden_gesendet_ = false;
    std::string alarm_, alarm_meldung_;
};

// XML attribute text: & < > " ' escaped.
std::string Indi_Maskieren(std::string_view text);
