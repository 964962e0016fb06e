#include "buch/oal_export.hpp"

#include <cmath>
#include <map>

#include "catalog/beobachtungsliste.hpp"
#include "shared/fehler.hpp"
#include "shared/konstanten.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"

namespace {
bool Schmidt(const Buch_Eintrag& e) {
    return e.Instrument.find("40") != std::string::npos;
}

} // namespace

std::string Oal_Zieltyp(const Buch_Eintrag& e) {
    switch (Art_Von_Buchstabe(e.Art)) {
    case Objekt_Art::Planet:
        if (e.Bezeichnung == "PMond") return "oal:MoonTargetType";
        if (e.Bezeichnung == "PSonne") return "oal:SunTargetType";
        return "oal:PlanetTargetType";
    case Objekt_Art::Komet:
        return "oal:CometTargetType";
    case Objekt_Art::Asteroid:
        return "oal:MinorPlanetTargetType";
    case Objekt_Art::Veraenderlicher:
        return "oal:variableStarTargetType";
    case Objekt_Art::HIP:
    case Objekt_Art::SAO:
    case Objekt_Art::Fotometrie:
    case Objekt_Art::Keine: // a star found by its name
        return "oal:starTargetType";
    case Objekt_Art::Messier:
    case Objekt_Art::NGC:
    case Objekt_Art::IC: {
        // The type column of the deep-sky catalogue.
        static const std::map<std::string, std::string> typen = {
            {"Galaxie", "oal:deepSkyGX"},   {"Kug.Hauf", "oal:deepSkyGC"},
            {"Off.Hauf", "oal:deepSkyOC"},  {"Plan.Neb", "oal:deepSkyPN"},
            {"Gas.Neb", "oal:deepSkyGN"},   {"SN-Rest", "oal:deepSkyGN"},
            {"Asteris.", "oal:deepSkyAS"},  {"Gal.Grup", "oal:deepSkyCG"},
            {"Stern", "oal:starTargetType"}};
        const auto t = typen.find(std::string(Trimmen(e.Typ)));
        return t == typen.end() ? std::string() : t->second;
    }
    default:
        return {};
    }
}

// The name other programs know: "M 31", "NGC 224"; a body of the solar system
// without the kind letter of the lookup ("Jupiter", "(1) Ceres").
std::string Oal_Name(const Buch_Eintrag& e) {
    const Objekt_Art art = Art_Von_Buchstabe(e.Art);
    if ((art == Objekt_Art::Planet || art == Objekt_Art::Asteroid || art == Objekt_Art::Komet) &&
        e.Bezeichnung.size() > 1 && e.Bezeichnung[0] == e.Art)
        return e.Bezeichnung.substr(1);
    return Katalognummer(e.Bezeichnung);
}

std::string Oal_Text(const std::vector<Buch_Eintrag>& eintraege, const Oal_Angaben& a) {
    if (!(a.Brennweite_40 > 0) || !(a.Brennweite_60 > 0))
        throw Bereichs_Fehler("Brennweite der Instrumente fehlt (mm, größer als 0)");
    std::string t =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<oal:observations xmlns:oal=\"http://groups.google.com/group/openastronomylog\""
        " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" version=\"2.1\">\n";
    t += "  <observers>\n    <observer id=\"beobachter\">\n      <name>" + Xml_Text(a.Vorname) +
         "</name>\n      <surname>" + Xml_Text(a.Nachname) +
         "</surname>\n    </observer>\n"
         "  </observers>\n";
    t += "  <sites>\n    <site id=\"standort\">\n      <name>" + Xml_Text(a.Standort) +
         "</name>\n      <longitude unit=\"deg\">" + Voll(a.Laenge) +
         "</longitude>\n      <latitude unit=\"deg\">" + Voll(a.Breite) +
         "</latitude>\n      <elevation>" + Voll(a.Hoehe) + "</elevation>\n      <timezone>" +
         std::to_string(a.Zeitzone_Minuten) + "</timezone>\n    </site>\n  </sites>\n";

    // One session per night, named by its date, from its first to its last entry.
    std::map<std::string, std::pair<const Buch_Eintrag*, const Buch_Eintrag*>> naechte;
    for (const Buch_Eintrag& e : eintraege) {
        auto [it, neu] = naechte.emplace(Buch_Nacht(e), std::pair(&e, &e));
        if (e.JD_UT < it->second.first->JD_UT) it->second.first = &e;
        if (e.JD_UT > it->second.second->JD_UT) it->second.second = &e;
    }
    t += "  <sessions>\n";
    for (const auto& [nacht, grenzen] : naechte)
        t += "    <session id=\"nacht_" + nacht + "\" lang=\"de\">\n      <begin>" +
             Buch_Zeit_Iso(*grenzen.first) + "</begin>\n      <end>" +
             Buch_Zeit_Iso(*grenzen.second) + "</end>\n      <site>standort</site>\n" +
             "    </session>\n";
    t += "  </sessions>\n";

    t += "  <targets>\n";
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        const Buch_Eintrag& e = eintraege[i];
        const std::string typ = Oal_Zieltyp(e);
        t += "    <target id=\"ziel_" + std::to_string(i + 1) + "\"" +
             (typ.empty() ? std::string() : " xsi:type=\"" + typ + "\"") + ">\n";
        t += "      <datasource>Stelux</datasource>\n      <name>" + Xml_Text(Oal_Name(e)) +
             "</name>\n";
        if (!e.Objektzeile.empty() && e.Objektzeile != e.Bezeichnung)
            t += "      <alias>" + Xml_Text(e.Objektzeile) + "</alias>\n";
        double ra = e.RA2000 * 15.0 * Grad_Zu_Rad;
        ra -= 2 * Pi * std::floor(ra / (2 * Pi));
        t += "      <position>\n        <ra unit=\"rad\">" + Voll(ra) +
             "</ra>\n        <dec unit=\"rad\">" + Voll(e.DE2000 * Grad_Zu_Rad) +
             "</dec>\n      </position>\n    </target>\n";
    }
    t += "  </targets>\n";

    t += "  <scopes>\n";
    const struct {
        const char* id;
        const char* name;
        double oeffnung, brennweite;
        const char* art;
    } scopes[] = {{"instrument_40", "40cm Schmidt-Kamera", 400, a.Brennweite_40, "Schmidt-Kamera"},
                  {"instrument_60", "60cm Cassegrain", 600, a.Brennweite_60, "C"}};
    for (const auto& s : scopes)
        t += std::string("    <scope id=\"") + s.id + "\" xsi:type=\"oal:scopeType\">\n" +
             "      <model>" + s.name + "</model>\n      <type>" + s.art +
             "</type>\n      <aperture>" + Voll(s.oeffnung) + "</aperture>\n" +
             "      <focalLength>" + Voll(s.brennweite) + "</focalLength>\n    </scope>\n";
    t += "  </scopes>\n  <eyepieces/>\n  <lenses/>\n  <filters/>\n  <imagers/>\n";

    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        const Buch_Eintrag& e = eintraege[i];
        t += "  <observation id=\"beobachtung_" + std::to_string(i + 1) + "\">\n";
        t += "    <observer>beobachter</observer>\n    <site>standort</site>\n"
             "    <session>nacht_" +
             Buch_Nacht(e) + "</session>\n    <target>ziel_" + std::to_string(i + 1) +
             "</target>\n    <begin>" + Buch_Zeit_Iso(e) + "</begin>\n";
        if (e.Seeing >= 1 && e.Seeing <= 5)
            t += "    <seeing>" + std::to_string(e.Seeing) + "</seeing>\n";
        t += std::string("    <scope>") + (Schmidt(e) ? "instrument_40" : "instrument_60") +
             "</scope>\n";
        if (!e.Okular.empty()) t += "    <accessories>" + Xml_Text(e.Okular) + "</accessories>\n";
        std::string text = e.Notiz;
        if (!e.Transparenz.empty())
            text += (text.empty() ? "" : " – ") + std::string("Transparenz: ") + e.Transparenz;
        t += "    <result lang=\"de\">\n      <description>" + Xml_Text(text) +
             "</description>\n    </result>\n  </observation>\n";
    }
    t += "</oal:observations>\n";
    return t;
}
