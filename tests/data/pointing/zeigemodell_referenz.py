#!/usr/bin/python3
"""Synthetic sightings from a known pointing model and their reference fit.

Usage: /usr/bin/python3 tests/data/pointing/zeigemodell_referenz.py
Writes zeigemodell_referenz.txt beside this script.

30 stars, hour angle -5 h .. +5 h, declination -25 .. +75 deg, at the
observatory's latitude. The circle offsets follow the nine-term model
(arcminutes)

  dH = IH + CH sec d + NP tan d - MA cos h tan d + ME sin h tan d
       + TF cos phi sin h sec d - DAF (cos phi cos h + sin phi tan d)
  dD = ID + MA sin h + ME cos h + TF (cos phi cos h sin d - sin phi cos d) + FO cos h

plus Gaussian noise of 1 arcminute in each axis. The fit is ordinary least
squares over both axes with equal weights (numpy.linalg.lstsq); standard
errors from inv(A^T A) scaled by the residual variance.

Then sets of 8 and 12 sightings from the same model, each with one gross
misreading as its fifth sighting: the hour circle read 12 h off (the offset
folded into +-12 h as the program folds it), the declination circle read with
the wrong sign, or a wrong star 5 deg away. Each set carries the reference fit
of its other sightings, which a fit that leaves the outlier out must give.
"""
import math
import os

import numpy as np

HIER = os.path.dirname(os.path.abspath(__file__))
BREITE = 47.46651  # degrees
TERME = ["IH", "ID", "CH", "NP", "MA", "ME", "TF", "FO", "DAF"]
WAHR = {"IH": 12.0, "ID": -8.0, "CH": 4.0, "NP": -3.0, "MA": 6.0, "ME": -5.0,
        "TF": 3.0, "FO": 2.0, "DAF": -2.5}


def zeilen(h, d, phi):
    sh, ch, sd, cd = math.sin(h), math.cos(h), math.sin(d), math.cos(d)
    sp, cp = math.sin(phi), math.cos(phi)
    td, secd = sd / cd, 1 / cd
    zh = {"IH": 1, "CH": secd, "NP": td, "MA": -ch * td, "ME": sh * td,
          "TF": cp * sh * secd, "DAF": -(cp * ch + sp * td)}
    zd = {"ID": 1, "MA": sh, "ME": ch, "TF": cp * ch * sd - sp * cd, "FO": ch}
    return ([zh.get(t, 0.0) for t in TERME], [zd.get(t, 0.0) for t in TERME])


def anpassen(sichtungen, phi):
    a, y = [], []
    for h, d, dh, dd in sichtungen:
        zh, zd = zeilen(h, d, phi)
        a += [zh, zd]
        y += [dh, dd]
    a, y = np.array(a), np.array(y)
    x, *_ = np.linalg.lstsq(a, y, rcond=None)
    rest = y - a @ x
    varianz = rest @ rest / (len(y) - len(TERME))
    return x, np.sqrt(np.diag(np.linalg.inv(a.T @ a)) * varianz)


def ausreisser_faelle(f, phi, wahr):
    for n in (8, 12):
        for nummer, art in enumerate(("12h", "vorzeichen", "stern5")):
            rng = np.random.default_rng(100 * n + nummer)
            sichtungen = []
            for i in range(n):
                h = math.radians(15 * rng.uniform(-5, 5))
                # the misread one stands well off the equator, so its sign matters
                d = math.radians(rng.uniform(30, 60) if i == 4 else rng.uniform(-25, 75))
                zh, zd = zeilen(h, d, phi)
                sichtungen.append([h, d, float(np.dot(zh, wahr) + rng.normal(0, 1)),
                                   float(np.dot(zd, wahr) + rng.normal(0, 1))])
            h, d, dh, dd = sichtungen[4]
            if art == "12h":
                dh = math.remainder(dh + 12 * 15 * 60, 24 * 15 * 60)
            elif art == "vorzeichen":
                dd -= 2 * math.degrees(d) * 60  # read -d instead of d
            else:
                dh += 180 / math.cos(d)  # 3 deg along the parallel, 4 deg north
                dd += 240
            sichtungen[4] = [h, d, dh, dd]
            x, sigma = anpassen(sichtungen[:4] + sichtungen[5:], phi)
            f.write("FALL %s_%d\n" % (art, n))
            for s in sichtungen:
                f.write("FSICHTUNG %r %r %r %r\n" % tuple(s))
            for t, w, s in zip(TERME, x, sigma):
                f.write("FERGEBNIS %s %r %r\n" % (t, float(w), float(s)))


def main():
    rng = np.random.default_rng(24)
    phi = math.radians(BREITE)
    wahr = np.array([WAHR[t] for t in TERME])
    sichtungen, a, y = [], [], []
    for _ in range(30):
        h = math.radians(15 * rng.uniform(-5, 5))
        d = math.radians(rng.uniform(-25, 75))
        zh, zd = zeilen(h, d, phi)
        dh = float(np.dot(zh, wahr) + rng.normal(0, 1))
        dd = float(np.dot(zd, wahr) + rng.normal(0, 1))
        sichtungen.append((h, d, dh, dd))
        a += [zh, zd]
        y += [dh, dd]
    a, y = np.array(a), np.array(y)
    x, *_ = np.linalg.lstsq(a, y, rcond=None)
    rest = y - a @ x
    varianz = rest @ rest / (len(y) - len(TERME))
    sigma = np.sqrt(np.diag(np.linalg.inv(a.T @ a)) * varianz)
    rms_h = math.sqrt(np.mean(rest[0::2] ** 2))
    rms_d = math.sqrt(np.mean(rest[1::2] ** 2))
    with open(os.path.join(HIER, "zeigemodell_referenz.txt"), "w") as f:
        f.write("# written by zeigemodell_referenz.py; arcminutes, radians\n")
        f.write("BREITE %r\n" % phi)
        for t in TERME:
            f.write("WAHR %s %r\n" % (t, WAHR[t]))
        for s in sichtungen:
            f.write("SICHTUNG %r %r %r %r\n" % s)
        for t, w, s in zip(TERME, x, sigma):
            f.write("ERGEBNIS %s %r %r\n" % (t, float(w), float(s)))
        f.write("RMS %r %r\n" % (rms_h, rms_d))
        ausreisser_faelle(f, phi, wahr)


main()
