"""Ephemeris tables of the Sun and the planets, computed with PyEphem.

Each row holds the geocentric astrometric place (J2000, light-time
corrected, no aberration) at a UT instant, every half day, so that every
instant of the covered years lies within a quarter day of a row.
"""

import math
import os
from multiprocessing import Pool

import ephem

import formate
import zeilen
from deepsky import sternbild

KOERPER = [("Sonne", ephem.Sun), ("Merkur", ephem.Mercury), ("Venus", ephem.Venus),
           ("Mars", ephem.Mars), ("Jupiter", ephem.Jupiter), ("Saturn", ephem.Saturn),
           ("Uranus", ephem.Uranus), ("Neptun", ephem.Neptune)]

JD_ANFANG = 2455197.5   # 2010-01-01 0h UT
JD_ENDE = 2481130.5     # 2081-01-01 0h UT
SCHRITT = 0.5           # days
DUBLIN_JD = 2415020.0   # PyEphem counts days from 1899-12-31 12h


def dateiname(name):
    return f"2010-2080_Horizons_{name}.txt"


def tabellen_zeilen(name, jd_anfang=JD_ANFANG, jd_ende=JD_ENDE, schritt=SCHRITT):
    """Yields the rows of one body's table."""
    koerper = dict(KOERPER)[name]()
    anzahl = int(round((jd_ende - jd_anfang) / schritt)) + 1
    for i in range(anzahl):
        jd = jd_anfang + i * schritt
        koerper.compute(ephem.Date(jd - DUBLIN_JD))
        ra, de = float(koerper.a_ra), float(koerper.a_dec)
        yield zeilen.ephemeriden_zeile(jd, ra * 12.0 / math.pi, math.degrees(de), koerper.mag,
                                       koerper.size, koerper.earth_distance, sternbild(ra, de))


def _tabelle_schreiben(auftrag):
    name, ziel = auftrag
    pfad = os.path.join(ziel, dateiname(name))
    return name, formate.schreiben(pfad, tabellen_zeilen(name))


def alle_schreiben(ziel, prozesse=2):
    """Writes the eight tables, the slow outer planets first so that the
    workers finish together. Returns {name: rows}."""
    reihenfolge = ["Saturn", "Jupiter", "Uranus", "Neptun", "Mars", "Venus", "Merkur", "Sonne"]
    auftraege = [(n, ziel) for n in reihenfolge]
    if prozesse <= 1:
        return dict(map(_tabelle_schreiben, auftraege))
    with Pool(prozesse) as p:
        return dict(p.imap_unordered(_tabelle_schreiben, auftraege))
