#include "app/fenster_tabelle.hpp"

#include <cstring>

namespace {

using enum Steuer_Art;
using enum Ausrichtung;

// Colours of the window's scheme.
constexpr Design_Farbe Keine{};
constexpr Design_Farbe Schwarz{0, 0, 0};
constexpr Design_Farbe Uhr_Grund{48, 48, 48};
// Every text stands at least 4.5 : 1 above its ground (WCAG relative luminance).
constexpr Design_Farbe Beschriftung{176, 176, 176};
constexpr Design_Farbe Ablese_Grund{40, 40, 40};
constexpr Design_Farbe Weiss{255, 255, 255};
constexpr Design_Farbe Oliv{128, 128, 0};
constexpr Design_Farbe Fenstertext{0, 0, 0};
constexpr Design_Farbe Kastanie{128, 0, 0};
constexpr Design_Farbe Katalog_Schrift{200, 200, 200};
constexpr Design_Farbe Planung_Grund{255, 176, 0}; // amber, as the clocks of a planned instant
constexpr Design_Farbe Aktiver_Titel{10, 36, 106};
constexpr Design_Farbe Geldgruen{192, 220, 192};
constexpr Design_Farbe Knopfflaeche{240, 240, 240};
constexpr Design_Farbe Warnrot{255, 96, 96};

// Fonts of the design.
constexpr Schrift_Def Geerbt{};
constexpr Schrift_Def Uhr{"Arial", 25, true};
// The fixed font at the size where the longest caption fits its label.
constexpr Schrift_Def Kreis{"8514oem", 23, true};
constexpr Schrift_Def Zeile{"Fixedsys", 18, true};
constexpr Schrift_Def Klein{"MS Sans Serif", 11, true};
constexpr Schrift_Def Katalog{"Arial", 23, true};
constexpr Schrift_Def Ziffer{"Arial", 23};
constexpr Schrift_Def Buchstabe{"Arial", 20};
constexpr Schrift_Def Bild{"Arial", 28};
constexpr Schrift_Def Titel{"Arial", 16, true};
constexpr Schrift_Def Objekt_Schrift{"Arial", 33};
constexpr Schrift_Def Sicht_Schrift{"Arial", 18, true};
constexpr Schrift_Def Nacht_Schrift{"Arial", 13, true};
constexpr Schrift_Def Marke_Schrift{"Arial", 24, true};
constexpr Schrift_Def Liste_Schrift{"Arial Narrow", 20};
constexpr Schrift_Def Enter_Schrift{"Arial", 27, true};
constexpr Schrift_Def Eingabe_Schrift{"Arial Narrow", 27, true};
constexpr Schrift_Def Gitter_Schrift{"Courier", 13, true};

constexpr const char* Ueber_Alle = "*";

// clang-format off
constexpr Steuerelement tabelle[] = {
    // Clock area.
    {"Label12",                 Label,       "PC Zeit",                             181, 590, 100,  30,  Uhr_Grund,        Beschriftung,     Uhr,             Links_Oben},
    {"Label_PC_Zeit",           Label,       "0000-00-00 00:00:00",                 281, 590, 257,  30,  Uhr_Grund,        Beschriftung,     Uhr,             Links_Oben},
    {"Label5",                  Label,       "UT Zeit",                             181, 620, 100,  30,  Uhr_Grund,        Beschriftung,     Uhr,             Links_Oben},
    {"Label_UT_Zeit",           Label,       "0000-00-00 00:00:00",                 281, 620, 257,  30,  Uhr_Grund,        Beschriftung,     Uhr,             Links_Oben},
    {"Label3",                  Label,       "GMST   ",                             181, 650, 234,  30,  Uhr_Grund,        Beschriftung,     Uhr,             Rechts_Oben},
    {"Label_GMST",              Label,       "00:00:00",                            416, 650, 123,  30,  Uhr_Grund,        Beschriftung,     Uhr,             Links_Oben},
    {"Label2",                  Label,       "Z.zone",                              551, 590, 88,   30,  Uhr_Grund,        Beschriftung,     Uhr,             Links_Oben},
    {"Label_ZeitZone",          Label,       "UT+1h",                               639, 590, 180,  30,  Uhr_Grund,        Beschriftung,     Uhr,             Links_Oben},
    {"Label4",                  Label,       "J.D.",                                551, 620, 88,   30,  Uhr_Grund,        Beschriftung,     Uhr,             Links_Oben},
    {"Label_JD",                Label,       "2451545.0000",                        639, 620, 180,  30,  Uhr_Grund,        Beschriftung,     Uhr,             Links_Oben},
    {"Label1",                  Label,       "LMST",                                551, 650, 88,   30,  Uhr_Grund,        Beschriftung,     Uhr,             Links_Oben},
    {"Label_LMST",              Label,       "00:00:00",                            639, 650, 180,  30,  Uhr_Grund,        Beschriftung,     Uhr,             Links_Oben},
    {"StatusBar1",              Statuszeile, "",                                    0,   685, 1018, 25,  Knopfflaeche,     Fenstertext,      Geerbt,          Links_Oben},

    // Object and pointing area.
    {"Label_Objekt",            Label,       "Objekt-Bezeichnung (Alias; Distanz)", 1,   345, 1016, 42,  Ablese_Grund, Ablese_Grund, Objekt_Schrift,  Mitte},
    {"Label_Deklination",       Label,       "Deklination*",                        181, 395, 196,  32,  Ablese_Grund, Beschriftung,     Kreis,           Links_Oben},
    {"Label_DE_Raddeg",         Label,       "+07",                                 377, 395, 55,   32,  Ablese_Grund, Weiss,            Kreis,           Rechts_Oben},
    {"Label14",                 Label,       ".",                                   432, 397, 14,   30,  Ablese_Grund, Weiss,            Kreis,           Mitte_Oben},
    // The degree sign over the decimal point.
    {"Label13",                 Label,       "°",                                   432, 395, 14,   22,  Ablese_Grund, Weiss,            Kreis,           Mitte_Oben,  nullptr, "Label14", true},
    {"Label_DE_Raddez",         Label,       "0",                                   446, 395, 68,   32,  Ablese_Grund, Weiss,            Kreis,           Links_Oben},
    {"Label6",                  Label,       "Stundenwinkel*",                      181, 427, 196,  32,  Ablese_Grund, Beschriftung,     Kreis,           Links_Oben},
    {"Label_StdRadhrs",         Label,       "11",                                  377, 427, 55,   32,  Ablese_Grund, Weiss,            Kreis,           Rechts_Oben},
    // One column over the hours.
    {"Label16",                 Label,       "h",                                   431, 427, 17,   32,  Ablese_Grund, Weiss,            Kreis,           Mitte_Oben,  nullptr, "Label_StdRadhrs"},
    {"Label_StdRadmin",         Label,       "51.4",                                448, 427, 66,   32,  Ablese_Grund, Weiss,            Kreis,           Mitte_Oben},
    {"Label_Hoehe",             Label,       "Höhe",                                517, 395, 141,  32,  Ablese_Grund, Beschriftung,     Kreis,           Links_Oben},
    {"Label_Height",            Label,       "45.0°",                               658, 395, 96,   32,  Ablese_Grund, Weiss,            Kreis,           Rechts_Oben},
    {"Label17",                 Label,       "",                                    754, 395, 65,   32,  Ablese_Grund, Weiss,            Kreis,           Rechts_Oben},
    {"Label_Azimut",            Label,       "Azimut",                              517, 427, 141,  32,  Ablese_Grund, Beschriftung,     Kreis,           Links_Oben},
    {"Label_Azimuth",           Label,       "180.0°",                              658, 427, 96,   32,  Ablese_Grund, Weiss,            Kreis,           Rechts_Oben},
    {"Label19",                 Label,       "",                                    754, 427, 65,   32,  Ablese_Grund, Weiss,            Kreis,           Rechts_Oben},
    {"Label_Luftmasse",         Label,       "Luftmasse",                           517, 459, 141,  32,  Ablese_Grund, Beschriftung,     Kreis,           Links_Oben},
    {"Label_AirMass",           Label,       "1.000",                               658, 459, 96,   32,  Ablese_Grund, Weiss,            Kreis,           Rechts_Oben},
    {"Label20",                 Label,       "",                                    754, 459, 65,   32,  Ablese_Grund, Weiss,            Kreis,           Rechts_Oben},
    // The pointing model under the hour circle while the readings include it.
    {"Label_Modell",            Label,       "",                                    181, 461, 333,  28,  Ablese_Grund, Weiss,            Titel,           Links_Mitte},
    {"Label_RA2000",            Label,       "RA(J2000) 00:00:00.0h",               181, 494, 230,  21,  Oliv,             Fenstertext,      Zeile,           Links_Oben},
    {"Label_DE2000",            Label,       "DE(J2000) +00:00:00°",                411, 494, 230,  21,  Oliv,             Fenstertext,      Zeile,           Links_Oben},
    {"Label_Con",               Label,       "Con: ARI",                            641, 494, 178,  21,  Oliv,             Fenstertext,      Zeile,           Links_Oben},
    {"Label_RAapp",             Label,       "RA(appar) 00:00:00.0h",               181, 515, 230,  21,  Oliv,             Fenstertext,      Zeile,           Links_Oben},
    {"Label_DEapp",             Label,       "DE(appar) +00:00:00°",                411, 515, 230,  21,  Oliv,             Fenstertext,      Zeile,           Links_Oben},
    {"Label_Typ",               Label,       "Typ: OCL",                            641, 515, 178,  21,  Oliv,             Fenstertext,      Zeile,           Links_Oben},
    {"Label_Info",              Label,       "",                                    181, 537, 638,  21,  Oliv,             Fenstertext,      Zeile,           Links_Oben},
    {"Label_Sichtbarkeit",      Label,       "",                                    1,   268, 1016, 30,  Schwarz,          Beschriftung,     Sicht_Schrift,   Mitte},
    // The band over the clocks while a planned instant is shown.
    {"Label_Planung",           Label,       "",                                    181, 561, 638,  27,  Planung_Grund,    Schwarz,          Sicht_Schrift,   Mitte},
    {"Label_Hoehenmarke",       Label,       "",                                    1,   304, 1016, 36,  Schwarz,          Warnrot,          Marke_Schrift,   Mitte},
    // The night's timetable beside the readings, written by the clock tick.
    {"Label_Nacht",             Label,       nullptr,                               824, 395, 192,  286, Ablese_Grund,     Beschriftung,     Nacht_Schrift,   Links_Oben},
    // The "+"/"-" buttons lie over the reading labels.
    {"Button_DE_plus",          Taste,       "+",                                   500, 397, 14,   14,  Keine,            Keine,            Klein,           Mitte,       nullptr, "Label_DE_Raddez"},
    {"Button_DE_minus",         Taste,       "-",                                   500, 413, 14,   14,  Keine,            Keine,            Klein,           Mitte,       nullptr, "Label_DE_Raddez"},
    {"Button1",                 Taste,       "+",                                   378, 429, 14,   14,  Keine,            Keine,            Klein,           Mitte,       nullptr, "Label_StdRadhrs"},
    {"Button2",                 Taste,       "-",                                   378, 445, 14,   14,  Keine,            Keine,            Klein,           Mitte,       nullptr, "Label_StdRadhrs"},

    // Selection area: catalogue labels, list, keypad, entry box.
    {"Label_Messier",           Klick_Label, "Messier",                             3,   3,   172,  30,  Kastanie,         Katalog_Schrift,  Katalog,         Links_Mitte},
    {"Label_Planet",            Klick_Label, "Planet",                              3,   36,  172,  30,  Kastanie,         Katalog_Schrift,  Katalog,         Links_Mitte},
    {"Label_Asteroid",          Klick_Label, "Asteroid",                            3,   69,  172,  30,  Kastanie,         Katalog_Schrift,  Katalog,         Links_Mitte},
    {"Label_Variable",          Klick_Label, "Veränderlicher",                      3,   102, 172,  30,  Kastanie,         Katalog_Schrift,  Katalog,         Links_Mitte},
    {"Label_Fotometrie",        Klick_Label, "Fotometrie",                          3,   135, 172,  30,  Kastanie,         Katalog_Schrift,  Katalog,         Links_Mitte},
    {"Label_Eigene",            Klick_Label, "eigenes Objekt",                      3,   168, 172,  30,  Kastanie,         Katalog_Schrift,  Katalog,         Links_Mitte},
    {"Label_Geosynchron",       Klick_Label, "Geostat. Satell.",                    3,   200, 172,  30,  Kastanie,         Katalog_Schrift,  Katalog,         Links_Mitte},
    {"Label_Komet",             Klick_Label, "Komet",                               3,   232, 172,  30,  Kastanie,         Katalog_Schrift,  Katalog,         Links_Mitte},
    {"Label_SAO",               Klick_Label, "SAO",                                 727, 3,   68,   30,  Kastanie,         Katalog_Schrift,  Katalog,         Mitte},
    {"Label_HIP",               Klick_Label, "HIP",                                 798, 3,   68,   30,  Kastanie,         Katalog_Schrift,  Katalog,         Mitte},
    {"Label_NGC",               Klick_Label, "NGC",                                 875, 3,   68,   30,  Kastanie,         Katalog_Schrift,  Katalog,         Mitte},
    {"Label_IC",                Klick_Label, "IC",                                  948, 3,   68,   30,  Kastanie,         Katalog_Schrift,  Katalog,         Mitte},
    {"Combo",                   Auswahl,     "",                                    177, 2,   325,  32,  Schwarz,          Weiss,            Liste_Schrift,   Links_Mitte},
    {"Button_1",                Taste,       "1",                                   728, 40,  45,   35,  Keine,            Keine,            Ziffer,          Mitte},
    {"Button_2",                Taste,       "2",                                   775, 40,  45,   35,  Keine,            Keine,            Ziffer,          Mitte},
    {"Button_3",                Taste,       "3",                                   822, 40,  45,   35,  Keine,            Keine,            Ziffer,          Mitte},
    {"Button_4",                Taste,       "4",                                   728, 77,  45,   35,  Keine,            Keine,            Ziffer,          Mitte},
    {"Button_5",                Taste,       "5",                                   775, 77,  45,   35,  Keine,            Keine,            Ziffer,          Mitte},
    {"Button_6",                Taste,       "6",                                   822, 77,  45,   35,  Keine,            Keine,            Ziffer,          Mitte},
    {"Button_7",                Taste,       "7",                                   728, 114, 45,   35,  Keine,            Keine,            Ziffer,          Mitte},
    {"Button_8",                Taste,       "8",                                   775, 114, 45,   35,  Keine,            Keine,            Ziffer,          Mitte},
    {"Button_9",                Taste,       "9",                                   822, 114, 45,   35,  Keine,            Keine,            Ziffer,          Mitte},
    {"Button_0",                Taste,       "0",                                   775, 151, 45,   35,  Keine,            Keine,            Ziffer,          Mitte},
    {"Button_Clear",            Taste,       "CE",                                  728, 151, 45,   35,  Keine,            Keine,            Buchstabe,       Mitte},
    // The suffix keys, shown while a suffix may follow.
    {"Button_A",                Taste,       "A",                                   877, 40,  45,   35,  Keine,            Keine,            Buchstabe,       Mitte},
    {"Button_B",                Taste,       "B",                                   924, 40,  45,   35,  Keine,            Keine,            Buchstabe,       Mitte},
    {"Button_C",                Taste,       "C",                                   971, 40,  45,   35,  Keine,            Keine,            Buchstabe,       Mitte},
    {"Button_D",                Taste,       "D",                                   877, 77,  45,   35,  Keine,            Keine,            Buchstabe,       Mitte},
    {"Button_E",                Taste,       "E",                                   924, 77,  45,   35,  Keine,            Keine,            Buchstabe,       Mitte},
    {"Button_F",                Taste,       "F",                                   971, 77,  45,   35,  Keine,            Keine,            Buchstabe,       Mitte},
    {"Button_Enter",            Taste,       "Enter",                               877, 151, 140,  35,  Keine,            Keine,            Enter_Schrift,   Mitte},
    {"Edit_Objekt",             Eingabe,     "omi Cet",                             512, 189, 505,  35,  Aktiver_Titel,    Geldgruen,        Eingabe_Schrift, Links_Mitte},

    // Panels, each with its small image and its title, over the window while shown.
    {"Panel_About",             Tafel,       nullptr,                               651, 688, 345,  473, Knopfflaeche,     Fenstertext,      Geerbt,          Links_Oben,  nullptr, Ueber_Alle},
    {"Image1",                  Label,       "★",                                   8,   8,   32,   32,  Keine,            Keine,            Bild,            Links_Mitte, "Panel_About"},
    {"Label_FInspektor",        Label,       "Stelux Versions-Information",         48,  12,  290,  24,  Keine,            Keine,            Titel,           Links_Mitte, "Panel_About"},
    // 17 rows of 19 pixels and the frame.
    {"StringGrid_VersionsInfo", Gitter,      nullptr,                               6,   48,  333,  327, Keine,            Keine,            Gitter_Schrift,  Links_Oben,  "Panel_About"},
    {"Button_About_OK",         Knopf,       "OK",                                  135, 428, 75,   30,  Keine,            Keine,            Geerbt,          Mitte,       "Panel_About"},
    {"Panel_SysInfo",           Tafel,       nullptr,                               888, 688, 644,  578, Knopfflaeche,     Fenstertext,      Geerbt,          Links_Oben,  nullptr, Ueber_Alle},
    {"Image2",                  Label,       "★",                                   8,   8,   32,   32,  Keine,            Keine,            Bild,            Links_Mitte, "Panel_SysInfo"},
    {"Label7",                  Label,       "Stelux System-Information",           48,  12,  400,  24,  Keine,            Keine,            Titel,           Links_Mitte, "Panel_SysInfo"},
    {"Memo_SysInfo",            Notizfeld,   nullptr,                               8,   48,  628,  480, Keine,            Keine,            Geerbt,          Links_Oben,  "Panel_SysInfo"},
    {"Button3",                 Knopf,       "OK",                                  284, 536, 75,   30,  Keine,            Keine,            Geerbt,          Mitte,       "Panel_SysInfo"},
};
// clang-format on

} // namespace

std::span<const Steuerelement> Fenster_Tabelle() {
    return tabelle;
}

const Steuerelement* Fenster_Element(const char* name) {
    for (const Steuerelement& s : tabelle)
        if (std::strcmp(s.name, name) == 0) return &s;
    return nullptr;
}
