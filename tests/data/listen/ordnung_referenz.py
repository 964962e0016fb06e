#!/usr/bin/python3
# Independent check of the evening order in beobachtungsliste_test.cpp: for
# each object of the test catalogues, when it sinks below (or rises above)
# 20° altitude after 2025-11-21 19:12 UT at 7.47497° E, 47.46651° N, from
# ERFA's sidereal time and the J2000 places (precession is far below the
# minutes that separate the objects).
import math
import erfa

jd0 = 2461001.3
lon, lat = math.radians(7.47497), math.radians(47.46651)
objekte = {  # RA hours, DE degrees (test catalogue lines)
    "N7000": (20 + 58 / 60 + 47 / 3600, 44 + 20 / 60),
    "I1396": (21 + 39 / 60 + 6 / 3600, 57 + 30 / 60),
    "M31": (0 + 42 / 60 + 44.3 / 3600, 41 + 16 / 60 + 9 / 3600),
    "Polaris": (2 + 31 / 60 + 47.08 / 3600, 89 + 15 / 60 + 50.9 / 3600),
    "PMars": (10 + 1.5 / 60, 9 + 50 / 60),  # table row at 2461001.0
}


def hoehe(jd, ra, de):
    ha = erfa.gmst06(jd, 0, jd, 0) + lon - math.radians(ra * 15)
    return math.degrees(math.asin(math.sin(lat) * math.sin(math.radians(de)) +
                                  math.cos(lat) * math.cos(math.radians(de)) * math.cos(ha)))


for name, (ra, de) in objekte.items():
    oben = hoehe(jd0, ra, de) > 20
    t = jd0
    while t < jd0 + 1 and (hoehe(t, ra, de) > 20) == oben:
        t += 1 / 1440
    wechsel = "nie" if t >= jd0 + 1 else f"{(t - jd0) * 24:5.2f} h"
    print(f"{name:8s} {'oben' if oben else 'unten'}  Wechsel nach {wechsel}")
