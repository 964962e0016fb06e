"""Messier, NGC and IC objects.

The object list, positions, sizes and common names come from the OpenNGC
table that kstars-data ships; blue and visual magnitudes and distances from
the deep-sky catalogue of stellarium-data, matched by catalogue number; the
constellation from PyEphem's boundary lookup.
"""

import gzip
import math
import re
import sqlite3
import struct

import ephem

KSCAT = "/usr/share/kstars/OpenNGC.kscat"
DSO_KATALOG = "/usr/share/stellarium/nebulae/default/catalog.dat"

# Object types of the OpenNGC table as short German texts (8 columns).
TYPEN = {
    0: "Stern", 1: "Stern", 2: "Planet", 3: "Off.Hauf", 4: "Kug.Hauf", 5: "Gas.Neb",
    6: "Plan.Neb", 7: "SN-Rest", 8: "Galaxie", 13: "Asteris.", 14: "Gal.Grup",
    17: "Mehrf.St", 18: "Sternwol", 255: "unbek.",
}

# Farther apart than this (arcmin), a same-number match is taken as a
# different object and not used.
GRENZE_BOGENMIN = 5.0


def sternbild(ra_rad, de_rad):
    """Three-letter constellation of a J2000 position (Serpens as Ser)."""
    kurz = ephem.constellation((ra_rad, de_rad), epoch=ephem.J2000)[0]
    return "Ser" if kurz in ("Se1", "Se2") else kurz


class _Leser:
    """Big-endian Qt data stream: doubles are 8 bytes, strings UTF-16."""

    def __init__(self, daten):
        self.d = daten
        self.p = 0

    def u32(self):
        w = struct.unpack_from(">I", self.d, self.p)[0]
        self.p += 4
        return w

    def f64(self):
        w = struct.unpack_from(">d", self.d, self.p)[0]
        self.p += 8
        return w

    def text(self):
        n = self.u32()
        if n == 0xFFFFFFFF:
            return ""
        t = self.d[self.p:self.p + n].decode("utf-16-be")
        self.p += n
        return t


def dso_katalog_lesen(pfad=DSO_KATALOG):
    """Records of the deep-sky catalogue with an NGC, IC or M number:
    [dict(ra, dec (radians), b, v (99 = unknown), dist_kpc, ngc, ic, m)]."""
    daten = gzip.open(pfad).read()
    r = _Leser(daten)
    r.text()
    r.text()
    aus = []
    dr = struct.Struct(">Idddd")
    while r.p < len(daten):
        _, ra, dec, bmag, vmag = dr.unpack_from(daten, r.p)
        r.p += dr.size
        r.u32()            # type
        r.text()           # morphology
        r.p += 8 * 2 + 4 + 8 * 4   # major, minor, orientation, z, z_err, parallax, err
        dist = r.f64()
        r.f64()
        ngc, ic, m = struct.unpack_from(">III", daten, r.p)
        r.p += 4 * 14
        r.text()           # Ced
        r.p += 8           # Arp, VV
        for _ in range(7):  # PK, PNG, SNRG, ACO, HCG, ESO, VdBH
            r.text()
        r.p += 4 * 5       # DWB, Tr, St, Ru, VdBHa
        if ngc or ic or m:
            aus.append(dict(ra=ra, dec=dec, b=bmag, v=vmag, dist_kpc=dist, ngc=ngc, ic=ic, m=m))
    return aus


def _abstand_bogenmin(ra1, de1, ra2, de2):
    c = (math.sin(de1) * math.sin(de2) + math.cos(de1) * math.cos(de2) * math.cos(ra1 - ra2))
    return math.degrees(math.acos(max(-1.0, min(1.0, c)))) * 60.0


_KATALOG_NAME = re.compile(r"^(NGC|IC|M|PGC|UGC|MCG|ESO|CGCG|Mrk|LEDA)\s*\d", re.I)
_KENNUNG = re.compile(r"^(NGC|IC)\s*0*(\d+)([A-Z]?)$")


def _gemeiner_name(long_name, breite=16):
    """The first common (non-catalogue) name that fits the alias column,
    else the first one cut to it."""
    namen = [t.strip() for t in (long_name or "").split(",")]
    namen = [t for t in namen if t and not _KATALOG_NAME.match(t)]
    for t in namen:
        if len(t) <= breite:
            return t
    return namen[0][:breite] if namen else ""


def objekte(kscat=KSCAT, dso=DSO_KATALOG):
    """All lines' values: list of dicts with bez, ra (h), de (deg), b, v,
    ga, gb (arcmin), typ, dist_mpc, alias, con. Messier objects first (M1 to
    M110), then NGC and IC in numerical order. Returns (objects, statistics)."""
    stell = dso_katalog_lesen(dso)
    nach = {"N": {}, "I": {}, "M": {}}
    for s in stell:
        for k, nr in (("N", s["ngc"]), ("I", s["ic"]), ("M", s["m"])):
            if nr and nr not in nach[k]:
                nach[k][nr] = s

    con = sqlite3.connect(f"file:{kscat}?mode=ro", uri=True)
    zeilen = con.execute(
        "select type, ra, dec, magnitude, name, long_name, catalog_identifier, "
        "major_axis, minor_axis, position_angle from cat").fetchall()
    con.close()

    stat = {"zugeordnet": 0, "mit_distanz": 0, "uebersprungen": 0}
    messier, katalog = {}, []

    def werte(bez, typ, ra_deg, de_deg, mag, long_name, gross_a, gross_b, s, alias, pa=None):
        ra, de = math.radians(ra_deg), math.radians(de_deg)
        b = v = dist = 0.0
        if s is not None and _abstand_bogenmin(ra, de, s["ra"], s["dec"]) <= GRENZE_BOGENMIN:
            stat["zugeordnet"] += 1
            b = s["b"] if s["b"] < 90 else 0.0
            v = s["v"] if s["v"] < 90 else 0.0
            dist = s["dist_kpc"] / 1000.0 if s["dist_kpc"] > 0 else 0.0
        if dist > 0:
            stat["mit_distanz"] += 1
        if v == 0.0 and mag is not None:
            # No visual magnitude known: the table's single magnitude (mostly
            # blue) is the best estimate available.
            v = mag
        return dict(bez=bez, ra=ra_deg / 15.0, de=de_deg, b=b, v=v, ga=gross_a or 0.0,
                    gb=gross_b or 0.0, pa=pa, typ=TYPEN.get(typ, "unbek."), dist_mpc=dist,
                    alias=alias, con=sternbild(ra, de))

    for typ, ra, de, mag, name, long_name, kennung, ga, gb, pa in zeilen:
        name = name or ""
        kennung = (kennung or "").strip()
        gemein = _gemeiner_name(long_name)
        m = re.match(r"^M\s*(\d+)$", name.strip())
        nummern = [int(x) for x in re.findall(r"\bM\s*(\d+)\b", long_name or "")]
        if m:
            nummern.insert(0, int(m.group(1)))
        k = _KENNUNG.match(kennung.replace(" ", "") if kennung.startswith(("NGC", "IC")) else "")
        kz = None
        if k:
            kz = ("N" if k.group(1) == "NGC" else "I", int(k.group(2)), k.group(3))
        for mn in nummern:
            if mn in messier or not 1 <= mn <= 110:
                continue
            alias = gemein or (f"{'NGC' if kz[0] == 'N' else 'IC'} {kz[1]}{kz[2]}" if kz else "")
            messier[mn] = werte(f"M{mn}", typ, ra, de, mag, long_name, ga, gb,
                                nach["M"].get(mn), alias, pa)
        if kz is None:
            if not m:
                stat["uebersprungen"] += 1
            continue
        buchstabe, nr, suffix = kz
        alias = gemein or (f"M {nummern[0]}" if nummern else "")
        s = nach[buchstabe].get(nr) if not suffix else None
        katalog.append(((0 if buchstabe == "N" else 1, nr, suffix),
                        werte(f"{buchstabe}{nr}{suffix}", typ, ra, de, mag, long_name, ga, gb,
                              s, alias, pa)))
    katalog.sort(key=lambda x: x[0])
    liste = [messier[n] for n in sorted(messier)] + [w for _, w in katalog]
    stat["messier"] = len(messier)
    return liste, stat


def formen_zeilen(liste):
    """The side file of the finder chart: for each object with both axes and
    a position angle, its key as in the object file, the major and minor axis
    (arcmin) and the position angle (degrees from north through east)."""
    zeilen = ["# Bez    Achse_gross' Achse_klein' PA (Grad, von Nord ueber Ost), OpenNGC"]
    for o in liste:
        if o.get("pa") is None or not o["ga"] > 0 or not o["gb"] > 0:
            continue
        ga, gb, pa = o["ga"], o["gb"], o["pa"]
        if gb > ga:  # the table's axes swapped: the major one lies across the angle
            ga, gb, pa = gb, ga, pa + 90
        zeilen.append(f"{o['bez']:<8} {ga:8.2f} {gb:8.2f} {pa % 180:6.1f}")
    return zeilen
