#!/usr/bin/python3
"""Reference places of a few real asteroids and comets from an independent
two-body computation (PyEphem, Debian's python3-ephem).

Writes, beside this script:
  pyephem_asteroiden.txt  asteroid element lines (asteroid orbit database layout)
  pyephem_kometen.txt     comet element lines (comet element list layout)
  pyephem_orte.txt        one line per body and instant:
                          kind number JD ra_hours dec_degrees magnitude
                          distance_from_earth_au

The elements come from KStars' data files (kstars-data). Left out on purpose:
bodies with a mean motion so small that its 8 decimals in the file limit the
perihelion date (Sedna: 0.4 deg of true anomaly), and elliptic comets of
e > 0.99, where PyEphem itself is off by 1e-4 in the distance (Hale-Bopp). PyEphem is given
exactly the numbers written into the element lines. It evaluates its bodies
in dynamical time; it is given the instant JD - (TT - UT), so that its
dynamical time equals the JD that the element-file side uses as given.
Run once: /usr/bin/python3 pyephem_referenz.py
"""
import gzip
import json
import math
import os

import ephem

HIER = os.path.dirname(os.path.abspath(__file__))
DJD = 2415020.0  # ephem.Date counts days from this Julian Date

ASTEROIDEN = ["1 Ceres", "2 Pallas", "4 Vesta", "433 Eros", "944 Hidalgo",
              "2060 Chiron", "5145 Pholus", "3 Juno"]
KOMETEN = ["1P/Halley", "2P/Encke", "67P/Churyumov-Gerasimenko", "55P/Tempel-Tuttle",
           "C/2021 O3 (PANSTARRS)", "C/2014 UN271 (Bernardinelli-Bernstein)",
           "C/2018 F3 (Johnson)", "C/2017 K2 (PANSTARRS)", "C/2022 E3 (ZTF)",
           "1I/`Oumuamua", "2I/Borisov"]


def setze(zeile, von, text):
    """Writes text into 1-based column von onwards."""
    for i, c in enumerate(text):
        zeile[von - 1 + i] = c


def pack_zeichen(n):
    return str(n) if n < 10 else chr(55 + n)


def pack_datum(jahr, monat, tag):
    return chr(55 + jahr // 100) + "%02d" % (jahr % 100) + pack_zeichen(monat) + pack_zeichen(tag)


def mjd_zu_datum(mjd):
    d = ephem.Date(mjd + 2400000.5 - DJD).tuple()
    return d[0], d[1], d[2]


def tt_instant(jd):
    """ephem.Date whose dynamical time is the Julian Date jd."""
    d = jd - DJD
    for _ in range(3):
        d = jd - DJD - ephem.delta_t(ephem.Date(d)) / 86400.0
    return ephem.Date(d)


def asteroiden_zeilen():
    daten = json.load(open("/usr/share/kstars/asteroids.dat"))
    f = {n: i for i, n in enumerate(daten["fields"])}
    zeilen = []
    for name in ASTEROIDEN:
        nummer, wort = name.split()
        r = next(r for r in daten["data"] if r[0].split()[:2] == [nummer, wort])
        a = float(r[f["a"]])
        n = 0.9856076686 / a ** 1.5
        z = [" "] * 194
        setze(z, 1, "%05d" % int(nummer))
        setze(z, 9, "%5.2f" % float(r[f["H"]]))
        setze(z, 15, "%5.2f" % float(r[f["G"]] or 0.15))
        setze(z, 21, pack_datum(*mjd_zu_datum(int(r[f["epoch_mjd"]]))))
        setze(z, 27, "%9.5f" % float(r[f["ma"]]))
        setze(z, 38, "%9.5f" % float(r[f["w"]]))
        setze(z, 49, "%9.5f" % float(r[f["om"]]))
        setze(z, 60, "%9.5f" % float(r[f["i"]]))
        setze(z, 71, "%9.7f" % float(r[f["e"]]))
        setze(z, 81, "%11.8f" % n)
        setze(z, 93, "%11.7f" % a)
        setze(z, 167, "(%s) %s" % (nummer, wort))
        zeilen.append("".join(z).rstrip())
    return zeilen


def kometen_zeilen():
    daten = json.load(gzip.open("/usr/share/kstars/cometels.json.gz"))
    zeilen = []
    for name in KOMETEN:
        r = next(r for r in daten if r["Designation_and_name"] == name)
        z = [" "] * 168
        if "Comet_num" in r:
            setze(z, 1, "%04d" % r["Comet_num"])
        setze(z, 5, r["Orbit_type"])
        setze(z, 6, "%7s" % r.get("Provisional_packed_desig", ""))
        setze(z, 15, "%4d" % r["Year_of_perihelion"])
        setze(z, 20, "%02d" % r["Month_of_perihelion"])
        setze(z, 23, "%7.4f" % r["Day_of_perihelion"])
        setze(z, 31, "%9.6f" % r["Perihelion_dist"])
        setze(z, 42, "%8.6f" % r["e"])
        setze(z, 52, "%8.4f" % r["Peri"])
        setze(z, 62, "%8.4f" % r["Node"])
        setze(z, 72, "%8.4f" % r["i"])
        setze(z, 92, "%4.1f" % r["H"])
        setze(z, 97, "%4.1f" % r["G"])
        setze(z, 103, r["Designation_and_name"])
        setze(z, 160, r["Ref"][:9])
        zeilen.append("".join(z).rstrip())
    return zeilen


def feld(zeile, von, bis):
    return zeile[von - 1:bis]


def asteroid_koerper(z):
    b = ephem.EllipticalBody()
    b._inc = float(feld(z, 60, 68))
    b._Om = float(feld(z, 49, 57))
    b._om = float(feld(z, 38, 46))
    b._a = float(feld(z, 93, 103))
    b._e = float(feld(z, 71, 79))
    b._M = float(feld(z, 27, 35))
    ep = feld(z, 21, 25)
    jahr = (ord(ep[0]) - 55) * 100 + int(ep[1:3])
    monat = int(ep[3]) if ep[3].isdigit() else ord(ep[3]) - 55
    tag = int(ep[4]) if ep[4].isdigit() else ord(ep[4]) - 55
    b._epoch_M = ephem.Date((jahr, monat, tag))
    b._epoch = ephem.Date("2000/1/1.5")
    b._H = float(feld(z, 9, 13))
    b._G = float(feld(z, 15, 19))
    return b


def komet_koerper(z):
    tp = ephem.Date((int(feld(z, 15, 18)), int(feld(z, 20, 21)), float(feld(z, 23, 29))))
    q = float(feld(z, 31, 39))
    e = float(feld(z, 42, 49))
    if e < 1.0:
        b = ephem.EllipticalBody()
        b._a = q / (1.0 - e)
        b._M = 0.0
        b._epoch_M = tp
        b._e = e
    else:
        # A parabola goes in as a hyperbola of e = 1 + 1e-7: PyEphem's parabolic
        # body points some 20" away from its own hyperbolic one of that e.
        b = ephem.HyperbolicBody()
        b._epoch_p = tp
        b._q = q
        b._e = max(e, 1.0 + 1e-7)
    b._inc = float(feld(z, 72, 79))
    b._Om = float(feld(z, 62, 69))
    b._om = float(feld(z, 52, 59))
    b._epoch = ephem.Date("2000/1/1.5")
    b._g = float(feld(z, 92, 95))
    b._k = float(feld(z, 97, 100))
    return b, tp


def main():
    a_zeilen = asteroiden_zeilen()
    k_zeilen = kometen_zeilen()
    with open(os.path.join(HIER, "pyephem_asteroiden.txt"), "w", newline="\r\n") as f:
        f.write("\n".join(a_zeilen) + "\n")
    with open(os.path.join(HIER, "pyephem_kometen.txt"), "w", newline="\r\n") as f:
        f.write("\n".join(k_zeilen) + "\n")

    # Instants 2015-2035: six spread over the span for every body, and for
    # every comet a few around its perihelion passage when that falls inside.
    jd2015 = 2457023.5
    jd2035 = 2464328.5
    gemeinsam = [jd2015 + (jd2035 - jd2015) * k / 5.0 + 0.3 * k for k in range(6)]
    zeilen = []
    for nr, z in enumerate(a_zeilen, 1):
        b = asteroid_koerper(z)
        for jd in gemeinsam:
            b.compute(tt_instant(jd))
            zeilen.append("A %d %.6f %.10f %.10f %.4f %.4f" % (
                nr, jd, math.degrees(b.a_ra) / 15.0, math.degrees(b.a_dec), b.mag,
                b.earth_distance))
    for nr, z in enumerate(k_zeilen, 1):
        b, tp = komet_koerper(z)
        jd_tp = float(tp) + DJD
        extra = [jd_tp + d for d in (-200.0, -40.0, 0.0, 25.0, 150.0)
                 if jd2015 <= jd_tp + d <= jd2035]
        for jd in gemeinsam + extra:
            b.compute(tt_instant(jd))
            zeilen.append("K %d %.6f %.10f %.10f %.4f %.4f" % (
                nr, jd, math.degrees(b.a_ra) / 15.0, math.degrees(b.a_dec), b.mag,
                b.earth_distance))
    with open(os.path.join(HIER, "pyephem_orte.txt"), "w", newline="\r\n") as f:
        f.write("\n".join(zeilen) + "\n")
    print("%d asteroids, %d comets, %d places" % (len(a_zeilen), len(k_zeilen), len(zeilen)))


if __name__ == "__main__":
    main()
