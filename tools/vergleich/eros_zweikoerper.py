#!/usr/bin/python3
"""Topocentric two-body place of (433) Eros at 2025-11-30 06:00 UT against
stelux-cli --zweikoerper: TT, light time and the Earth checked on their own.

Reference, computed here without the program's code: Kepler's equation for
the installed elements (GM = k^2), TT from astropy (UTC + leap seconds),
the Earth from erfa.epv00, the observatory (default site of the parameter
file) in GCRS from astropy; the body at t - tau seen from the observatory at
t, both barycentric; no aberration (astrometric place, ICRS/J2000).

Run: /usr/bin/python3 eros_zweikoerper.py STELUX-CLI [KATALOGORDNER]
Exit 0 when the two agree within 3".
"""
import math
import os
import subprocess
import sys

import erfa
import numpy as np
from astropy import units as u
from astropy.coordinates import EarthLocation
from astropy.time import Time
from astropy.utils import iers

iers.conf.auto_download = False
iers.conf.iers_degraded_accuracy = "warn"

K2 = 0.01720209895 ** 2
C = 173.1446326846693
EPS = math.radians(84381.448 / 3600)
ROT = np.array([[1, 0, 0], [0, math.cos(EPS), math.sin(EPS)], [0, -math.sin(EPS), math.cos(EPS)]])
LON, LAT, HEIGHT = 7.47497, 47.46651, 556.0


def helio(line, jd_tt):
    M0 = math.radians(float(line[26:35]))
    w, node, inc = (math.radians(float(line[a:b])) for a, b in ((37, 46), (48, 57), (59, 68)))
    e, a = float(line[70:79]), float(line[92:103])
    ep = line[20:25]
    dig = lambda ch: int(ch) if ch.isdigit() else ord(ch) - ord("A") + 10
    t0 = sum(erfa.cal2jd(2000 + int(ep[1:3]), dig(ep[3]), dig(ep[4])))
    n = math.sqrt(K2 / a ** 3)
    M = M0 + n * (jd_tt - t0)
    E = M
    for _ in range(60):
        E -= (E - e * math.sin(E) - M) / (1 - e * math.cos(E))
    x, y = a * (math.cos(E) - e), a * math.sqrt(1 - e * e) * math.sin(E)
    cw, sw, cn, sn, ci, si = (math.cos(w), math.sin(w), math.cos(node), math.sin(node),
                              math.cos(inc), math.sin(inc))
    P = np.array([cw * cn - sw * sn * ci, cw * sn + sw * cn * ci, sw * si])
    Q = np.array([-sw * cn - cw * sn * ci, -sw * sn + cw * cn * ci, cw * si])
    return ROT.T @ (x * P + y * Q)  # equatorial


def main():
    cli = os.path.realpath(sys.argv[1])
    katalog = sys.argv[2] if len(sys.argv) > 2 else os.path.expanduser(
        "~/.local/share/stelux/katalog")
    line = next(l for l in open(os.path.join(katalog, "Asteroiden.txt"), encoding="latin-1")
                if "(433) Eros" in l)
    t = Time("2025-11-30T06:00:00", scale="utc")
    jd_tt = t.tt.jd1 + t.tt.jd2
    pvh, pvb = erfa.epv00(t.tt.jd1, t.tt.jd2)
    sun_b, sun_v = pvb[0] - pvh[0], pvb[1] - pvh[1]
    site = EarthLocation.from_geodetic(LON * u.deg, LAT * u.deg, HEIGHT * u.m)
    obs_g = site.get_gcrs_posvel(t)[0].xyz.to(u.au).value
    obs_b = pvb[0] + obs_g
    tau = 0.0
    for _ in range(6):
        g = sun_b - sun_v * tau + helio(line, jd_tt - tau) - obs_b
        tau = np.linalg.norm(g) / C
    ra = math.atan2(g[1], g[0]) % (2 * math.pi)
    de = math.asin(g[2] / np.linalg.norm(g))
    out = subprocess.run([cli, "--zweikoerper", "--zeit", "2025-11-30T06:00:00", "--daten",
                          katalog, "Eros"], cwd=katalog, capture_output=True, text=True,
                         env=dict(os.environ, TZ="UTC"), check=True).stdout
    werte = dict(l.split("\t", 1) for l in out.splitlines() if "\t" in l)
    ra_p, de_p = math.radians(float(werte["RA2000"]) * 15), math.radians(float(werte["DE2000"]))
    d = erfa.seps(ra, de, ra_p, de_p) * 206264.806
    print(f"Eros: Delta {np.linalg.norm(g):.4f} AU, Referenz RA {math.degrees(ra) / 15:.7f} h "
          f"DE {math.degrees(de):.6f} deg; stelux-cli {werte['RA2000']} {werte['DE2000']}; "
          f"Abstand {d:.2f}\"")
    sys.exit(0 if d <= 3.0 else 1)


main()
