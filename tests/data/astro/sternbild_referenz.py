#!/usr/bin/python3
"""Writes two files beside this script, places of the equinox J2000 with the
constellation that astropy's get_constellation gives:

- sternbild_referenz.txt: places spread evenly over the sky (a Fibonacci
  lattice of 600 points plus a few near the poles);
- sternbild_innen.txt: one place well inside each of the 88 constellations
  (a point of a half-degree grid whose neighbours half a degree away in all
  four directions lie in the same constellation).

Run once with Debian's python3-astropy:  /usr/bin/python3 sternbild_referenz.py
Line format: RA (hours)  DE (degrees)  abbreviation.
"""
import math
import pathlib

import numpy as np
import astropy.units as u
from astropy.coordinates import FK5, SkyCoord, get_constellation

ANZAHL = 600
ORDNER = pathlib.Path(__file__).resolve().parent
ZIEL = ORDNER / "sternbild_referenz.txt"
ZIEL_INNEN = ORDNER / "sternbild_innen.txt"


def sternbilder(ra_std, de_grad):
    orte = SkyCoord(ra=ra_std * u.hourangle, dec=de_grad * u.deg, frame=FK5(equinox="J2000"))
    return np.asarray(get_constellation(orte, short_name=True))


def innen():
    schritt = 0.5
    de = np.arange(-89.75, 90.0, schritt)
    ra_grad = np.arange(0.0, 360.0, schritt)
    RA, DE = np.meshgrid(ra_grad, de)
    mitte = sternbilder(RA.ravel() / 15.0, DE.ravel()).reshape(RA.shape)
    dra = schritt / np.cos(np.radians(DE))
    gleich = np.ones(RA.shape, dtype=bool)
    for d_ra, d_de in ((dra, 0.0), (-dra, 0.0), (0.0, schritt), (0.0, -schritt)):
        n = sternbilder(((RA + d_ra) % 360.0).ravel() / 15.0,
                        np.clip(DE + d_de, -90.0, 90.0).ravel()).reshape(RA.shape)
        gleich &= n == mitte
    zeilen = []
    for name in sorted(set(mitte.ravel())):
        kandidaten = np.argwhere(gleich & (mitte == name))
        if len(kandidaten) == 0:
            raise SystemExit(f"no interior point for {name}")
        i, j = kandidaten[len(kandidaten) // 2]
        zeilen.append(f"{RA[i, j] / 15.0:.6f} {DE[i, j]:.6f} {name}\n")
    ZIEL_INNEN.write_text("".join(zeilen))
    print(f"{ZIEL_INNEN}: {len(zeilen)} constellations")


def main():
    ra, de = [], []
    goldener_winkel = math.pi * (3.0 - math.sqrt(5.0))
    for i in range(ANZAHL):
        z = 1.0 - (2.0 * i + 1.0) / ANZAHL
        ra.append(math.degrees(i * goldener_winkel) % 360.0 / 15.0)
        de.append(math.degrees(math.asin(z)))
    # Around both poles, where the zones are narrow in right ascension.
    for i in range(12):
        ra.append(2.0 * i + 0.5)
        de.append(88.9 - 0.2 * i)
        ra.append(2.0 * i + 1.25)
        de.append(-86.0 - 0.3 * i)

    namen = sternbilder(np.array(ra), np.array(de))
    with ZIEL.open("w") as f:
        for a, d, n in zip(ra, de, namen):
            f.write(f"{a:.6f} {d:.6f} {n}\n")
    print(f"{ZIEL}: {len(ra)} places, {len(set(namen))} constellations")
    innen()


if __name__ == "__main__":
    main()
