#!/usr/bin/python3
"""Reference times at which objects rise above and sink below 20 deg altitude
and culminate, as seen from the observatory.

Usage: /usr/bin/python3 tests/data/planung/sichtbarkeit_referenz.py
Writes sichtbarkeit_referenz.txt beside this script.

PyEphem (python3-ephem): Observer at the site of the default parameters,
horizon '20', pressure 0 (no refraction), the centre of the body;
next_rising, next_setting and next_transit from each start instant, the
altitude at the transit. Fixed places are FixedBody with epoch J2000.
"""
import math
import os
import random

import ephem

HIER = os.path.dirname(os.path.abspath(__file__))
LAENGE, BREITE, HOEHE = 7.47497, 47.46651, 556.0  # degrees, degrees, metres
DUBLIN_JD = 2415020.0                               # PyEphem's day 0
NAN = float("nan")

# 20 start instants, 18 h UT, about 18 days apart through 2026 and 2027.
STARTS = [2461045.25 + 37.3 * k for k in range(20)]


def beobachter(jd):
    o = ephem.Observer()
    o.lon, o.lat, o.elevation = str(LAENGE), str(BREITE), HOEHE
    o.pressure = 0
    o.horizon = "20"
    o.date = ephem.Date(jd - DUBLIN_JD)
    return o


def ereignisse(koerper, jd):
    o = beobachter(jd)
    werte = []
    for f in (o.next_rising, o.next_setting):
        try:
            werte.append(float(f(koerper, use_center=True)) + DUBLIN_JD)
        except ephem.AlwaysUpError:
            werte.append(math.inf)
        except ephem.NeverUpError:
            werte.append(-math.inf)
    o = beobachter(jd)
    t = o.next_transit(koerper)
    o.date = t
    koerper.compute(o)
    werte += [float(t) + DUBLIN_JD, math.degrees(koerper.alt)]
    return werte


def main():
    random.seed(13)
    orte = [(2.53030, 89.26411), (18.61565, 38.78369), (0.71231, 41.26875),
            (17.89847, -34.79306), (1.66, -76.0), (6.75248, -16.71612), (12.0, 62.53349)]
    while len(orte) < 50:
        orte.append((random.uniform(0, 24), math.degrees(math.asin(random.uniform(-0.77, 1.0)))))
    zeilen = ["# Visibility above 20 deg from 7.47497 E, 47.46651 N, 556 m "
              "(sichtbarkeit_referenz.py).",
              "# F ra_h de_deg jd_start rise set transit transit_alt | "
              "K body jd_start rise set transit transit_alt; inf: always up, -inf: never up"]
    for i, jd in enumerate(STARTS):
        # Every place at every start would be 1000 rows: each place on 8 starts.
        for j, (ra, de) in enumerate(orte):
            if (j + i) % 5 not in (0, 1) and j >= 7:
                continue
            b = ephem.FixedBody()
            b._ra, b._dec, b._epoch = math.radians(ra * 15), math.radians(de), ephem.J2000
            w = ereignisse(b, jd)
            zeilen.append("F %.6f %.6f %.6f %s" % (ra, de, jd, " ".join("%.7f" % x for x in w)))
        for name, k in (("Sonne", ephem.Sun), ("Mond", ephem.Moon), ("Jupiter", ephem.Jupiter),
                        ("Mars", ephem.Mars)):
            w = ereignisse(k(), jd)
            zeilen.append("K %s %.6f %s" % (name, jd, " ".join("%.7f" % x for x in w)))
    with open(os.path.join(HIER, "sichtbarkeit_referenz.txt"), "w") as f:
        f.write("\n".join(zeilen) + "\n")


main()
