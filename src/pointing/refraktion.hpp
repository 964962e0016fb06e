#pragma once
// Atmospheric refraction of the observatory.

// Refraction at a geometric (airless) altitude.
//   hoehe  degrees; hoehe_ort  the observatory's height above sea level, metres
//   return degrees, added to the altitude; 0 more than 1 deg below the horizon
// Saemundsson (1986) for 1010 hPa and 10 deg C, scaled to the pressure of the
// standard atmosphere at the height, at 10 deg C.
double Refraktion(double hoehe, double hoehe_ort);

// Pressure of the standard atmosphere (ICAO) at a height in metres, hPa.
double Standard_Luftdruck(double hoehe_ort);
