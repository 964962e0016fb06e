#include "app/fenster_tabelle.hpp"

#include <cstring>

namespace {

using A = Steuer_Art;
using R = Ausrichtung;

// Colours of the window's scheme.
constexpr Farbe Keine{};
constexpr Farbe Schwarz{0, 0, 0};
constexpr Farbe Uhr_Grund{48, 48, 48};
constexpr Farbe Grau{128, 128, 128};
constexpr Farbe Dunkler_Schatten{64, 64, 64}; // 3-D dark shadow
constexpr Farbe Weiss{255, 255, 255};
constexpr Farbe Oliv{128, 128, 0};
constexpr Farbe Fenstertext{0, 0, 0};
constexpr Farbe Kastanie{128, 0, 0};
constexpr Farbe Inaktiver_Titel{128, 128, 128};
constexpr Farbe Aktiver_Titel{10, 36, 106};
constexpr Farbe Geldgruen{192, 220, 192};
constexpr Farbe Knopfflaeche{240, 240, 240};
constexpr Farbe Warnrot{255, 96, 96};

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
constexpr Schrift_Def Marke_Schrift{"Arial", 24, true};
constexpr Schrift_Def Liste_Schrift{"Arial Narrow", 20};
constexpr Schrift_Def Enter_Schrift{"Arial", 27, true};
constexpr Schrift_Def Eingabe_Schrift{"Arial Narrow", 27, true};
constexpr Schrift_Def Gitter_Schrift{"Courier", 13, true};

constexpr const char* Ueber_Alle = "*";

// clang-format off
constexpr Steuerelement tabelle[] = {
    // Clock area.
    {"Label12",                 A::Label,       "PC Zeit",                             181, 590, 100,  30,  Uhr_Grund,        Grau,             Uhr,             R::Links_Oben},
    {"Label_PC_Zeit",           A::Label,       "0000-00-00 00:00:00",                 281, 590, 257,  30,  Uhr_Grund,        Grau,             Uhr,             R::Links_Oben},
    {"Label5",                  A::Label,       "UT Zeit",                             181, 620, 100,  30,  Uhr_Grund,        Grau,             Uhr,             R::Links_Oben},
    {"Label_UT_Zeit",           A::Label,       "0000-00-00 00:00:00",                 281, 620, 257,  30,  Uhr_Grund,        Grau,             Uhr,             R::Links_Oben},
    {"Label3",                  A::Label,       "GMST   ",                             181, 650, 234,  30,  Uhr_Grund,        Grau,             Uhr,             R::Rechts_Oben},
    {"Label_GMST",              A::Label,       "00:00:00",                            416, 650, 123,  30,  Uhr_Grund,        Grau,             Uhr,             R::Links_Oben},
    {"Label2",                  A::Label,       "Z.zone",                              551, 590, 88,   30,  Uhr_Grund,        Grau,             Uhr,             R::Links_Oben},
    {"Label_ZeitZone",          A::Label,       "UT+1h",                               639, 590, 180,  30,  Uhr_Grund,        Grau,             Uhr,             R::Links_Oben},
    {"Label4",                  A::Label,       "J.D.",                                551, 620, 88,   30,  Uhr_Grund,        Grau,             Uhr,             R::Links_Oben},
    {"Label_JD",                A::Label,       "2451545.0000",                        639, 620, 180,  30,  Uhr_Grund,        Grau,             Uhr,             R::Links_Oben},
    {"Label1",                  A::Label,       "LMST",                                551, 650, 88,   30,  Uhr_Grund,        Grau,             Uhr,             R::Links_Oben},
    {"Label_LMST",              A::Label,       "00:00:00",                            639, 650, 180,  30,  Uhr_Grund,        Grau,             Uhr,             R::Links_Oben},
    {"StatusBar1",              A::Statuszeile, "",                                    0,   685, 1018, 25,  Knopfflaeche,     Fenstertext,      Geerbt,          R::Links_Oben},

    // Object and pointing area.
    {"Label_Objekt",            A::Label,       "Objekt-Bezeichnung (Alias; Distanz)", 1,   345, 1016, 42,  Dunkler_Schatten, Dunkler_Schatten, Objekt_Schrift,  R::Mitte},
    {"Label_Deklination",       A::Label,       "Deklination*",                        181, 395, 196,  32,  Dunkler_Schatten, Grau,             Kreis,           R::Links_Oben},
    {"Label_DE_Raddeg",         A::Label,       "+07",                                 377, 395, 55,   32,  Dunkler_Schatten, Weiss,            Kreis,           R::Rechts_Oben},
    {"Label14",                 A::Label,       ".",                                   432, 397, 14,   30,  Dunkler_Schatten, Weiss,            Kreis,           R::Mitte_Oben},
    // The degree sign over the decimal point.
    {"Label13",                 A::Label,       "°",                                   432, 395, 14,   22,  Dunkler_Schatten, Weiss,            Kreis,           R::Mitte_Oben,  nullptr, "Label14", true},
    {"Label_DE_Raddez",         A::Label,       "0",                                   446, 395, 68,   32,  Dunkler_Schatten, Weiss,            Kreis,           R::Links_Oben},
    {"Label6",                  A::Label,       "Stundenwinkel*",                      181, 427, 196,  32,  Dunkler_Schatten, Grau,             Kreis,           R::Links_Oben},
    {"Label_StdRadhrs",         A::Label,       "11",                                  377, 427, 55,   32,  Dunkler_Schatten, Weiss,            Kreis,           R::Rechts_Oben},
    // One column over the hours.
    {"Label16",                 A::Label,       "h",                                   431, 427, 17,   32,  Dunkler_Schatten, Weiss,            Kreis,           R::Mitte_Oben,  nullptr, "Label_StdRadhrs"},
    {"Label_StdRadmin",         A::Label,       "51.4",                                448, 427, 66,   32,  Dunkler_Schatten, Weiss,            Kreis,           R::Mitte_Oben},
    {"Label_Hoehe",             A::Label,       "Höhe",                                517, 395, 141,  32,  Dunkler_Schatten, Grau,             Kreis,           R::Links_Oben},
    {"Label_Height",            A::Label,       "45.0°",                               658, 395, 96,   32,  Dunkler_Schatten, Weiss,            Kreis,           R::Rechts_Oben},
    {"Label17",                 A::Label,       "",                                    754, 395, 65,   32,  Dunkler_Schatten, Weiss,            Kreis,           R::Rechts_Oben},
    {"Label_Azimut",            A::Label,       "Azimut",                              517, 427, 141,  32,  Dunkler_Schatten, Grau,             Kreis,           R::Links_Oben},
    {"Label_Azimuth",           A::Label,       "180.0°",                              658, 427, 96,   32,  Dunkler_Schatten, Weiss,            Kreis,           R::Rechts_Oben},
    {"Label19",                 A::Label,       "",                                    754, 427, 65,   32,  Dunkler_Schatten, Weiss,            Kreis,           R::Rechts_Oben},
    {"Label_Luftmasse",         A::Label,       "Luftmasse",                           517, 459, 141,  32,  Dunkler_Schatten, Grau,             Kreis,           R::Links_Oben},
    {"Label_AirMass",           A::Label,       "1.000",                               658, 459, 96,   32,  Dunkler_Schatten, Weiss,            Kreis,           R::Rechts_Oben},
    {"Label20",                 A::Label,       "",                                    754, 459, 65,   32,  Dunkler_Schatten, Weiss,            Kreis,           R::Rechts_Oben},
    {"Label_RA2000",            A::Label,       "RA(J2000) 00:00:00.0h",               181, 494, 230,  21,  Oliv,             Fenstertext,      Zeile,           R::Links_Oben},
    {"Label_DE2000",            A::Label,       "DE(J2000) +00:00:00°",                411, 494, 230,  21,  Oliv,             Fenstertext,      Zeile,           R::Links_Oben},
    {"Label_Con",               A::Label,       "Con: ARI",                            641, 494, 178,  21,  Oliv,             Fenstertext,      Zeile,           R::Links_Oben},
    {"Label_RAapp",             A::Label,       "RA(appar) 00:00:00.0h",               181, 515, 230,  21,  Oliv,             Fenstertext,      Zeile,           R::Links_Oben},
    {"Label_DEapp",             A::Label,       "DE(appar) +00:00:00°",                411, 515, 230,  21,  Oliv,             Fenstertext,      Zeile,           R::Links_Oben},
    {"Label_Typ",               A::Label,       "Typ: OCL",                            641, 515, 178,  21,  Oliv,             Fenstertext,      Zeile,           R::Links_Oben},
    {"Label_Info",              A::Label,       "",                                    181, 537, 638,  21,  Oliv,             Fenstertext,      Zeile,           R::Links_Oben},
    {"Label_Sichtbarkeit",      A::Label,       "",                                    1,   268, 1016, 30,  Schwarz,          Grau,             Sicht_Schrift,   R::Mitte},
    {"Label_Hoehenmarke",       A::Label,       "",                                    1,   304, 1016, 36,  Schwarz,          Warnrot,          Marke_Schrift,   R::Mitte},
    // The "+"/"-" buttons lie over the reading labels.
    {"Button_DE_plus",          A::Taste,       "+",                                   500, 397, 14,   14,  Keine,            Keine,            Klein,           R::Mitte,       nullptr, "Label_DE_Raddez"},
    {"Button_DE_minus",         A::Taste,       "-",                                   500, 413, 14,   14,  Keine,            Keine,            Klein,           R::Mitte,       nullptr, "Label_DE_Raddez"},
    {"Button1",                 A::Taste,       "+",                                   378, 429, 14,   14,  Keine,            Keine,            Klein,           R::Mitte,       nullptr, "Label_StdRadhrs"},
    {"Button2",                 A::Taste,       "-",                                   378, 445, 14,   14,  Keine,            Keine,            Klein,           R::Mitte,       nullptr, "Label_StdRadhrs"},

    // Selection area: catalogue labels, list, keypad, entry box.
    {"Label_Messier",           A::Klick_Label, "Messier",                             3,   3,   172,  30,  Kastanie,         Inaktiver_Titel,  Katalog,         R::Links_Mitte},
    {"Label_Planet",            A::Klick_Label, "Planet",                              3,   36,  172,  30,  Kastanie,         Inaktiver_Titel,  Katalog,         R::Links_Mitte},
    {"Label_Asteroid",          A::Klick_Label, "Asteroid",                            3,   69,  172,  30,  Kastanie,         Inaktiver_Titel,  Katalog,         R::Links_Mitte},
    {"Label_Variable",          A::Klick_Label, "Veränderlicher",                      3,   102, 172,  30,  Kastanie,         Inaktiver_Titel,  Katalog,         R::Links_Mitte},
    {"Label_Fotometrie",        A::Klick_Label, "Fotometrie",                          3,   135, 172,  30,  Kastanie,         Inaktiver_Titel,  Katalog,         R::Links_Mitte},
    {"Label_Eigene",            A::Klick_Label, "eigenes Objekt",                      3,   168, 172,  30,  Kastanie,         Inaktiver_Titel,  Katalog,         R::Links_Mitte},
    {"Label_Geosynchron",       A::Klick_Label, "Geostat. Satell.",                    3,   200, 172,  30,  Kastanie,         Inaktiver_Titel,  Katalog,         R::Links_Mitte},
    {"Label_Komet",             A::Klick_Label, "Komet",                               3,   232, 172,  30,  Kastanie,         Inaktiver_Titel,  Katalog,         R::Links_Mitte},
    {"Label_SAO",               A::Klick_Label, "SAO",                                 727, 3,   68,   30,  Kastanie,         Inaktiver_Titel,  Katalog,         R::Mitte},
    {"Label_HIP",               A::Klick_Label, "HIP",                                 798, 3,   68,   30,  Kastanie,         Inaktiver_Titel,  Katalog,         R::Mitte},
    {"Label_NGC",               A::Klick_Label, "NGC",                                 875, 3,   68,   30,  Kastanie,         Inaktiver_Titel,  Katalog,         R::Mitte},
    {"Label_IC",                A::Klick_Label, "IC",                                  948, 3,   68,   30,  Kastanie,         Inaktiver_Titel,  Katalog,         R::Mitte},
    {"Combo",                   A::Auswahl,     "",                                    177, 2,   325,  32,  Schwarz,          Weiss,            Liste_Schrift,   R::Links_Mitte},
    {"Button_1",                A::Taste,       "1",                                   728, 40,  45,   35,  Keine,            Keine,            Ziffer,          R::Mitte},
    {"Button_2",                A::Taste,       "2",                                   775, 40,  45,   35,  Keine,            Keine,            Ziffer,          R::Mitte},
    {"Button_3",                A::Taste,       "3",                                   822, 40,  45,   35,  Keine,            Keine,            Ziffer,          R::Mitte},
    {"Button_4",                A::Taste,       "4",                                   728, 77,  45,   35,  Keine,            Keine,            Ziffer,          R::Mitte},
    {"Button_5",                A::Taste,       "5",                                   775, 77,  45,   35,  Keine,            Keine,            Ziffer,          R::Mitte},
    {"Button_6",                A::Taste,       "6",                                   822, 77,  45,   35,  Keine,            Keine,            Ziffer,          R::Mitte},
    {"Button_7",                A::Taste,       "7",                                   728, 114, 45,   35,  Keine,            Keine,            Ziffer,          R::Mitte},
    {"Button_8",                A::Taste,       "8",                                   775, 114, 45,   35,  Keine,            Keine,            Ziffer,          R::Mitte},
    {"Button_9",                A::Taste,       "9",                                   822, 114, 45,   35,  Keine,            Keine,            Ziffer,          R::Mitte},
    {"Button_0",                A::Taste,       "0",                                   775, 151, 45,   35,  Keine,            Keine,            Ziffer,          R::Mitte},
    {"Button_Clear",            A::Taste,       "CE",                                  728, 151, 45,   35,  Keine,            Keine,            Buchstabe,       R::Mitte},
    // The suffix keys, shown while a suffix may follow.
    {"Button_A",                A::Taste,       "A",                                   877, 40,  45,   35,  Keine,            Keine,            Buchstabe,       R::Mitte},
    {"Button_B",                A::Taste,       "B",                                   924, 40,  45,   35,  Keine,            Keine,            Buchstabe,       R::Mitte},
    {"Button_C",                A::Taste,       "C",                                   971, 40,  45,   35,  Keine,            Keine,            Buchstabe,       R::Mitte},
    {"Button_D",                A::Taste,       "D",                                   877, 77,  45,   35,  Keine,            Keine,            Buchstabe,       R::Mitte},
    {"Button_E",                A::Taste,       "E",                                   924, 77,  45,   35,  Keine,            Keine,            Buchstabe,       R::Mitte},
    {"Button_F",                A::Taste,       "F",                                   971, 77,  45,   35,  Keine,            Keine,            Buchstabe,       R::Mitte},
    {"Button_Enter",            A::Taste,       "Enter",                               877, 151, 140,  35,  Keine,            Keine,            Enter_Schrift,   R::Mitte},
    {"Edit_Objekt",             A::Eingabe,     "omi Cet",                             512, 189, 505,  35,  Aktiver_Titel,    Geldgruen,        Eingabe_Schrift, R::Links_Mitte},

    // Panels, each with its small image and its title, over the window while shown.
    {"Panel_About",             A::Tafel,       nullptr,                               651, 688, 345,  473, Knopfflaeche,     Fenstertext,      Geerbt,          R::Links_Oben,  nullptr, Ueber_Alle},
    {"Image1",                  A::Label,       "★",                                   8,   8,   32,   32,  Keine,            Keine,            Bild,            R::Links_Mitte, "Panel_About"},
    {"Label_FInspektor",        A::Label,       "Stelux Versions-Information",         48,  12,  290,  24,  Keine,            Keine,            Titel,           R::Links_Mitte, "Panel_About"},
    // 17 rows of 19 pixels and the frame.
    {"StringGrid_VersionsInfo", A::Gitter,      nullptr,                               6,   48,  333,  327, Keine,            Keine,            Gitter_Schrift,  R::Links_Oben,  "Panel_About"},
    {"Button_About_OK",         A::Knopf,       "OK",                                  135, 428, 75,   30,  Keine,            Keine,            Geerbt,          R::Mitte,       "Panel_About"},
    {"Panel_SysInfo",           A::Tafel,       nullptr,                               888, 688, 644,  578, Knopfflaeche,     Fenstertext,      Geerbt,          R::Links_Oben,  nullptr, Ueber_Alle},
    {"Image2",                  A::Label,       "★",                                   8,   8,   32,   32,  Keine,            Keine,            Bild,            R::Links_Mitte, "Panel_SysInfo"},
    {"Label7",                  A::Label,       "Stelux System-Information",           48,  12,  400,  24,  Keine,            Keine,            Titel,           R::Links_Mitte, "Panel_SysInfo"},
    {"Memo_SysInfo",            A::Notizfeld,   nullptr,                               8,   48,  628,  480, Keine,            Keine,            Geerbt,          R::Links_Oben,  "Panel_SysInfo"},
    {"Button3",                 A::Knopf,       "OK",                                  284, 536, 75,   30,  Keine,            Keine,            Geerbt,          R::Mitte,       "Panel_SysInfo"},
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
