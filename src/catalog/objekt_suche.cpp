#include "catalog/objekt_suche.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "astro/praezession.hpp"
#include "astro/sternbild.hpp"
#include "catalog/eigenbewegung.hpp"
#include "catalog/ephemeriden.hpp"
#include "catalog/katalog_zeilen.hpp"
#include "catalog/kleinkoerper_suche.hpp"
#include "catalog/namen_suche.hpp"
#include "catalog/stern_bezeichnung.hpp"
#include "shared/fehler.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "shared/zeilen_leser.hpp"
#include "time/kalender.hpp"
#include "time/numerik.hpp"

namespace {

// Anything under the name counts: a pipe or a link loop is then reported by
// the reader, not taken for a missing file.
bool Datei_Da(const std::string& pfad) {
    std::error_code f;
    return std::filesystem::exists(std::filesystem::symlink_status(Pfad_Aus_Utf8(pfad), f));
}

// Constellation of the final J2000 place.
void Con_Berechnen(Objekt_Type& o) {
    o.Con = Sternbild(o.RA2000 * Std_Zu_Rad, o.DE2000 * Grad_Zu_Rad, JD2000);
}

// Feld_Gleich on the key columns of `zeile`, with most lines of a catalogue
// rejected first by the field's last non-blank byte, without a call or a trim.
inline bool Schluessel_Gleich(std::string_view zeile, Spalten_Bereich spalten,
                              std::string_view schluessel, bool gross) {
    const auto von = static_cast<std::size_t>(spalten.von - 1);
    if (von >= zeile.size() || schluessel.empty())
        return Feld_Gleich(Spalten(zeile, spalten.von, spalten.bis), schluessel, gross);
    std::size_t bis = std::min(zeile.size(), static_cast<std::size_t>(spalten.bis));
    while (bis > von && static_cast<unsigned char>(zeile[bis - 1]) <= 32) --bis;
    if (bis - von < schluessel.size()) return false;
    char c = zeile[bis - 1];
    if (gross && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return c == schluessel.back() && Feld_Gleich(zeile.substr(von, bis - von), schluessel, gross);
}

// Reads the file `datei` in `ordner` from the top, skips its header and stops
// at the first line whose key columns equal `schluessel`; that line is handed
// to `lesen`. Only the matching line is converted.
template <class Lesen>
bool Datei_Suchen(const std::string& ordner, const char* datei, Katalog_Format format,
                  Spalten_Bereich spalten, std::string_view schluessel, bool gross, Lesen lesen) {
    Zeilen_Leser leser(Pfad_In(ordner, datei));
    if (!Kopf_Ueberspringen(format, leser)) return false;
    std::string_view zeile;
    while (leser.Naechste(zeile)) {
        if (Schluessel_Gleich(zeile, spalten, schluessel, gross)) {
            Mit_Vorsatz([&] { return leser.Ort(); }, [&] { lesen(zeile); });
            return true;
        }
    }
    return false;
}

bool NGC_Suchen(char L, const std::string& K, const Such_Kontext& k, Objekt_Type& o) {
    o.Art = Art_Von_Buchstabe(L);
    const std::string schluessel = L + K;
    return Datei_Suchen(k.Katalog_Ordner, Datei_NGC, Katalog_Format::NGC, Schluessel_NGC,
                        schluessel, true, [&](std::string_view z) { NGC_Zeile_Lesen(z, o); });
}

bool Planet_Suchen(const std::string& K, const Such_Kontext& k, Objekt_Type& o) {
    const char* gefunden = nullptr;
    for (const char* name : Sonnensystem_Namen)
        if (K == Gross(name)) {
            gefunden = name;
            break;
        }
    if (!gefunden) return false;
    o.Art = Objekt_Art::Planet;
    if (std::string_view(gefunden) == "Mond") return Mond_Fuellen(k.JD_UT, o);
    const std::string datei = Ephemeriden_Datei(gefunden);
    std::string zeile;
    std::vector<Ephemeriden_Stuetze> st =
        Ephemeriden_Stuetzen_Lesen(Pfad_In(k.Katalog_Ordner, datei), k.JD_UT, zeile);
    Ephemeriden_Stuetze e;
    if (!Ephemeride_Interpolieren(st, k.JD_UT, e)) return false;
    // Size and constellation from the nearest row, the rest between rows.
    Ephemeriden_Zeile_Lesen(zeile, K.substr(0, 1) + Klein(K.substr(1)), o);
    o.RA2000 = e.RA;
    o.DE2000 = e.DE;
    o.VMag = e.VMag;
    o.Distanz = e.Distanz;
    o.Bahn.Art = Bahn_Art::Tabelle;
    o.Bahn.Stuetzen = std::move(st);
    o.Bahn.RA_Geo = e.RA;
    o.Bahn.DE_Geo = e.DE;
    o.Bahn.Distanz_AE = e.Distanz;
    return true;
}

// Moves an own object's place to the equinox J2000.0.
void Eigenes_Objekt_Fuellen(const Eigenes_Objekt_Zeile& e, double jd_ut, Objekt_Type& o) {
    o.RA2000 = e.RA;
    o.DE2000 = e.DE;
    if (!e.Aequinoktium || *e.Aequinoktium != 2000.0) {
        double jd_von = jd_ut; // no equinox given: coordinates of date
        if (e.Aequinoktium) {
            const double jahr = std::trunc(*e.Aequinoktium);
            if (!(std::fabs(jahr) < 2147483647.0))
                throw Bereichs_Fehler("Äquinoktium außerhalb des Bereichs: " +
                                      Fest(*e.Aequinoktium, 1));
            Datum_Zu_JD(static_cast<std::int32_t>(jahr), 1, 1, 0, 0, 0, jd_von);
        }
        double ra = 0;
        double de = 0;
        Praezession(jd_von, JD2000, e.RA * Std_Zu_Rad, e.DE * Grad_Zu_Rad, ra, de);
        o.RA2000 = Mod_Positiv(ra * Rad_Zu_Std, 24);
        o.DE2000 = de * Rad_Zu_Grad;
    }
    o.Bezeichnung = "E" + e.Name;
    o.VMag = UNBEKANNT;
    o.BMag = UNBEKANNT;
    Ohne_Groesse_Und_Distanz(o);
    o.Klasse.clear();
    o.Alias.clear();
    o.Typ = Art_Typ(Objekt_Art::Eigenes);
}

bool Eigenes_Suchen(const std::string& K, const Such_Kontext& k, Objekt_Type& o) {
    o.Art = Objekt_Art::Eigenes;
    return Datei_Suchen(
        k.Daten_Ordner, Datei_Eigene, Katalog_Format::Eigene, Schluessel_Eigene, K, true,
        [&](std::string_view z) { Eigenes_Objekt_Fuellen(Eigenes_Objekt_Lesen(z), k.JD_UT, o); });
}

enum class Ergebnis { Treffer, Fehlt, Datei_Leer };

// A geostationary file with no line after its description block ends the
// whole lookup; otherwise a miss falls back like every kind.
Ergebnis Geostat_Suchen(const std::string& K, const Such_Kontext& k, Objekt_Type& o) {
    o.Art = Objekt_Art::Geostat;
    Zeilen_Leser leser(Pfad_In(k.Katalog_Ordner, Datei_Geostat));
    if (!Kopf_Ueberspringen(Katalog_Format::Geostat, leser)) return Ergebnis::Datei_Leer;
    std::string_view zeile;
    bool zeilen = false;
    while (leser.Naechste(zeile)) {
        zeilen = true;
        if (Feld_Gleich(Spalten(zeile, Schluessel_Geostat.von, Schluessel_Geostat.bis), K, true)) {
            Geostat_Zeile_Lesen(zeile, o);
            return Ergebnis::Treffer;
        }
    }
    return zeilen ? Ergebnis::Fehlt : Ergebnis::Datei_Leer;
}

bool SAO_Suchen(std::string_view T, const std::string& K, const Such_Kontext& k, Objekt_Type& o) {
    // Only a number is looked for in the SAO file; a proper name such as
    // Sirius goes on to the bright stars.
    const auto nummer = Ganzzahl_Versuchen(Trimmen(T.substr(1)));
    if (!nummer || *nummer == 999999) return false;
    o.Art = Objekt_Art::SAO;
    return Datei_Suchen(k.Katalog_Ordner, Datei_SAO, Katalog_Format::SAO, Schluessel_SAO, K, true,
                        [&](std::string_view z) {
                            SAO_Zeile_Lesen(z, o);
                            Con_Berechnen(o);
                            Eigenbewegung_Anhaengen(k.Katalog_Ordner,
                                                    Stern_HIP(Katalog_Format::SAO, z), o);
                        });
}

// Kind searches that read one file and compute the constellation; a star
// with a HIP number takes its proper motion from the side file.
template <class Lesen>
bool Stern_Suchen(const Such_Kontext& k, const char* datei, Katalog_Format format,
                  Spalten_Bereich spalten, std::string_view schluessel, bool gross, Lesen lesen,
                  Objekt_Type& o) {
    return Datei_Suchen(k.Katalog_Ordner, datei, format, spalten, schluessel, gross,
                        [&](std::string_view z) {
                            lesen(z, o);
                            Con_Berechnen(o);
                            Eigenbewegung_Anhaengen(k.Katalog_Ordner, Stern_HIP(format, z), o);
                        });
}

// The whole text as a star's proper name, before the kind letter is looked
// at. A missing file is reported by the fallback later, not here.
bool Helle_Sterne_Zuerst(const std::string& T, const Such_Kontext& k, Objekt_Type& o) {
    if (!Datei_Da(Pfad_In(k.Katalog_Ordner, Datei_Helle_Sterne))) return false;
    return Stern_Suchen(k, Datei_Helle_Sterne, Katalog_Format::Helle_Sterne,
                        Schluessel_Helle_Sterne, Gross(Trimmen(T)), true, Helle_Sterne_Zeile_Lesen,
                        o);
}

// A Bayer or Flamsteed designation in an everyday spelling, or an HD number,
// through the cross-reference file. A missing file is reported by the
// fallback later, not here.
bool Stern_Bezeichnung_Suchen(const std::string& T_utf8, const Such_Kontext& k, Objekt_Type& o) {
    const auto bezeichnung = Stern_Bezeichnung(T_utf8);
    const auto hd = bezeichnung ? std::nullopt : HD_Nummer(T_utf8);
    if (!bezeichnung && !hd) return false;
    if (!Datei_Da(Pfad_In(k.Katalog_Ordner, Datei_Flamsteed))) return false;
    o.Art = Objekt_Art::Keine;
    if (bezeichnung)
        return Stern_Suchen(k, Datei_Flamsteed, Katalog_Format::Flamsteed, Schluessel_Flamsteed,
                            *bezeichnung, false, Flamsteed_Zeile_Lesen, o);
    return Stern_Suchen(k, Datei_Flamsteed, Katalog_Format::Flamsteed, Schluessel_Flamsteed_HD,
                        std::to_string(*hd), false, Flamsteed_Zeile_Lesen, o);
}

// The context with its element tables, read now if they wait for a need.
Such_Kontext Mit_Elementen(const Such_Kontext& k) {
    Such_Kontext m = k;
    if (m.Elemente_Laden) {
        m.Elemente_Laden(m);
        m.Elemente_Laden = nullptr;
    }
    return m;
}

} // namespace

bool Objekt_Suchen(const std::string& T_utf8, const Such_Kontext& kontext, Objekt_Type& objekt) {
    Objekt_Type& o = objekt;
    o = Objekt_Type{};
    // Columns of the files are Windows-1252 bytes; so is every comparison.
    // Blanks at either end and everyday spellings ("NGC 7000") are taken off.
    const std::string T = Kurzform(Utf8_Zu_Cp1252(T_utf8));
    if (T.size() < 2) return false;
    const std::string U = Gross(T);
    const char L = U[0];
    const std::string K(Trimmen(std::string_view(U).substr(1)));

    // Names before kinds: a star's proper name, then a common deep-sky name.
    if (Helle_Sterne_Zuerst(T, kontext, o)) return true;
    // A deep-sky name typed whole ("Omega Centauri") before a star designation
    // ("Alpha Lyrae"), that before a name merely beginning with the entry.
    const auto d = Deepsky_Name_Finden(T, kontext.Katalog_Ordner, kontext.Meldung);
    const bool ganzer_name = d && Namen_Gross(d->Name) == Namen_Gross(Trimmen(T));
    if (!ganzer_name && Stern_Bezeichnung_Suchen(T_utf8, kontext, o)) return true;
    o = Objekt_Type{};
    if (d && NGC_Suchen(d->Bezeichnung[0], d->Bezeichnung.substr(1), kontext, o)) {
        o.Alias = Cp1252_Zu_Utf8(d->Name); // the whole name, not cut to the alias column
        return true;
    }
    o = Objekt_Type{};

    bool eigene_fehlen = false;
    switch (L) {
    case 'A':
        if (Asteroid_Suchen(K, Mit_Elementen(kontext), o)) return true;
        break;
    case 'K':
        if (Komet_Suchen(K, kontext, o)) return true;
        break;
    case 'E':
        // Without an own-objects file the entry may still be a star's name.
        if (!Datei_Da(Pfad_In(kontext.Daten_Ordner, Datei_Eigene))) {
            eigene_fehlen = true;
            break;
        }
        if (Eigenes_Suchen(K, kontext, o)) {
            Con_Berechnen(o);
            return true;
        }
        break;
    case 'F':
        o.Art = Objekt_Art::Fotometrie;
        if (Stern_Suchen(kontext, Datei_Fotometrie, Katalog_Format::Fotometrie,
                         Schluessel_Fotometrie, K, true, Fotometrie_Zeile_Lesen, o))
            return true;
        break;
    case 'G':
        switch (Geostat_Suchen(K, kontext, o)) {
        case Ergebnis::Treffer:
            return true;
        case Ergebnis::Datei_Leer:
            return false;
        case Ergebnis::Fehlt:
            break;
        }
        break;
    case 'H':
        o.Art = Objekt_Art::HIP;
        if (Stern_Suchen(kontext, Datei_HIP, Katalog_Format::HIP, Schluessel_HIP, K, true,
                         HIP_Zeile_Lesen, o))
            return true;
        break;
    case 'I':
    case 'M':
    case 'N':
        if (NGC_Suchen(L, K, kontext, o)) return true;
        break;
    case 'P':
        if (Planet_Suchen(K, kontext, o)) return true;
        break;
    case 'S':
        if (SAO_Suchen(T, K, kontext, o)) return true;
        break;
    case 'V': {
        // Variable-star names are compared as typed, letter case included.
        o.Art = Objekt_Art::Veraenderlicher;
        const std::string_view name = Trimmen(std::string_view(T).substr(1, 11));
        if (Stern_Suchen(kontext, Datei_Veraenderliche, Katalog_Format::Veraenderliche,
                         Schluessel_Veraenderliche, name, false, Veraenderlicher_Zeile_Lesen, o))
            return true;
        break;
    }
    default:
        break;
    }

    // The whole text as a proper name, then as a Flamsteed/Bayer designation.
    o.Art = Objekt_Art::Keine;
    const std::string name = Gross(Trimmen(T));
    if (Stern_Suchen(kontext, Datei_Helle_Sterne, Katalog_Format::Helle_Sterne,
                     Schluessel_Helle_Sterne, name, true, Helle_Sterne_Zeile_Lesen, o))
        return true;
    o.Art = Objekt_Art::Keine;
    if (Stern_Suchen(kontext, Datei_Flamsteed, Katalog_Format::Flamsteed, Schluessel_Flamsteed,
                     Trimmen(T), false, Flamsteed_Zeile_Lesen, o))
        return true;
    // Asteroid and comet names typed without their letter.
    o = Objekt_Type{};
    if (Kleinkoerper_Name_Suchen(T, Mit_Elementen(kontext), o)) return true;
    if (eigene_fehlen) throw Datei_Nicht_Gefunden(Datei_Eigene);
    return false;
}
