// Targets from the telescope link.
#include "astro/sternbild.hpp"
#include "bedienung/sitzung.hpp"
#include "karte/ziel_name.hpp"
#include "shared/konstanten.hpp"

std::shared_future<std::shared_ptr<const Stern_Index>> Sitzung::Stern_Index_Laden() {
    if (!stern_index_.valid())
        stern_index_ = std::async(std::launch::async, [] {
                           return std::shared_ptr<const Stern_Index>(
                               std::make_shared<Stern_Index>(Stern_Index_Bauen("")));
                       }).share();
    return stern_index_;
}

Auswahl_Ergebnis Sitzung::Ziel_Waehlen(const Himmelsort& j2000, const std::string& absender) {
    Auswahl_Ergebnis r;
    Auswahl_Aufheben();
    std::string name;
    try {
        name = Naechstes_Objekt(*Stern_Index_Laden().get(), j2000);
    } catch (...) {
        // Without the index the target is still selected, only unnamed.
    }
    objekt_ = Objekt_Type{};
    objekt_.Bezeichnung = absender.empty() ? "Ziel von außen" : "Ziel von außen (" + absender + ")";
    if (!name.empty()) objekt_.Bezeichnung += " · " + name;
    objekt_.RA2000 = j2000.RA;
    objekt_.DE2000 = j2000.DE;
    objekt_.Con = Sternbild(j2000.RA * Std_Zu_Rad, j2000.DE * Grad_Zu_Rad, JD2000);
    objekt_.VMag = objekt_.BMag = UNBEKANNT;
    objekt_.Typ = "extern";
    objekt_gueltig_ = true;
    letztes_ziel_ = j2000;
    r.Eingabe = objekt_.Bezeichnung;
    r.Gefunden = true;
    anzeige_.Nicht_Gefunden.clear();
    r.Stand = Positions_Schritt();
    return r;
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
