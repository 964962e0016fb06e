#pragma once
// Choosing the element lines to install from a downloaded element list: the
// asteroid orbit database export (gzip) or the comet element list (plain
// text), fed piece by piece as they arrive, never held whole in memory.
//
// The rule (the catalogue converter applies the same one):
//  - data that begin with the gzip signature are decompressed, others are text;
//  - lines end with LF, CR LF or a lone CR; a line over 64 KiB is a bad line;
//  - a description block at the top that ends with a line beginning with
//    "-----" within the first 200 lines is skipped with that line;
//  - a line that is valid UTF-8 is converted character by character to
//    Windows-1252, any other line is taken as Windows-1252; characters without
//    a Windows-1252 code become '?', control characters blanks; trailing
//    blanks are removed and empty lines skipped;
//  - a line is valid when the program's own element-line reader accepts it
//    and its values are those of a real body: an asteroid with H >= -2 and an
//    epoch within 100 years of the download; a comet with a magnitude
//    parameter >= -5 and perihelion date and epoch in the years 1000 to 2200;
//  - a body is named by its designation (asteroids: columns 1-7, the number
//    or provisional designation; comets: columns 1-12, number, orbit type and
//    designation with fragment), or by its name where those are blank; a
//    valid line of a body named before is a duplicate: neither counted as a
//    body nor kept. A list with more duplicates than bodies is refused;
//  - of the bodies the `Anzahl` with the smallest H are kept; among equal H
//    the earlier line wins; they are installed in the order of the input.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "shared/element_typen.hpp"

enum class Element_Art { Asteroiden, Kometen };

// A download that cannot become an element file; the text is for the observer.
struct Aktualisierungs_Fehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Strom_Grenzen {
    std::size_t Anzahl = Tabellen_Kapazitaet; // lines kept
    // Bytes of text (after decompression) at most: a stream that decompresses
    // without end stops here.
    std::uint64_t Max_Text = 0; // 0: 2 GiB for asteroids, 256 MiB for comets
    // Bytes received at most (compressed): endless empty gzip blocks give no text.
    std::uint64_t Max_Empfangen = 1ull << 30;
    // Bytes received or decompressed before the first valid line at most.
    std::uint64_t Max_Ohne_Zeile = 64ull << 20;
    // The download's date as a decimal year (epochs are judged against it);
    // 0: the system clock's.
    double Jahr = 0;
};

struct Element_Auswahl {
    std::vector<std::string> Zeilen; // Windows-1252, input order, without line end
    std::int64_t Zeilen_Gelesen = 0; // lines of the input, header included
    std::int64_t Gueltig = 0;        // valid lines, duplicates included
    std::int64_t Doppelt = 0;        // valid lines of a body named before
    std::int64_t Fehlerhaft = 0;
    std::string Erste_Meldung; // the first bad line's error, with its line number
    std::string Epoche;        // most frequent epoch of the kept lines, "YYYY-MM-DD"
};

class Element_Strom {
public:
    // `quelle` names the download in messages (e.g. "MPCORB.DAT.gz"). Data
    // that begin with the gzip signature are decompressed, others read as text.
    Element_Strom(Element_Art art, std::string quelle, Strom_Grenzen grenzen = {});
    ~Element_Strom();
    Element_Strom(const Element_Strom&) = delete;
    Element_Strom& operator=(const Element_Strom&) = delete;

    // The next piece of the download. Throws Aktualisierungs_Fehler for an
    // HTML page, a damaged gzip stream, a download or text beyond the size
    // limits, or 64 MiB without a valid line.
    void Daten(std::string_view stueck);

    // The end of the download: the kept lines. Throws Aktualisierungs_Fehler
    // for a gzip stream cut short, an input without a valid line, or one with
    // more duplicate lines than bodies.
    Element_Auswahl Ende();

    std::uint64_t Bytes() const { return bytes_; }     // received
    std::int64_t Zeilen() const { return zeilen_; }    // lines split so far
    std::uint64_t Text_Bytes() const { return text_; } // after decompression

private:
    struct Gzip;
    void Verarbeiten(std::string_view stueck);
    // One inflate call into `aus`; its text goes on to Text(). Returns zlib's code.
    int Entpacken(char* aus, std::size_t groesse);
    void Text(const char* p, std::size_t n);
    void Zeile_Fertig();
    void Nehmen(std::int64_t nummer, std::string_view roh, bool zu_lang);
    void Anfang_Pruefen(std::string_view text);
    void Ohne_Zeile_Pruefen() const;

    Element_Art art_;
    bool gzip_ = false;
    std::string quelle_;
    Strom_Grenzen grenzen_;
    std::unique_ptr<Gzip> z_;
    bool anfang_geprueft_ = false;
    std::string kopf_; // first bytes, until the kind of data is known
    std::uint64_t bytes_ = 0, text_ = 0;
    std::int64_t zeilen_ = 0;
    std::string zeile_;
    bool zu_lang_ = false, nach_cr_ = false;
    struct Vorlauf_Zeile {
        std::int64_t Nummer;
        bool Zu_Lang;
        std::string Roh;
    };
    bool im_vorlauf_ = true;
    std::vector<Vorlauf_Zeile> vorlauf_;
    struct Eintrag {
        double H;
        std::int64_t Nummer;
        std::string Zeile;
    };
    std::vector<Eintrag> auswahl_; // heap, the worst kept line on top
    Element_Auswahl ergebnis_;
    // Hashes of the bodies named so far (open addressing, 0 empty): 8 bytes
    // each, so the 1.4 million of a full asteroid list cost some 16 MB.
    std::vector<std::uint64_t> gesehen_;
    std::size_t gesehen_anzahl_ = 0;
    bool Neuer_Koerper(std::string_view schluessel);
};

// The name of the body of a valid element line, as the duplicate rule says.
std::string_view Koerper_Schluessel(Element_Art art, std::string_view zeile);

// Distinct bodies of an element file's lines (Windows-1252, as installed).
std::int64_t Koerper_Zaehlen(Element_Art art, const std::vector<std::string>& zeilen);

// One input line converted to Windows-1252 as the rule says (UTF-8 if valid,
// control characters blank, trailing blanks removed).
std::string Element_Zeile_Wandeln(std::string_view roh);

// The installed file's text: the lines with CR LF.
std::string Element_Datei_Text(const std::vector<std::string>& zeilen);
