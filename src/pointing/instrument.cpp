#include "pointing/instrument.hpp"

namespace {
constexpr long double Korrektur_Schritt = 0.1L;

// One step, stopped at the limit the parameter file accepts, so the stop never
// writes a value the next start would refuse.
void Schritt(double& feld, long double schritt, double grenze) {
    const double neu = static_cast<double>(static_cast<long double>(feld) + schritt);
    feld = neu > grenze ? grenze : (neu < -grenze ? -grenze : neu);
}
} // namespace

Instrument_Art Instrument_Aus_Wert(std::int32_t wert) {
    return wert == 40 ? Instrument_Art::Schmidt_Kamera_40 : Instrument_Art::Cassegrain_60;
}

std::int32_t Instrument_Wert(Instrument_Art instrument) {
    return instrument == Instrument_Art::Schmidt_Kamera_40 ? 40 : 60;
}

void Instrument_Captions(std::int32_t instrument, std::string& caption1, std::string& caption2) {
    const bool schmidt = instrument == 40;
    caption1 = schmidt ? Caption_Schmidt_Kamera : Caption_Cassegrain;
    caption2 = schmidt ? Caption_Cassegrain : Caption_Schmidt_Kamera;
}

double DE_Korrektur(const Parameter_Type& p, bool schmidt) {
    return schmidt ? p.DE_Korr_40 : p.DE_Korr_60;
}

double SW_Korrektur(const Parameter_Type& p, bool schmidt) {
    return schmidt ? p.SW_Korr_40 : p.SW_Korr_60;
}

void Korrektur_DE_Plus(Parameter_Type& p, bool schmidt) {
    Schritt(schmidt ? p.DE_Korr_40 : p.DE_Korr_60, Korrektur_Schritt, DE_Korr_Max);
}

void Korrektur_DE_Minus(Parameter_Type& p, bool schmidt) {
    Schritt(schmidt ? p.DE_Korr_40 : p.DE_Korr_60, -Korrektur_Schritt, DE_Korr_Max);
}

void Korrektur_SW_Plus(Parameter_Type& p, bool schmidt) {
    Schritt(schmidt ? p.SW_Korr_40 : p.SW_Korr_60, Korrektur_Schritt, SW_Korr_Max);
}

void Korrektur_SW_Minus(Parameter_Type& p, bool schmidt) {
    Schritt(schmidt ? p.SW_Korr_40 : p.SW_Korr_60, -Korrektur_Schritt, SW_Korr_Max);
}
