#!/usr/bin/python3
"""Spot checks of a built catalogue folder against known values and ERFA.

    stichprobe.py DIR

Reads the files with the program's column rules and prints, for a few
well-known objects, what the program would find; the Sun and Mars rows of
one 2026 instant are compared with an independent place from ERFA (via
astropy: Earth from epv00, Mars from plan94, light time iterated).
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import lesen  # noqa: E402


def suche(ordner, name, pruef):
    kopf, leser = lesen.DATEIEN[name]
    zeilen = lesen.datei_zeilen(os.path.join(ordner, name))
    rumpf = lesen.nach_trennlinie(zeilen) if kopf == "--" else zeilen[kopf:]
    for z in rumpf:
        if pruef(z):
            return leser(z)
    return None


def sexa(x, stellen=1):
    vz = "-" if x < 0 else "+"
    x = abs(x)
    g = int(x)
    m = int((x - g) * 60)
    s = (x - g - m / 60) * 3600
    return f"{vz}{g:02d} {m:02d} {s:0{3 + stellen if stellen else 2}.{stellen}f}"


def erfa_ort(koerper, jd_ut, delta_t):
    """Geocentric astrometric RA (h), Dec (deg) of the Sun or Mars at a UT
    instant: ERFA barycentric positions, light time iterated."""
    import numpy as np
    from astropy.coordinates import get_body_barycentric
    from astropy.time import Time
    import astropy.units as u
    c = 173.1446326846693  # AU per day
    t = Time(jd_ut + delta_t / 86400.0, format="jd", scale="tt")
    erde = get_body_barycentric("earth", t, ephemeris="builtin").xyz.to("AU").value
    lt = 0.0
    for _ in range(4):
        p = get_body_barycentric(koerper, t - lt * u.day, ephemeris="builtin").xyz.to("AU").value
        d = p - erde
        lt = float(np.linalg.norm(d)) / c
    ra = math.degrees(math.atan2(d[1], d[0])) / 15.0 % 24.0
    de = math.degrees(math.asin(d[2] / np.linalg.norm(d)))
    return ra, de


def main(ordner):
    ngc = "NGC_IC_Messier_Catalogue_Revised.txt"
    for bez in ("M31", "M42", "M40", "M45", "M102", "N7000", "I1396"):
        o = suche(ordner, ngc, lambda z: lesen.text(z, 1, 6).upper() == bez)
        print(f"{bez:6} {o['con']} RA {sexa(o['ra'], 1)} DE {sexa(o['de'], 0)} B {o['b']} "
              f"V {o['v']} Typ {o['typ']} Dist {o['dist']} Mpc  {o['alias']}" if o else
              f"{bez}: FEHLT")
    o = suche(ordner, "Hipparcos_J2000.txt", lambda z: lesen.text(z, 1, 6) == "32349")
    print(f"HIP 32349 RA {sexa(o['ra'], 3)} DE {sexa(o['de'], 2)} V {o['v']} B-V {o['bv']} "
          f"{o['name1']} / {o['name2']} HD {o['hd']} {o['klasse']}")
    o = suche(ordner, "SAO_J2000.txt", lambda z: lesen.text(z, 1, 6) == "151881")
    print(f"SAO 151881 RA {sexa(o['ra'], 2)} DE {sexa(o['de'], 1)} V {o['v']} {o['klasse']} "
          f"{o['alias']}")
    for name in ("Sirius", "Polaris", "Vega"):
        o = suche(ordner, "Bright_Stars_Proper_Names_SAO.txt",
                  lambda z: lesen.text(z, 89, 108).upper() == name.upper())
        print(f"{name:8} RA {sexa(o['ra'], 3)} DE {sexa(o['de'], 2)} V {o['v']} {o['alias']}")
    for bez in ("omi Cet", "alf CMa", "61 Cyg", "o Leo", "alf Cen"):
        o = suche(ordner, "Flamsteed_Bayer_HD_CrossReference.txt",
                  lambda z: lesen.text(z, 70, 79) == bez)
        print(f"{bez:8} RA {sexa(o['ra'], 2)} DE {sexa(o['de'], 1)} V {o['v']} {o['alias']}")
    for name in ("R CrB", "omi Cet", "del Cep"):
        o = suche(ordner, "Variable_Stars_AAVSO.txt", lambda z: lesen.text(z, 1, 10) == name)
        print(f"V {name:8} RA {sexa(o['ra'], 2)} DE {sexa(o['de'], 1)} V {o['v']}")
    o = suche(ordner, "Landolt_Faint_Photometric_Standards.txt",
              lambda z: lesen.text(z, 106, 125).upper() == "92_245")
    print(f"Landolt 92_245 RA {sexa(o['ra'], 1)} DE {sexa(o['de'], 0)} V {o['v']} B {o['b']}")
    o = suche(ordner, "Geosynchrone_Satelliten.txt",
              lambda z: lesen.text(z, 1, 28).upper().startswith("METEOSAT-11"))
    print(f"Geostat {o['label']!r} -> Laenge {o['laenge']:+.1f} Grad")
    o = suche(ordner, "Asteroiden.txt", lambda z: "CERES" in lesen.text(z, 167, 194).upper())
    print(f"Ceres {o}")
    o = suche(ordner, "Kometen.txt", lambda z: "HALLEY" in z[99:256].decode("cp1252").upper())
    print(f"Halley {o}")

    import ephem
    jd = 2461114.5 + 0.5   # 2026-03-15 12h UT
    delta_t = ephem.delta_t(ephem.Date(jd - 2415020.0))
    for koerper, datei in (("sun", "Sonne"), ("mars", "Mars")):
        name = f"2010-2080_Horizons_{datei}.txt"
        o = suche(ordner, name, lambda z: abs(lesen.reell(z, 1, 12) - jd) <= 0.25)
        ra, de = erfa_ort(koerper, jd, delta_t)
        dra = (o["ra"] - ra) * 15 * 3600 * math.cos(math.radians(de))
        dde = (o["de"] - de) * 3600
        print(f"{datei:6} JD {o['jd']}: Tabelle RA {sexa(o['ra'], 2)} DE {sexa(o['de'], 1)} "
              f"| ERFA RA {sexa(ra, 2)} DE {sexa(de, 1)} | Abstand "
              f"{math.hypot(dra, dde):.2f}\" ; {o['con']} V {o['v']} {o['dist']} AU")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
