#!/usr/bin/python3
"""Reference timetable of nights: sunset and sunrise, the ends and starts of
civil, nautical and astronomical twilight, moonrise and moonset, and the Moon's
illuminated fraction, at the observatory, at 65 deg N, at 70 deg N in winter
and at 78 deg N.

Usage: /usr/bin/python3 tests/data/planung/nacht_referenz.py
Writes nacht_referenz.txt beside this script.

PyEphem (python3-ephem), pressure 0 (no refraction from the library):
rise and set of the Sun and the Moon at horizon -0:34 (standard refraction at
the horizon) for the upper limb; twilight at -6, -12 and -18 deg for the centre.
The Moon's line starts with its place at t0 ('oben' or 'unten').
From each start instant t0 (12 h UT, daytime at all three sites):
next_setting, then next_rising from that setting; Moon events are every rise
and set between t0 and t0 + 1 day; the illuminated fraction at the Sun's next
lower transit (local solar midnight).
A threshold never crossed is written 'oben' (always above) or 'unten' (never up).
"""
import os

import ephem

HIER = os.path.dirname(os.path.abspath(__file__))
DUBLIN_JD = 2415020.0  # PyEphem's day 0
ORTE = [  # name, east longitude deg, latitude deg, height m
    ("sternwarte", 7.47497, 47.46651, 556.0),
    ("n65", 25.5, 65.0, 0.0),
]
# 20 start instants through 2026, 12 h UT, 19 days apart.
STARTS = [2461046.0 + 19 * k for k in range(20)]
POLAR = ("n78", 15.6, 78.2, 0.0)
POLAR_STARTS = [2461046.0, 2461120.0, 2461212.0, 2461300.0]  # Jan, Apr, Jun, Sep 2026
# 70 deg N around the winter solstice: the Sun below the horizon all day or
# only just above it at noon, the Moon circumpolar near full.
WINTER = ("n70", 19.0, 70.0, 0.0)
WINTER_STARTS = [2461046.0, 2461070.0, 2461376.0, 2461395.0]  # 5 and 29 Jan, 1 and 20 Dec 2026


def jd(d):
    return float(d) + DUBLIN_JD


def beobachter(ort, t, horizont):
    o = ephem.Observer()
    o.lon, o.lat, o.elevation = str(ort[1]), str(ort[2]), ort[3]
    o.pressure = 0
    o.horizon = horizont
    o.date = ephem.Date(t - DUBLIN_JD)
    return o


def paar(ort, t0, horizont, mitte):
    """Setting after t0 and the rising after it at a horizon, as text."""
    o = beobachter(ort, t0, horizont)
    try:
        unter = jd(o.next_setting(ephem.Sun(), use_center=mitte))
    except ephem.AlwaysUpError:
        return ["oben", "oben"]
    except ephem.NeverUpError:
        return ["unten", "unten"]
    o.date = ephem.Date(unter - DUBLIN_JD)
    try:
        auf = jd(o.next_rising(ephem.Sun(), use_center=mitte))
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return ["%.7f" % unter, "-"]
    return ["%.7f" % unter, "%.7f" % auf]


def mond(ort, t0):
    o = beobachter(ort, t0, "-0:34")
    m = ephem.Moon()
    ereignisse = []
    for f, art in ((o.next_rising, "A"), (o.next_setting, "U")):
        t = t0
        while True:
            o.date = ephem.Date(t - DUBLIN_JD)
            try:
                e = jd(f(m))
            except (ephem.AlwaysUpError, ephem.NeverUpError):
                break
            if e > t0 + 1.0:
                break
            ereignisse.append((e, art))
            t = e + 1e-3
    # Whether the upper limb stands above -0:34 at t0, then the events.
    o.date = ephem.Date(t0 - DUBLIN_JD)
    m.compute(o)
    lage = "oben" if m.alt + m.radius > ephem.degrees("-0:34") else "unten"
    return " ".join([lage] + ["%s%.7f" % (a, e) for e, a in sorted(ereignisse)])


def anteil(ort, t0):
    o = beobachter(ort, t0, "0")
    mitte = o.next_antitransit(ephem.Sun())
    o.date = mitte
    m = ephem.Moon(o)
    return "%.4f" % m.moon_phase


def zeile(ort, t0):
    felder = [ort[0], "%.5f" % ort[1], "%.5f" % ort[2], "%.1f" % ort[3], "%.5f" % t0]
    for horizont, mitte in (("-0:34", False), ("-6", True), ("-12", True), ("-18", True)):
        felder += paar(ort, t0, horizont, mitte)
    felder.append(anteil(ort, t0))
    felder.append("|")
    felder.append(mond(ort, t0))
    return " ".join(felder).rstrip()


with open(os.path.join(HIER, "nacht_referenz.txt"), "w") as f:
    f.write("# Nights from nacht_referenz.py (PyEphem %s).\n" % ephem.__version__)
    f.write("# ort lon lat h t0 | sonne unter/auf, -6, -12, -18 unter/auf | anteil | mond "
            "bei t0, A=auf U=unter (JD UT)\n")
    for ort in ORTE:
        for t0 in STARTS:
            f.write(zeile(ort, t0) + "\n")
    for t0 in POLAR_STARTS:
        f.write(zeile(POLAR, t0) + "\n")
    for t0 in WINTER_STARTS:
        f.write(zeile(WINTER, t0) + "\n")
