#pragma once
// The operating system's time-zone state as the clock needs it.
#include <cstdint>
#include <string>

struct System_Zeit {
    int Jahr = 0, Monat = 0, Tag = 0, Stunde = 0, Minute = 0, Sekunde = 0, Millisekunden = 0,
        Wochentag = 0;
};

struct Zeitzone_Info {
    // Answer of the query: -1 failed, 0 no daylight-saving rule in force (UT = PC clock),
    // 1 standard time, 2 daylight-saving time.
    int Zustand = -1;
    std::int32_t Bias = 0;         // minutes, UT = local standard time + Bias
    std::int32_t StandardBias = 0; // minutes, added to Bias in standard time (0 here)
    std::int32_t DaylightBias = 0; // minutes, added to Bias in daylight-saving time
    std::string StandardName;
    std::string DaylightName;
    System_Zeit StandardDate; // next change to standard time
    System_Zeit DaylightDate; // next change to daylight-saving time
};
