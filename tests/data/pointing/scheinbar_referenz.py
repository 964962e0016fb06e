#!/usr/bin/python3
"""Reference true topocentric apparent places (true equator and equinox of
date) of the Sun, the Moon, the planets and Barnard's Star, their hour angles,
and air masses at low altitudes.

Usage: /usr/bin/python3 tests/data/pointing/scheinbar_referenz.py
Writes scheinbar_referenz.txt beside this script.

Instants: random UT instants 2019-2030; UT1 = UTC (DUT1 = 0, as the program's
clock), no polar motion, TT from the leap seconds (ERFA dat).

Frames: ERFA apco13 (IAU 2006/2000A, the Earth by epv00, diurnal aberration)
for the site of the default parameters, no refraction. The bodies' geocentric
astrometric places (J2000, light time applied) come from PyEphem (a_ra, a_dec,
earth_distance), the observatory's geocentric vector (apco13's eb minus the
Earth's barycentric position) is taken off, and ERFA atciqz applies light
deflection, aberration and precession-nutation; the star goes through ERFA
atciq with its proper motion and parallax. The right ascension of date is the
CIO-based one minus the equation of the origins; the hour angle counts from
the Greenwich apparent sidereal time (gst06a) plus the longitude.

Air mass: Kasten & Young (1989) at the apparent altitude, found from the
geometric one with Bennett's refraction (1982) at the pressure of the standard
atmosphere at the site's height and 10 deg C.
"""
import math
import os
import random

import ephem
import erfa
import numpy as np
import warnings

warnings.simplefilter("ignore", erfa.ErfaWarning)

HIER = os.path.dirname(os.path.abspath(__file__))
LAENGE, BREITE, HOEHE = 7.47497, 47.46651, 556.0  # degrees, degrees, metres
DUBLIN_JD = 2415020.0                               # PyEphem's day 0
JD_2019 = 2458484.5
JD_2031 = 2462867.5
KOERPER = [("Sonne", ephem.Sun), ("Merkur", ephem.Mercury), ("Venus", ephem.Venus),
           ("Mars", ephem.Mars), ("Jupiter", ephem.Jupiter), ("Saturn", ephem.Saturn),
           ("Uranus", ephem.Uranus), ("Neptun", ephem.Neptune), ("Mond", ephem.Moon)]
# Barnard's Star (HIP 87937) as the built catalogues give it: ICRS place at
# J2000.0 (Hipparcos_J2000.txt) and proper motion (mu_alpha cos delta, mu_delta)
# in mas/yr (Eigenbewegungen_HIP.txt); no parallax.
BARNARD = (17 + 57 / 60 + 48.498 / 3600, 4 + 41 / 60 + 35.81 / 3600, -798.80, 10277.30, 0.0)


def rahmen(jd_ut):
    tt1, tt2 = erfa.utctai(jd_ut, 0.0)
    tt1, tt2 = erfa.taitt(tt1, tt2)
    astrom, eo = erfa.apco13(jd_ut, 0.0, 0.0, math.radians(LAENGE), math.radians(BREITE), HOEHE,
                             0.0, 0.0, 0.0, 0.0, 0.0, 0.0)
    last = erfa.gst06a(jd_ut, 0.0, tt1, tt2) + math.radians(LAENGE)
    _, pvb = erfa.epv00(tt1, tt2)
    beob = astrom["eb"] - pvb[0]
    return astrom, eo, last, beob


def ort_des_datums(ri, di, eo, last):
    ra = erfa.anp(ri - eo)
    ha = erfa.anp(last - ra)
    return ra * 12 / math.pi, math.degrees(di), ha * 12 / math.pi


def koerper(jd_ut, aus):
    astrom, eo, last, beob = rahmen(jd_ut)
    for name, klasse in KOERPER:
        k = klasse()
        k.compute(ephem.Date(jd_ut - DUBLIN_JD))
        g = erfa.s2c(float(k.a_ra), float(k.a_dec)) * k.earth_distance  # AU
        rc, dc = erfa.c2s(g - beob)
        ri, di = erfa.atciqz(rc, dc, astrom)
        ra, de, ha = ort_des_datums(ri, di, eo, last)
        aus.append(f"P {name} {jd_ut:.8f} {ra:.12f} {de:.12f} {ha:.12f}")


def stern(jd_ut, aus):
    astrom, eo, last, _ = rahmen(jd_ut)
    ra0, de0, pma, pmd, px = BARNARD
    rc, dc = math.radians(ra0 * 15), math.radians(de0)
    mas = math.radians(1 / 3.6e6)
    pr, pd = pma * mas / math.cos(dc), pmd * mas
    ri, di = erfa.atciq(rc, dc, pr, pd, px / 1000, 0.0, astrom)
    ra, de, ha = ort_des_datums(ri, di, eo, last)
    ra_a, de_a = erfa.c2s(erfa.pmpx(rc, dc, pr, pd, px / 1000, 0.0, astrom["pmt"], astrom["eb"]))
    aus.append(f"S Barnard {jd_ut:.8f} {ra:.12f} {de:.12f} {ha:.12f} "
               f"{erfa.anp(ra_a) * 12 / math.pi:.12f} {math.degrees(de_a):.12f}")


def luftmasse(aus):
    druck = 1013.25 * (1.0 - 2.25577e-5 * HOEHE) ** 5.25588  # hPa
    for h in (1.0, 2.0, 3.0, 5.0, 10.0, 20.0, 45.0, 80.0):
        a = h
        for _ in range(50):  # a - R(a) = h
            r = 1 / math.tan(math.radians(a + 7.31 / (a + 4.4))) / 60
            r *= druck / 1010 * 283 / (273 + 10)
            a = h + r
        x = 1 / (math.sin(math.radians(a)) + 0.50572 * (a + 6.07995) ** -1.6364)
        aus.append(f"L {h:.1f} {a:.6f} {x:.6f}")


def label(aus):
    """The geocentric apparent place of a star at 5h30m, -5d15' (J2000) at
    JD 2451545.0 UT, for the texts of a tick: ERFA atci13."""
    tt1, tt2 = erfa.taitt(*erfa.utctai(2451545.0, 0.0))
    ri, di, eo = erfa.atci13(math.radians(5.5 * 15), math.radians(-5.25), 0, 0, 0, 0, tt1, tt2)
    aus.append(f"T {erfa.anp(ri - eo) * 12 / math.pi:.9f} {math.degrees(di):.9f}")


def main():
    zufall = random.Random(36)
    aus = ["# True topocentric apparent places seen from 7.47497 E, 47.46651 N, 556 m "
           "(scheinbar_referenz.py).",
           "# P body jd_ut ra_h de_deg hour_angle_h | S star jd_ut ra_h de_deg hour_angle_h "
           "ra_astrometric_h de_astrometric_deg | L geometric_alt_deg apparent_alt_deg airmass | "
           "T ra_h de_deg"]
    for _ in range(24):
        jd = zufall.uniform(JD_2019, JD_2031)
        koerper(jd, aus)
        stern(jd, aus)
    luftmasse(aus)
    label(aus)
    with open(os.path.join(HIER, "scheinbar_referenz.txt"), "w", encoding="ascii") as f:
        f.write("\n".join(aus) + "\n")


if __name__ == "__main__":
    main()
