#pragma once
// Precession of equatorial coordinates (IAU 1976, Lieske et al. 1977), from any
// starting epoch to any final epoch.

// Equatorial precession angles between two epochs.
//   jdFrom, jdTo  Julian Dates of the starting and final epoch
//   zeta, z, theta  radians
void Praezessionswinkel(double jdFrom, double jdTo, double& zeta, double& z, double& theta);

// Rigorous precession of a place.
//   ra, de  radians, mean equator and equinox of jdFrom
//   raOut   radians in (-pi + z, pi + z], not reduced; deOut radians; equinox of jdTo
void Praezession(double jdFrom, double jdTo, double ra, double de, double& raOut, double& deOut);

// The same precession with the declination always taken from the arcsine of the
// polar component (the constellation lookup's form, slightly less precise
// within 26 deg of the north pole).
void Praezession_Arcsin(double jdFrom, double jdTo, double ra, double de, double& raOut,
                        double& deOut);
