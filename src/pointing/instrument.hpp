#pragma once
// The two instruments and their setting-circle corrections. The current
// instrument is kept by the observing state (Sitzung); the window's instrument
// menu shows it in its captions.
#include <cstdint>
#include <string>
#include <string_view>

#include "shared/parameter_type.hpp"

inline constexpr std::string_view Caption_Schmidt_Kamera = "&40cm Schmidt-Kamera";
inline constexpr std::string_view Caption_Cassegrain = "&60cm Cassegrain";

enum class Instrument_Art { Schmidt_Kamera_40, Cassegrain_60 };

// From the parameter file's value: 40 the Schmidt camera, any other value the Cassegrain.
Instrument_Art Instrument_Aus_Wert(std::int32_t wert);

// The parameter file's value of an instrument: 40 or 60.
std::int32_t Instrument_Wert(Instrument_Art instrument);

// The two menu captions at start-up from Parameter.Instrument: 40 puts the
// Schmidt camera on top, any other value the Cassegrain.
void Instrument_Captions(std::int32_t instrument, std::string& caption1, std::string& caption2);

// Corrections of the current instrument: declination in degrees, hour angle in
// minutes of time.
double DE_Korrektur(const Parameter_Type& parameter, bool schmidt);
double SW_Korrektur(const Parameter_Type& parameter, bool schmidt);

// The four correction buttons: +-0.1 on the current instrument's field only.
// The sum is formed in extended precision and stored as a double.
void Korrektur_DE_Plus(Parameter_Type& parameter, bool schmidt);
void Korrektur_DE_Minus(Parameter_Type& parameter, bool schmidt);
void Korrektur_SW_Plus(Parameter_Type& parameter, bool schmidt);
void Korrektur_SW_Minus(Parameter_Type& parameter, bool schmidt);
