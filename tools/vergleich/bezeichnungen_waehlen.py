#!/usr/bin/python3
"""Writes bezeichnungen.txt: a fixed sample of entries over every catalogue
letter, the name fallbacks and some misses, for comparing stelux-cli's output
before and after a change (cli_vergleich.sh). Run in the catalogue folder."""
import sys


def zeilen(datei, ab=0):
    with open(datei, encoding="cp1252", errors="replace") as f:
        return [z.rstrip("\r\n") for z in f][ab:]


def verteilt(liste, n):
    if len(liste) <= n:
        return liste
    return [liste[i * (len(liste) - 1) // (n - 1)] for i in range(n)]


aus = []
aus += [f"M{i}" for i in range(1, 111)]
aus += [f"N{i}" for i in verteilt(list(range(1, 7841)), 30)] + ["N224", "N7000", "N6543"]
aus += [f"I{i}" for i in verteilt(list(range(1, 5387)), 12)] + ["I434"]
aus += [f"H{i}" for i in verteilt(list(range(1, 118219)), 25)] + ["H32349", "H999999"]
aus += [f"S{i}" for i in verteilt(list(range(1, 258998)), 20)] + ["S151881", "S999999"]
aus += ["P" + p for p in ["Sonne", "Mond", "Merkur", "Venus", "Mars", "Jupiter", "Saturn",
                          "Uranus", "Neptun", "Pluto"]]
aus += [f"A{i}" for i in [1, 2, 3, 4, 7, 10, 433, 1036, 4179, 99942, 6000, 123456]]
aus += [f"K{i}" for i in [1, 2, 5, 10, 50, 100]]
aus += ["V" + z[:16].split("  ")[0].strip() for z in verteilt(zeilen("Variable_Stars_AAVSO.txt"), 12)]
aus += ["F" + z.split()[-1] for z in verteilt(zeilen("Landolt_Faint_Photometric_Standards.txt", 2), 8)]
aus += ["G" + z[:18].split("  ")[0].strip() for z in zeilen("Geosynchrone_Satelliten.txt") if "Nr." in z][:6]
aus += ["E1", "E2", "E5", "E99"]
aus += ["Sirius", "Vega", "Polaris", "Beteigeuze", "Betelgeuse", "Siruis", "Deneb", "Algol",
        "Andromeda Galaxy", "Orion Nebula", "Ceres", "Eros", "Hale-Bopp", "Mond", "Mars",
        "X1", "M0", "M111", "N0", "QQQ", "Zz", "7", "m31", "n 7000", "PVenus ", "Valf And"]
sys.stdout.write("".join(b + "\n" for b in aus if b))
