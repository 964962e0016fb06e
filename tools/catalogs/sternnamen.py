"""Proper names of stars: one star per name, the IAU name first.

The western sky culture of stellarium-data lists several names per star,
each with the numbers of the references it comes from; references 6 (IAU
Catalog of Star Names) and 12 (IAU Naming Stars) are the IAU Working Group
on Star Names list. The star list of kstars-data adds a few spellings
(Schedar). A name that several stars carry is kept for one star only: the
one that bears it as its IAU name, else the one that lists it first, else
the brightest. German names in common use come from the table below.
"""

import math
import re

import numpy as np

from sterne import kstars_ort

IAU_REFERENZEN = {6, 12}
KSTARS_STERNE = "/usr/share/kstars/stars.dat"

# German names as used at German observatories: HIP number -> names.
DEUTSCHE_NAMEN = {
    27989: ["Beteigeuze"],
    91262: ["Wega"],
    97649: ["Atair"],
    24608: ["Kapella"],
    11767: ["Polarstern", "Nordstern"],
    37279: ["Prokyon"],
    69673: ["Arktur"],
    65474: ["Spika"],
    36850: ["Kastor"],
    65477: ["Alkor"],
    32349: ["Hundsstern"],
}

# Rank of a source: lower wins a name that several stars carry.
RANG_DEUTSCH, RANG_IAU, RANG_ERSTER, RANG_WEITERER, RANG_KSTARS = range(5)

_FAB = re.compile(r'^\s*(\d+)\|_\("([^"]+)"\)\s*([\d,\s]*)$')


def stellarium_namen(pfad):
    """[(hip, name, references)] in file order."""
    aus = []
    with open(pfad, encoding="utf-8") as f:
        for zeile in f:
            m = _FAB.match(zeile.rstrip("\n"))
            if not m:
                continue
            refs = {int(r) for r in re.findall(r"\d+", m.group(3))}
            aus.append((int(m.group(1)), m.group(2).strip(), refs))
    return aus


def kstars_namen(pfad=KSTARS_STERNE):
    """[(ra hours, dec degrees, name)] of the named stars in the star list of kstars-data."""
    aus = []
    try:
        f = open(pfad, encoding="latin-1")
    except OSError:
        return aus
    with f:
        for zeile in f:
            if zeile.startswith("#"):
                continue
            teile = zeile.rstrip("\n").split(",")
            if len(teile) < 3 or not teile[2].strip():
                continue
            ort = kstars_ort(zeile)
            if ort is None:
                continue
            aus.append((ort[0], ort[1], teile[2].strip()))
    return aus


def _einheit(ra_h, de_g):
    ra, de = np.radians(np.asarray(ra_h) * 15.0), np.radians(np.asarray(de_g))
    return np.stack([np.cos(de) * np.cos(ra), np.cos(de) * np.sin(ra), np.sin(de)], -1)


def nach_ort_zuordnen(orte, sterne, grenze_bogensek=60.0):
    """HIP number of the star nearest each (ra, de, name) within the limit,
    among the stars brighter than V 7: [(hip, name)]."""
    hell = [h for h, s in sterne.items() if s.v < 7.0]
    if not hell or not orte:
        return []
    v = _einheit([sterne[h].ra for h in hell], [sterne[h].de for h in hell])
    grenze = math.cos(math.radians(grenze_bogensek / 3600.0))
    aus = []
    for ra, de, name in orte:
        c = v @ _einheit(ra, de)
        i = int(np.argmax(c))
        if c[i] >= grenze:
            aus.append((hell[i], name))
    return aus


def namen_waehlen(stellarium, kstars, sterne, deutsch=DEUTSCHE_NAMEN):
    """The names to write, [(hip, name)]: each name (compared without regard
    to letter case) once, for the star that wins it; per star its best name
    first. `stellarium` as from stellarium_namen, `kstars` [(hip, name)]."""
    kandidaten = []  # (rank, V, order, hip, name)
    erste = set()
    for i, (hip, name, refs) in enumerate(stellarium):
        if hip not in sterne:
            continue
        if refs & IAU_REFERENZEN:
            rang = RANG_IAU
        elif hip not in erste:
            rang = RANG_ERSTER
        else:
            rang = RANG_WEITERER
        erste.add(hip)
        kandidaten.append((rang, sterne[hip].v, i, hip, name))
    basis = len(kandidaten)
    for i, (hip, name) in enumerate(kstars):
        if hip in sterne:
            kandidaten.append((RANG_KSTARS, sterne[hip].v, basis + i, hip, name))
    basis = len(kandidaten)
    for hip, namen in deutsch.items():
        if hip in sterne:
            for name in namen:
                kandidaten.append((RANG_DEUTSCH, sterne[hip].v, basis, hip, name))
                basis += 1
    sieger = {}
    for k in sorted(kandidaten):
        sieger.setdefault(k[4].casefold(), k)
    # Per star: IAU name first, then the others in source order.
    gewaehlt = sorted(sieger.values(),
                      key=lambda k: (k[2] if k[0] != RANG_DEUTSCH else 10 ** 9,))
    nach_stern = {}
    for k in gewaehlt:
        nach_stern.setdefault(k[3], []).append(k)
    aus = []
    for hip, liste in nach_stern.items():
        liste.sort(key=lambda k: (k[0] != RANG_IAU, k[2]))
        aus += [(hip, k[4]) for k in liste]
    return aus
