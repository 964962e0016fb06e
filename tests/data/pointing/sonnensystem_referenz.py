#!/usr/bin/python3
"""Reference places of the Sun, the Moon, the planets and a near-Earth
asteroid as seen from the observatory, and reference refraction values.

Usage: /usr/bin/python3 tests/data/pointing/sonnensystem_referenz.py
Writes sonnensystem_referenz.txt and Asteroiden.txt beside this script.

Places: PyEphem's (python3-ephem) astrometric geocentric a_ra/a_dec and
earth_distance, J2000, minus the observatory's geocentric vector. That vector
comes from the longitude, latitude and height on the WGS84 ellipsoid (ERFA
gd2gc), turned by the Greenwich mean sidereal time (ERFA gmst06) and taken from
the mean equator of date back to J2000 (the transpose of ERFA pmat06). The site
is that of the default parameters, the program's setting without a parameter
file.

Refraction: Saemundsson's formula written out here, and astropy's AltAz with
the pressure of the standard atmosphere at the site's height, 10 deg C, dry
air, 550 nm (python3-astropy, offline).
"""
import math
import os
import random
import sys

import ephem
import erfa
import numpy as np

HIER = os.path.dirname(os.path.abspath(__file__))
LAENGE, BREITE, HOEHE = 7.47497, 47.46651, 556.0  # degrees, degrees, metres
DUBLIN_JD = 2415020.0                               # PyEphem's day 0
AE_M = 149597870700.0
JD_2011 = 2455562.5  # 2011-01-01 0h UT
JD_2081 = 2480732.5  # 2081-01-01 0h UT
PLANETEN = [("Sonne", ephem.Sun), ("Merkur", ephem.Mercury), ("Venus", ephem.Venus),
            ("Mars", ephem.Mars), ("Jupiter", ephem.Jupiter), ("Saturn", ephem.Saturn),
            ("Uranus", ephem.Uranus), ("Neptun", ephem.Neptune)]


def delta_t(jd_ut):
    return ephem.delta_t(ephem.Date(jd_ut - DUBLIN_JD))


def beobachter(jd_ut):
    """The observatory's GCRS vector in AU."""
    itrs = erfa.gd2gc(1, math.radians(LAENGE), math.radians(BREITE), HOEHE)
    tt = jd_ut + delta_t(jd_ut) / 86400.0
    gmst = erfa.gmst06(jd_ut, 0.0, tt, 0.0)
    r = erfa.rz(-gmst, np.identity(3))
    datum = r @ itrs
    return erfa.pmat06(tt, 0.0).T @ datum / AE_M


def topozentrisch(ra, de, distanz, jd_ut):
    """Topocentric place (hours, degrees) and the parallax shift (arcseconds)."""
    g = distanz * np.array([math.cos(de) * math.cos(ra), math.cos(de) * math.sin(ra),
                            math.sin(de)])
    t = g - beobachter(jd_ut)
    ra_t, de_t = erfa.c2s(t)
    verschiebung = math.degrees(erfa.sepp(g, t)) * 3600.0
    return erfa.anp(ra_t) * 12.0 / math.pi, math.degrees(de_t), verschiebung


def instant(zufall):
    """A random instant 2011-2080 that falls on no table row."""
    while True:
        jd = zufall.uniform(JD_2011, JD_2081)
        if abs(jd * 2 - round(jd * 2)) > 0.01:
            return jd


def planeten(zufall, aus):
    for _ in range(300):
        jd = instant(zufall)
        for name, klasse in PLANETEN:
            k = klasse()
            k.compute(ephem.Date(jd - DUBLIN_JD))
            ra, de, p = topozentrisch(float(k.a_ra), float(k.a_dec), k.earth_distance, jd)
            aus.append(f"P {name} {jd:.8f} {ra:.12f} {de:.12f} {p:.3f}")


def mond(zufall, aus):
    for _ in range(200):
        jd = instant(zufall)
        m = ephem.Moon()
        m.compute(ephem.Date(jd - DUBLIN_JD))
        ra, de, p = topozentrisch(float(m.a_ra), float(m.a_dec), m.earth_distance, jd)
        aus.append(f"M {jd:.8f} {ra:.12f} {de:.12f} {p:.3f} {m.moon_phase:.6f}")


def asteroid(aus):
    """A near-Earth asteroid (elements of the kind of 99942's) placed by its
    mean anomaly so that it passes the Earth at about 0.03 AU; PyEphem is
    evaluated at the instant whose TT equals the program's UT, since the
    program takes UT for the elements' dynamical time."""
    sys.path.insert(0, os.path.join(HIER, "..", "..", "..", "tools", "catalogs"))
    import formate
    import zeilen

    a, e, i, knoten, peri, h, g = 0.9224, 0.1911, 3.339, 204.43, 126.60, 19.09, 0.24
    epoche_jd = ephem.julian_date(ephem.Date("2029/3/1"))
    jd = ephem.julian_date(ephem.Date("2029/4/10 18:00"))  # UT, the instant of the check
    n = 0.9856076686 / a ** 1.5

    def koerper(m0):
        k = ephem.EllipticalBody()
        k._a, k._e, k._inc, k._Om, k._om, k._M = a, e, i, knoten, peri, m0
        k._epoch_M = ephem.Date(epoche_jd - DUBLIN_JD)
        k._epoch = ephem.Date(ephem.J2000)
        k._H, k._G = h, g
        k.compute(ephem.Date(jd - delta_t(jd) / 86400.0 - DUBLIN_JD))
        return k

    # The mean anomaly, to 0.00001 deg as the line holds it, that brings the body
    # nearest to 0.03 AU from the Earth.
    beste = min((abs(koerper(m / 100.0).earth_distance - 0.03), m / 100.0)
                for m in range(0, 36000, 5))[1]
    beste = min((abs(koerper(round(beste + d / 1000.0, 5)).earth_distance - 0.03),
                 round(beste + d / 1000.0, 5)) for d in range(-50, 51))[1]
    k = koerper(beste)
    zeile = zeilen.asteroid_zeile("K29X00A", h, g, formate.gepacktes_datum(2029, 3, 1), beste,
                                  peri, knoten, i, e, n, a, "2029 XA")
    with open(os.path.join(HIER, "Asteroiden.txt"), "w", encoding="cp1252", newline="") as f:
        f.write(zeile + "\r\n")
    ra, de, p = topozentrisch(float(k.a_ra), float(k.a_dec), k.earth_distance, jd)
    aus.append(f"N {jd:.8f} {ra:.12f} {de:.12f} {p:.3f} {k.earth_distance:.6f} "
               f"{float(k.a_ra) * 12.0 / math.pi:.12f} {math.degrees(float(k.a_dec)):.12f}")


def refraktion(aus):
    from astropy.utils import iers
    iers.conf.auto_download = False
    import astropy.units as u
    from astropy.coordinates import ICRS, AltAz, EarthLocation, SkyCoord
    from astropy.time import Time

    druck = 1013.25 * (1.0 - 2.25577e-5 * HOEHE) ** 5.25588  # hPa, standard atmosphere
    ort = EarthLocation.from_geodetic(LAENGE * u.deg, BREITE * u.deg, HOEHE * u.m)
    zeit = Time("2020-06-01T00:00:00", scale="utc")
    ohne = AltAz(location=ort, obstime=zeit)
    mit = AltAz(location=ort, obstime=zeit, pressure=druck * u.hPa, temperature=10 * u.deg_C,
                relative_humidity=0.0, obswl=0.55 * u.micron)
    for hoehe in (-2.0, -1.0, 0.0, 5.0, 10.0, 20.0, 45.0, 90.0):
        # Saemundsson (1986), arcminutes for 1010 hPa and 10 deg C; none below -1 deg.
        r = 0.0
        if hoehe >= -1.0:
            r = 1.02 / math.tan(math.radians(hoehe + 10.3 / (hoehe + 5.11)))
            r = max(r, 0.0) * 60.0 * druck / 1010.0
        astropy = "-"
        if hoehe > 10.0 - 1e-9:
            q = SkyCoord(az=30 * u.deg, alt=min(hoehe, 89.999) * u.deg, frame=ohne)
            astropy = f"{(q.transform_to(ICRS()).transform_to(mit).alt.deg - min(hoehe, 89.999)) * 3600:.3f}"
        aus.append(f"R {hoehe:.1f} {r:.4f} {astropy}")


def main():
    zufall = random.Random(11)
    aus = ["# Reference places seen from 7.47497 E, 47.46651 N, 556 m "
           "(sonnensystem_referenz.py).",
           "# P body jd_ut ra_h de_deg parallax_arcsec | M jd_ut ra_h de_deg parallax_arcsec "
           "phase | N jd_ut ra_h de_deg parallax_arcsec distance_au ra_geo_h de_geo_deg | R altitude_deg "
           "saemundsson_arcsec astropy_arcsec"]
    planeten(zufall, aus)
    mond(zufall, aus)
    asteroid(aus)
    refraktion(aus)
    with open(os.path.join(HIER, "sonnensystem_referenz.txt"), "w", encoding="ascii") as f:
        f.write("\n".join(aus) + "\n")


if __name__ == "__main__":
    main()
