// Targets from the telescope link.
#include "astro/sternbild.hpp"
#include "bedienung/sitzung.hpp"
#include "karte/ziel_name.hpp"
#include "pointing/positions_tick.hpp"
#include "shared/konstanten.hpp"

std::shared_future<std::shared_ptr<const Stern_Index>> Sitzung::Stern_Index_Laden() {
    if (!stern_index_.valid())
        stern_index_ = std::async(std::launch::async, [] {
                           return std::shared_ptr<const Stern_Index>(
                               std::make_shared<Stern_Index>(Stern_Index_Bauen("")));
                       }).share();
    return stern_index_;
}

namespace {

// A target from the link as an object: "Ziel von außen", after the sender's
// address when it came from another computer, named after the catalogue
// object within 0.1 degrees if there is one.
Objekt_Type Ziel_Objekt(const Himmelsort& j2000, const std::string& name,
                        const std::string& absender) {
    Objekt_Type o;
    o.Bezeichnung = absender.empty() ? "Ziel von außen" : "Ziel von außen (" + absender + ")";
    if (!name.empty()) o.Bezeichnung += " · " + name;
    o.RA2000 = j2000.RA;
    o.DE2000 = j2000.DE;
    o.Con = Sternbild(j2000.RA * Std_Zu_Rad, j2000.DE * Grad_Zu_Rad, JD2000);
    o.VMag = o.BMag = UNBEKANNT;
    o.Typ = "extern";
    return o;
}

} // namespace

std::string Sitzung::Ziel_Name(const Himmelsort& j2000) {
    try {
        return Naechstes_Objekt(*Stern_Index_Laden().get(), j2000);
    } catch (...) {
        return {}; // without the index the target is still selected, only unnamed
    }
}

Auswahl_Ergebnis Sitzung::Ziel_Waehlen(const Himmelsort& j2000, const std::string& absender) {
    Auswahl_Ergebnis r;
    Auswahl_Aufheben();
    objekt_ = Ziel_Objekt(j2000, Ziel_Name(j2000), absender);
    objekt_gueltig_ = true;
    letztes_ziel_ = j2000;
    // A sighting of it carries its name, not that of the object typed before.
    auswahl_eingabe_ = objekt_.Bezeichnung;
    r.Eingabe = objekt_.Bezeichnung;
    r.Gefunden = true;
    anzeige_.Nicht_Gefunden.clear();
    r.Stand = Positions_Schritt();
    return r;
}

Ziel_Rueckmeldung Sitzung::Ziel_Vorschau(const Himmelsort& j2000) {
    const Objekt_Type o = Ziel_Objekt(j2000, Ziel_Name(j2000), {});
    Tick_Optionen optionen;
    optionen.JD_UT = JD_UT();
    optionen.Refraktion = refraktion_;
    const Positions_Anzeige p =
        Positions_Tick(o, true, JD_PC(), Sternzeit(), parameter_, Schmidt(), optionen);
    return {p.Hoehe > 0, p.Objekt.Zeile};
}

Teleskop_Ort Sitzung::Teleskop_Ort_Lesen() const {
    if (teleskop_ort_.Gueltig) return teleskop_ort_;
    Teleskop_Ort o;
    o.Gueltig = objekt_gueltig_ && anzeige_.Gueltig;
    o.Datum = {objekt_.RAapp, objekt_.DEapp};
    if (!o.Gueltig && letztes_ziel_ && JD_UT() > 0)
        o = {true, J2000_Zu_Datum(*letztes_ziel_, JD_UT())};
    return o;
}
