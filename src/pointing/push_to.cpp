#include "pointing/push_to.hpp"

#include <algorithm>
#include <cmath>

#include "shared/kern_text.hpp"
#include "shared/konstanten.hpp"
#include "shared/zahlen.hpp"
#include "time/numerik.hpp"

namespace {

// Hours folded into (-12, 12].
double Halb_Gefaltet(double h) {
    const double x = Mod_Positiv(h, 24.0);
    return x > 12.0 ? x - 24.0 : x;
}

// The hour-angle part: minutes below an hour, "2 h 05.3 min" above.
std::string Minuten_Text(double minuten) {
    const double zehntel = std::round(minuten * 10.0) / 10.0;
    if (zehntel < 60.0) return Fest(zehntel, 1) + " min";
    const double stunden = std::floor(zehntel / 60.0);
    const std::string rest = Fest(zehntel - stunden * 60.0, 1);
    return Fest(stunden, 0) + " h " + (rest.size() < 4 ? "0" : "") + rest + " min";
}

} // namespace

double Feld_Durchmesser(Instrument_Art instrument) {
    return instrument == Instrument_Art::Schmidt_Kamera_40 ? 3.0 : 0.25;
}

Push_To_Anzeige Push_To_Berechnen(double ziel_sw, double ziel_de, double teleskop_ra,
                                  double teleskop_de, double sternzeit, double de_korr,
                                  double sw_korr, double feld_grad) {
    Push_To_Anzeige p;
    const double de_ziel = ziel_de + de_korr;
    const double sw_ziel = ziel_sw + sw_korr / 60.0;
    const double sw_teleskop = sternzeit - teleskop_ra;
    p.Nord_Grad = de_ziel - teleskop_de;
    p.West_Min = Halb_Gefaltet(sw_ziel - sw_teleskop) * 60.0;
    if (!std::isfinite(p.Nord_Grad) || !std::isfinite(p.West_Min)) return Push_To_Anzeige{};
    p.Gueltig = true;

    // Great-circle distance between the two readings (haversine: exact near zero).
    const double d1 = de_ziel * Grad_Zu_Rad, d2 = teleskop_de * Grad_Zu_Rad;
    const double dh = (p.West_Min / 60.0) * Std_Zu_Rad;
    const double s = std::sin((d1 - d2) / 2), t = std::sin(dh / 2);
    const double h = std::min(1.0, s * s + std::cos(d1) * std::cos(d2) * t * t);
    p.Abstand_Grad = 2.0 * std::asin(std::sqrt(h)) * Rad_Zu_Grad;
    p.Im_Feld = p.Abstand_Grad <= feld_grad / 2.0;

    const std::string de_text = Fest(std::fabs(p.Nord_Grad), 2);
    std::string text = de_text + "°";
    if (de_text != "0.00") text += p.Nord_Grad > 0 ? Kt(" nach Norden") : Kt(" nach Süden");
    const std::string sw_text = Minuten_Text(std::fabs(p.West_Min));
    text += " · " + sw_text;
    if (sw_text != "0.0 min") text += p.West_Min > 0 ? Kt(" nach Westen") : Kt(" nach Osten");
    p.Text = p.Im_Feld ? Kt("Im Feld · %1", {text}) : Kt("Noch %1", {text});
    return p;
}
