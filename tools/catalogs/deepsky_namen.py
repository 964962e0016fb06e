"""Common names of Messier, NGC and IC objects for the names file.

English names come from the OpenNGC table of kstars-data (long_name) and
the deep-sky names of stellarium-data; the usual German forms from the
table below. An object with a Messier number is listed under it.

Line layout: cols 1-6 designation as in the deep-sky file (M31, N7000,
I434), 8-12 visual magnitude (blank when unknown), 14- the name.
"""

import re
import sqlite3

from deepsky import KSCAT, _KATALOG_NAME, _KENNUNG
from formate import cp1252_text, feld_text

NAMEN_STELLARIUM = "/usr/share/stellarium/nebulae/default/names.dat"
KOPF = "Bez.   Mag. Name"
NAME_BREITE = 60

DEUTSCHE_NAMEN = {
    "M1": ["Krebsnebel"],
    "M8": ["Lagunennebel"],
    "M11": ["Wildentenhaufen"],
    "M13": ["Herkuleshaufen", "Großer Herkuleshaufen"],
    "M16": ["Adlernebel"],
    "M17": ["Omeganebel", "Schwanennebel"],
    "M20": ["Trifidnebel"],
    "M27": ["Hantelnebel"],
    "M31": ["Andromedanebel", "Andromedagalaxie"],
    "M33": ["Dreiecksnebel", "Dreiecksgalaxie"],
    "M42": ["Orionnebel", "Großer Orionnebel"],
    "M44": ["Krippe", "Praesepe"],
    "M45": ["Plejaden", "Siebengestirn"],
    "M51": ["Whirlpoolgalaxie", "Strudelgalaxie"],
    "M57": ["Ringnebel"],
    "M64": ["Blackeye-Galaxie"],
    "M76": ["Kleiner Hantelnebel"],
    "M81": ["Bodes Galaxie"],
    "M82": ["Zigarrengalaxie"],
    "M97": ["Eulennebel"],
    "M101": ["Feuerradgalaxie"],
    "M104": ["Sombrerogalaxie"],
    "N869": ["h Persei", "Doppelhaufen"],
    "N884": ["chi Persei"],
    "N2392": ["Eskimonebel"],
    "N6543": ["Katzenaugennebel"],
    "N6960": ["Cirrusnebel", "Schleiernebel"],
    "N7000": ["Nordamerikanebel"],
    "N7293": ["Helixnebel"],
    "N2237": ["Rosettennebel"],
    "I434": ["Pferdekopfnebel"],
}

_STELLARIUM_ZEILE = re.compile(r'^(\S+)\s+(\S+)\s+_\("([^"]+)"\)')


def _bezeichnung(kuerzel, nummer):
    """N/I/M designation from a catalogue prefix and a number text."""
    k = {"NGC": "N", "IC": "I", "M": "M"}.get(kuerzel.upper())
    m = re.match(r"^0*(\d+)([A-Z]?)$", nummer.strip())
    return f"{k}{m.group(1)}{m.group(2)}" if k and m else None


def namen_sammeln(kscat=KSCAT, stellarium=NAMEN_STELLARIUM):
    """[(designation, name)] from both sources, with NGC/IC objects that
    carry a Messier number under their M designation."""
    zu_messier, roh = {}, []
    con = sqlite3.connect(f"file:{kscat}?mode=ro", uri=True)
    for name, long_name, kennung in con.execute(
            "select name, long_name, catalog_identifier from cat"):
        name, long_name, kennung = name or "", long_name or "", (kennung or "").strip()
        m = re.match(r"^M\s*(\d+)$", name.strip())
        k = _KENNUNG.match(kennung.replace(" ", "")) if kennung.startswith(("NGC", "IC")) else None
        eigen = f"{'N' if k.group(1) == 'NGC' else 'I'}{int(k.group(2))}{k.group(3)}" if k else None
        bez = f"M{int(m.group(1))}" if m else eigen
        if m and eigen:
            zu_messier[eigen] = bez
        if not bez:
            continue
        for t in long_name.split(","):
            t = t.strip()
            if t and not _KATALOG_NAME.match(t):
                roh.append((bez, t))
    con.close()
    try:
        with open(stellarium, encoding="utf-8") as f:
            for zeile in f:
                if zeile.startswith("#"):
                    continue
                m = _STELLARIUM_ZEILE.match(zeile)
                if m:
                    bez = _bezeichnung(m.group(1), m.group(2))
                    if bez:
                        roh.append((bez, m.group(3).strip()))
    except OSError:
        pass
    for bez, namen in DEUTSCHE_NAMEN.items():
        roh += [(bez, n) for n in namen]
    aus, gesehen = [], set()
    for bez, name in roh:
        bez = zu_messier.get(bez, bez)
        schluessel = (bez, name.casefold())
        if schluessel not in gesehen:
            gesehen.add(schluessel)
            aus.append((bez, name))
    return aus


def namen_zeilen(objekte, namen=None):
    """Header and one line per (designation, name) whose object is in the
    deep-sky file (`objekte` as deepsky.objekte returns them)."""
    if namen is None:
        namen = namen_sammeln()
    hell = {o["bez"]: o["v"] for o in objekte}
    aus = [KOPF]
    for bez, name in namen:
        if bez not in hell:
            continue
        text = cp1252_text(name)
        if len(text) > NAME_BREITE:
            continue
        v = hell[bez]
        mag = f"{v:5.1f}" if v and -30 < v < 99.95 else " " * 5
        aus.append(f"{feld_text(bez, 6)} {mag} {text}")
    return aus
