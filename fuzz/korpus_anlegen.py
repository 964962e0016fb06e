#!/usr/bin/python3
"""Builds the seed corpus (korpus/<target>) and the small lookup folder (daten)
of the fuzz targets from the built catalogue and element files.

    python3 fuzz/korpus_anlegen.py [KATALOGORDNER]

The folder defaults to $STELUX_KATALOG or ~/.local/share/stelux/katalog. Seeds
are a header and a few consecutive lines picked with a fixed random seed, so a
second run gives the same files. Existing seeds are kept (the fuzzer adds its
own next to them)."""
import hashlib
import os
import random
import sys
from pathlib import Path

hier = Path(__file__).resolve().parent
quelle = Path(sys.argv[1] if len(sys.argv) > 1 else os.environ.get(
    "STELUX_KATALOG", Path.home() / ".local/share/stelux/katalog"))
zufall = random.Random(20261207)
SEEDS = 30

# Target, file, header lines (-1: description up to the "--" line).
KATALOGE = [
    ("ngc", "NGC_IC_Messier_Catalogue_Revised.txt", 1),
    ("sao", "SAO_J2000.txt", 0),
    ("hip", "Hipparcos_J2000.txt", 0),
    ("veraenderliche", "Variable_Stars_AAVSO.txt", 0),
    ("eigene", "Eigene_Objekte.txt", -1),
    ("fotometrie", "Landolt_Faint_Photometric_Standards.txt", 2),
    ("geostat", "Geosynchrone_Satelliten.txt", -1),
    ("helle_sterne", "Bright_Stars_Proper_Names_SAO.txt", 0),
    ("flamsteed", "Flamsteed_Bayer_HD_CrossReference.txt", 0),
    ("ephemeriden", "2010-2080_Horizons_Mars.txt", 0),
    ("asteroiden", "Asteroiden.txt", 0),
    ("kometen", "Kometen.txt", 0),
]
PLANETEN = ["Sonne", "Merkur", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptun"]
ZEITPUNKT = 2460676.5  # the instant of the lookup folder, 2025-01-01 0h UT


def zeilen(datei):
    return (quelle / datei).read_bytes().split(b"\r\n")[:-1]


def kopf_und_daten(alle, kopf):
    if kopf >= 0:
        return alle[:kopf], alle[kopf:]
    ende = next(i for i, z in enumerate(alle) if z.startswith(b"--"))
    return [b"--"], alle[ende + 1:]


def ablegen(ziel, inhalt):
    ordner = hier / "korpus" / ziel
    ordner.mkdir(parents=True, exist_ok=True)
    (ordner / hashlib.sha1(inhalt).hexdigest()).write_bytes(inhalt)


def text(z):
    return b"".join(x + b"\r\n" for x in z)


for ziel, datei, kopf in KATALOGE:
    k, daten = kopf_und_daten(zeilen(datei), kopf)
    for _ in range(SEEDS):
        n = zufall.randint(1, 4)
        i = zufall.randrange(len(daten) - n)
        ablegen(ziel, text(k + daten[i:i + n]))
    # The line ends and the header the other ways the reader must take.
    ablegen(ziel, b"\n".join(k + daten[:3]))
    ablegen(ziel, text(k))

# Packed epochs as the asteroid lines carry them, some with a day fraction.
epochen = sorted({z[20:25] for z in zeilen("Asteroiden.txt")})
for e in zufall.sample(epochen, min(20, len(epochen))):
    ablegen("packdatum", e)
for e in zufall.sample(epochen, min(10, len(epochen))):
    ablegen("packdatum", e + str(zufall.randrange(10**6)).encode())

# The parameter file as written at the stop, with the defaults and variations.
KOMMENTARE = [
    "       !Aktuelles Instrument (cm)",
    " !östliche Länge der Sternwarte (°)",
    " !nördliche Breite der Sternwarte (°)",
    " !Höhe über Meer der Sternwarte (m)",
    " !Korrektur der Deklination    an der 40cm Schmidt-Kamera (°)",
    " !Korrektur des Stundenwinkels an der 40cm Schmidt-Kamera (min)",
    " !Korrektur der Deklination    am 60cm Cassegrain (°)",
    " !Korrektur des Stundenwinkels am 60cm Cassegrain (min)",
]


def parameter(instrument, werte, ende="\r\n"):
    zeilen_ = ["%4d%s" % (instrument, KOMMENTARE[0])]
    zeilen_ += ["%10.5f%s" % (w, k) for w, k in zip(werte, KOMMENTARE[1:])]
    return "".join(z + ende for z in zeilen_).encode("cp1252")


ablegen("parameter", parameter(40, [7.47497, 47.46651, 556.0, 0, 0, 0, 0]))
ablegen("parameter", parameter(60, [-120.5, -33.25, 12.0, 0.5, -1.25, 0.125, 3.0], "\n"))
ablegen("parameter", parameter(40, [359.9, 89.9, -400, -89, 719, 89, -719])[:150])
ablegen("parameter", b"60\n8.5\n47\n")
ablegen("parameter", b"")

# The lookup folder: every catalogue cut short, the ephemeris rows round the
# instant, a few asteroids and comets, the own objects and satellites whole.
daten = hier / "daten"
daten.mkdir(exist_ok=True)
bezeichnungen = set()
for ziel, datei, kopf in KATALOGE:
    alle = zeilen(datei)
    k, d = kopf_und_daten(alle, kopf)
    if ziel == "ephemeriden":
        continue
    if kopf < 0:
        teil = alle
    else:
        teil = k + d[:25]
    (daten / datei).write_bytes(text(teil))
    for z in (d[:25] if kopf >= 0 else d)[::5]:
        s = z.decode("cp1252")
        bezeichnungen.add({
            "ngc": s[0:6], "sao": "S" + s[0:6], "hip": "H" + s[0:6],
            "veraenderliche": "V" + s[0:10], "eigene": "E" + s[46:76],
            "fotometrie": "F" + s[105:125], "geostat": "G" + s[0:28],
            "helle_sterne": s[88:108], "flamsteed": s[69:79],
            "asteroiden": "A" + s[166:194], "kometen": "K" + s[99:160],
        }[ziel].strip())
for p in PLANETEN:
    datei = "2010-2080_Horizons_%s.txt" % p
    rows = [z for z in zeilen(datei) if abs(float(z[:12]) - ZEITPUNKT) <= 1.0]
    (daten / datei).write_bytes(text(rows))
    bezeichnungen.add(p)
    bezeichnungen.add("P" + p.upper())
for b in sorted(bezeichnungen) + ["M31", "n 224", "I1", "sirius", "P", "X", "mars "]:
    ablegen("bezeichnung", b.encode("utf-8"))
