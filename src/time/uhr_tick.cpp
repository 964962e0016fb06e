#include "time/uhr_tick.hpp"

#include <cstdlib>

#include "shared/kern_text.hpp"
#include "shared/konstanten.hpp"
#include "shared/text.hpp"
#include "shared/zahlen.hpp"
#include "time/numerik.hpp"
#include "time/sternzeit.hpp"
#include "time/zeit_texte.hpp"

int Zeitzone_Versatz_Minuten(const Zeitzone_Info& zone) {
    switch (zone.Zustand) {
    case 1:
        return zone.Bias;
    case 2:
        return zone.Bias + zone.DaylightBias;
    default:
        return 0;
    }
}

std::string Zeitzone_Text(const Zeitzone_Info& zone) {
    if (zone.Zustand == 0) return "UT";
    if (zone.Zustand != 1 && zone.Zustand != 2) return "UT ?"; // the zone query failed
    // The sign belongs to the offset shown (local = UT - offset), so a zone whose
    // standard and daylight offsets lie on either side of UT is labelled right.
    const int versatz = Zeitzone_Versatz_Minuten(zone);
    const char* vorzeichen = versatz > 0 ? " - " : " + ";
    return std::string("UT") + vorzeichen + std::to_string(std::abs(versatz)) + " min";
}

std::string Korrektur_Status_Text(const Parameter_Type& p) {
    return Kt("40cm Schmidt-Kamera: DE/SW-Korr: %1°/%2min      60cm Cassegrain: DE/SW-Korr: "
              "%3°/%4min",
              {Fest(p.DE_Korr_40, 1), Fest(p.SW_Korr_40, 1), Fest(p.DE_Korr_60, 1),
               Fest(p.SW_Korr_60, 1)});
}

Uhr_Anzeige Uhr_Tick(double jd_pc, const Zeitzone_Info& zone, const Parameter_Type& parameter,
                     int zehntel) {
    Uhr_Anzeige a;
    const auto z = static_cast<std::uint8_t>(zehntel == 1 ? 1 : 0);
    const int n = z;
    a.Zone = Zeitzone_Text(zone);
    a.JD_PC = jd_pc;
    a.PC_Zeit = JD_Datum_Zeit_Text(jd_pc, z);
    a.JD_UT = Zeitzone_Versatz_Minuten(zone) / 60.0 / 24.0 + jd_pc;
    a.UT_Zeit = JD_Datum_Zeit_Text(a.JD_UT, z);
    a.JD_Text = Fest(a.JD_UT, 5);
    const double gmst_std = Sternzeit_Greenwich(a.JD_UT) * Rad_Zu_Std;
    a.GMST = Mod_Positiv(gmst_std, 24);
    a.GMST_Text = std::string(Trimmen(Sexagesimal_Text(n, a.GMST)));
    a.Sternzeit = Mod_Positiv(gmst_std + parameter.Laenge / 15, 24);
    a.LMST_Text = std::string(Trimmen(Sexagesimal_Text(n, a.Sternzeit)));
    a.Status = Korrektur_Status_Text(parameter);
    return a;
}
