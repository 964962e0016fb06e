"""Stars from the star zone files of the stellarium-data package.

The zone files hold the Hipparcos stars as offsets from the centres of the
triangles of a subdivided icosahedron. Decoding them needs the same zone
geometry that wrote them; everything else (SAO/HD numbers, names, variable
star designations) is joined on the HIP number.
"""

import math
import os

import numpy as np

from formate import GRIECHISCH

STELLARIUM = "/usr/share/stellarium"
STERN_ORDNER = os.path.join(STELLARIUM, "stars", "default")
NAMEN_WESTLICH = os.path.join(STELLARIUM, "skycultures", "western", "star_names.fab")
ZONEN_DATEIEN = ["stars_0_0v0_8.cat", "stars_1_0v0_8.cat", "stars_2_0v0_8.cat"]
MAGIC = 0x835F040A

# Hipparcos star record of the zone files, 28 bytes little-endian.
STERN1 = np.dtype([
    ("hip", "u1", (3,)), ("komp", "u1"), ("x0", "<i4"), ("x1", "<i4"),
    ("bv", "u1"), ("mag", "u1"), ("sp", "<u2"), ("dx0", "<i4"), ("dx1", "<i4"),
    ("plx", "<i4"),
])


def _norm(v):
    return v / np.linalg.norm(v, axis=-1, keepdims=True)


def _ikosaeder():
    g = (1 + math.sqrt(5)) / 2
    b = 1 / math.sqrt(1 + g * g)
    a = g * b
    ecken = np.array([
        (a, -b, 0), (a, b, 0), (-a, b, 0), (-a, -b, 0), (0, a, -b), (0, a, b),
        (0, -a, b), (0, -a, -b), (-b, 0, a), (b, 0, a), (b, 0, -a), (-b, 0, -a)])
    flaechen = [(1, 0, 10), (0, 1, 9), (0, 9, 6), (9, 8, 6), (0, 7, 10), (6, 7, 0), (7, 6, 3),
                (6, 8, 3), (11, 10, 7), (7, 3, 11), (3, 2, 11), (2, 3, 8), (10, 11, 4), (2, 4, 11),
                (5, 4, 2), (2, 8, 5), (4, 1, 10), (4, 5, 1), (5, 9, 1), (8, 9, 5)]
    return np.array([[ecken[i] for i in f] for f in flaechen])


def zonen_ecken(stufe):
    """Corner triples (zones x 3 x 3) of every zone of a subdivision level,
    in the zone order of the files (children of zone i are 4i .. 4i+3)."""
    z = _ikosaeder()
    for _ in range(stufe):
        c0, c1, c2 = z[:, 0], z[:, 1], z[:, 2]
        e0, e1, e2 = _norm(c1 + c2), _norm(c2 + c0), _norm(c0 + c1)
        kinder = np.stack([
            np.stack([c0, e2, e1], 1), np.stack([e2, c1, e0], 1),
            np.stack([e1, e0, c2], 1), np.stack([e0, e1, e2], 1)], 1)
        z = kinder.reshape(-1, 3, 3)
    return z


def zonen_achsen(stufe):
    """Centre m and the tangent axes u (east) and v (north) of every zone,
    and the scale of one unit of the stored offsets for 31-bit records."""
    ecken = zonen_ecken(stufe)
    m = _norm(ecken.sum(axis=1))
    u = _norm(np.cross(np.array([0.0, 0.0, 1.0]), m))
    v = np.cross(m, u)
    d = ecken - m[:, None, :]
    mu = np.einsum("zck,zk->zc", d, u)
    mv = np.einsum("zck,zk->zc", d, v)
    s = np.maximum(np.abs(mu), np.abs(mv)) / np.sqrt(1 - mu * mu - mv * mv)
    return m, u, v, s.max() / (2 ** 31 - 1)


def zonendatei_lesen(pfad):
    """Decodes one Hipparcos zone file. Returns a dict of arrays: hip,
    komponente, ra (hours), de (degrees), v, bv, sp (line index), plx (mas)."""
    with open(pfad, "rb") as f:
        daten = f.read()
    kopf = np.frombuffer(daten, "<i4", 8, 0)
    if (int(kopf[0]) & 0xFFFFFFFF) != MAGIC or kopf[1] != 0:
        raise ValueError(f"{pfad}: not a Hipparcos star zone file")
    stufe, mag_min, mag_bereich, mag_stufen = (int(x) for x in kopf[4:8])
    n_zonen = 20 * 4 ** stufe
    anzahl = np.frombuffer(daten, "<u4", n_zonen, 32).astype(np.int64)
    start = 32 + 4 * n_zonen
    rec = np.frombuffer(daten, STERN1, int(anzahl.sum()), start)
    zone = np.repeat(np.arange(n_zonen), anzahl)
    m, u, v, einheit = zonen_achsen(stufe)
    x0 = rec["x0"].astype(np.float64) * einheit
    x1 = rec["x1"].astype(np.float64) * einheit
    p = _norm(m[zone] + x0[:, None] * u[zone] + x1[:, None] * v[zone])
    ra = np.degrees(np.arctan2(p[:, 1], p[:, 0])) / 15.0 % 24.0
    de = np.degrees(np.arcsin(np.clip(p[:, 2], -1, 1)))
    hip = (rec["hip"][:, 0].astype(np.int64) | (rec["hip"][:, 1].astype(np.int64) << 8)
           | (rec["hip"][:, 2].astype(np.int64) << 16))
    vmag = (mag_min + rec["mag"].astype(np.float64) * mag_bereich / mag_stufen) / 1000.0
    return {
        "hip": hip, "komponente": rec["komp"].astype(np.int64), "ra": ra, "de": de,
        # The stored magnitudes are truncated to 0.05 mag steps; half a step
        # centres them on the Hipparcos values.
        "v": vmag + 0.025,
        # B-V in steps of 4/127 from -0.5; the lowest step (-0.5, bluer than
        # any star) marks a star without a measured colour: NaN.
        "bv": np.where(rec["bv"] == 0, np.nan, rec["bv"].astype(np.float64) * 4.0 / 127.0 - 0.5),
        "sp": rec["sp"].astype(np.int64), "plx": rec["plx"].astype(np.float64) / 100.0,
    }


def _zeilen(pfad):
    with open(pfad, encoding="utf-8") as f:
        return f.read().split("\n")


class Stern:
    __slots__ = ("hip", "ra", "de", "v", "bv", "klasse", "sao", "hd")

    def __init__(self, hip, ra, de, v, bv, klasse):
        self.hip, self.ra, self.de, self.v, self.bv, self.klasse = hip, ra, de, v, bv, klasse
        self.sao = 0
        self.hd = 0


def hipparcos_sterne(ordner=STERN_ORDNER):
    """Every HIP star once, {hip: Stern}. Of the several component records a
    multiple star may have, the one without component letter or with the
    first letter is kept (that is the brightest in these files)."""
    komponenten = _zeilen(os.path.join(ordner, "stars_hip_cids_0v0_0.cat"))
    klassen = _zeilen(os.path.join(ordner, "stars_hip_sp_0v0_4.cat"))
    sterne = {}
    rang = {}
    for datei in ZONEN_DATEIEN:
        d = zonendatei_lesen(os.path.join(ordner, datei))
        for i in np.nonzero(d["hip"] > 0)[0]:
            hip = int(d["hip"][i])
            k = int(d["komponente"][i])
            buchstabe = komponenten[k].strip() if 0 <= k < len(komponenten) else ""
            r = (0 if buchstabe in ("", "A") else 1, float(d["v"][i]))
            if hip in sterne and rang[hip] <= r:
                continue
            sp = int(d["sp"][i])
            klasse = klassen[sp].strip() if 0 < sp < len(klassen) else ""
            bv = float(d["bv"][i])
            sterne[hip] = Stern(hip, float(d["ra"][i]), float(d["de"][i]), float(d["v"][i]),
                                None if math.isnan(bv) else bv, klasse)
            rang[hip] = r
    return sterne


def kreuzkennungen_lesen(sterne, ordner=STERN_ORDNER):
    """Joins SAO and HD numbers onto the stars (cross-id.dat: HIP, component,
    SAO, HD, HR). Returns {sao: hip}. A SAO number that names several HIP
    stays with the first row; a HIP with several SAO numbers keeps its first
    one as its own."""
    sao_zu_hip = {}
    for zeile in _zeilen(os.path.join(ordner, "cross-id.dat")):
        if not zeile or zeile.startswith("#"):
            continue
        f = zeile.split("\t")
        if len(f) < 4 or not f[0].strip().isdigit():
            continue
        hip = int(f[0])
        s = sterne.get(hip)
        if s is None:
            continue
        sao = int(f[2]) if f[2].strip().isdigit() else 0
        hd = int(f[3]) if len(f) > 3 and f[3].strip().isdigit() else 0
        if sao and sao not in sao_zu_hip:
            sao_zu_hip[sao] = hip
            if not s.sao:
                s.sao = sao
        if hd and not s.hd:
            s.hd = hd
    return sao_zu_hip


def eigennamen_lesen(pfad=NAMEN_WESTLICH):
    """Proper names in the order of the file: [(hip, name)], primary name of
    each star first."""
    namen = []
    for zeile in _zeilen(pfad):
        zeile = zeile.strip()
        if not zeile or zeile.startswith("#") or "|" not in zeile:
            continue
        hip, rest = zeile.split("|", 1)
        a = rest.find('_("')
        b = rest.find('")', a + 3)
        if not hip.strip().isdigit() or a < 0 or b < 0:
            continue
        namen.append((int(hip), rest[a + 3:b].strip()))
    return namen


def bezeichnung_umschreiben(roh):
    """A designation of name.fab or of the variable star list in the style
    "alf CMa", "alf1 Cen", "61 Cyg A", "omi Cet", "o Leo". Greek letters
    become their three-letter abbreviations; a Latin letter stays as it is
    (the Latin o is not omicron)."""
    teile = roh.replace("_", " ").split()
    if not teile:
        return ""
    erster = teile[0]
    if erster[0] in GRIECHISCH:
        erster = GRIECHISCH[erster[0]] + erster[1:]
    return " ".join([erster] + teile[1:])


def bayer_flamsteed_lesen(ordner=STERN_ORDNER):
    """Flamsteed and Bayer designations [(hip, "alf CMa")] in file order."""
    aus = []
    for zeile in _zeilen(os.path.join(ordner, "name.fab")):
        if "|" not in zeile or zeile.lstrip().startswith("#"):
            continue
        hip, roh = zeile.split("|", 1)
        if not hip.strip().isdigit() or not roh.strip():
            continue
        aus.append((int(hip), bezeichnung_umschreiben(roh.strip())))
    return aus


def veraenderliche_lesen(ordner=STERN_ORDNER):
    """Variable stars of gcvs_hip_part.dat: [(hip, name, typ, max, min, system,
    period)]."""
    aus = []
    for zeile in _zeilen(os.path.join(ordner, "gcvs_hip_part.dat")):
        f = zeile.split("\t")
        if len(f) < 10 or not f[0].strip().isdigit():
            continue
        def zahl(t):
            try:
                return float(t)
            except ValueError:
                return None
        hoechst, art, min1 = zahl(f[3]), f[4].strip(), zahl(f[5])
        # Art 1: the minimum column holds an amplitude, not a magnitude.
        if art == "1" and hoechst is not None and min1 is not None:
            min1 = hoechst + min1
        aus.append((int(f[0]), bezeichnung_umschreiben(f[1].strip()), f[2].strip(),
                    hoechst, min1, f[7].strip(), zahl(f[9])))
    return aus


def eigenbewegungen_lesen(ordner=STERN_ORDNER):
    """{hip: (pmRA*cos(dec), pmDE)} in mas/yr."""
    aus = {}
    for zeile in _zeilen(os.path.join(ordner, "hip_pm.dat")):
        f = zeile.split()
        if len(f) >= 3 and f[0].isdigit():
            aus[int(f[0])] = (float(f[1]), float(f[2]))
    return aus


KSTARS_STERNE = "/usr/share/kstars/stars.dat"
JAHRE_1991_2000 = 8.75  # J1991.25, the Hipparcos catalogue epoch, to J2000.0


def _einheitsvektor(ra_h, de_g):
    a, d = math.radians(ra_h * 15.0), math.radians(de_g)
    return np.array([math.cos(d) * math.cos(a), math.cos(d) * math.sin(a), math.sin(d)])


def _mit_eigenbewegung(ra_h, de_g, pm_ra, pm_de, jahre):
    """Place moved by a proper motion (mas/yr, pmRA with cos(dec)) over
    `jahre`, along the tangent plane (safe near the pole)."""
    a, d = math.radians(ra_h * 15.0), math.radians(de_g)
    p = _einheitsvektor(ra_h, de_g)
    ost = np.array([-math.sin(a), math.cos(a), 0.0])
    nord = np.array([-math.sin(d) * math.cos(a), -math.sin(d) * math.sin(a), math.cos(d)])
    k = math.radians(1.0 / 3.6e6) * jahre
    q = p + ost * pm_ra * k + nord * pm_de * k
    q /= np.linalg.norm(q)
    return math.degrees(math.atan2(q[1], q[0])) / 15.0 % 24.0, math.degrees(math.asin(q[2]))


def kstars_ort(z):
    """(RA hours, Dec degrees), J2000, of a line of the kstars-data star list
    (HHMMSS.S in columns 1-9, sign and DDMMSS.S in 11-19), or None."""
    try:
        ra = int(z[0:2]) + int(z[2:4]) / 60 + float(z[4:9]) / 3600
        vz = -1 if z[10] == "-" else 1
        de = vz * (int(z[11:13]) + int(z[13:15]) / 60 + float(z[15:19]) / 3600)
    except (ValueError, IndexError):
        return None
    return ra, de


def _kstars_orte(pfad):
    """J2000 places of the Hipparcos/Tycho star list of kstars-data, in a
    grid of 1-degree cells: {(ra cell, dec cell): [unit vectors]}."""
    gitter = {}
    with open(pfad, encoding="latin-1") as f:
        for z in f:
            if z.startswith("#") or len(z) < 19:
                continue
            ort = kstars_ort(z)
            if ort is None:
                continue
            ra, de = ort
            gitter.setdefault((int(ra * 15), int(math.floor(de))), []).append(
                _einheitsvektor(ra, de))
    return gitter


def epoche_angleichen(sterne_, eigenbewegung, pfad=KSTARS_STERNE, ab_mas=40.0):
    """A few fast-moving stars of the zone files are still at the Hipparcos
    epoch J1991.25 (no flag says which). For each star with a proper motion
    of at least `ab_mas` mas/yr, the place moved on by 8.75 years replaces
    the stored one when it agrees with an independent J2000 list clearly
    better. Returns the number of stars moved."""
    if not os.path.exists(pfad):
        return 0
    gitter = _kstars_orte(pfad)
    bogensek = math.radians(1 / 3600)
    bewegt = 0
    for hip, s in sterne_.items():
        pm = eigenbewegung.get(hip)
        if pm is None or math.hypot(*pm) < ab_mas:
            continue
        neu = _mit_eigenbewegung(s.ra, s.de, pm[0], pm[1], JAHRE_1991_2000)
        p_alt, p_neu = _einheitsvektor(s.ra, s.de), _einheitsvektor(*neu)
        zelle = (int(s.ra * 15), int(math.floor(s.de)))
        bester = None
        for dr in (-1, 0, 1):
            for dd in (-1, 0, 1):
                for k in gitter.get(((zelle[0] + dr) % 360, zelle[1] + dd), ()):
                    w = float(np.dot(k, p_alt))
                    if bester is None or w > bester[0]:
                        bester = (w, k)
        if bester is None:
            continue
        k = bester[1]
        d_alt = math.acos(min(1.0, float(np.dot(k, p_alt)))) / bogensek
        d_neu = math.acos(min(1.0, float(np.dot(k, p_neu)))) / bogensek
        verschiebung = math.hypot(*pm) * JAHRE_1991_2000 / 1000.0
        if d_neu < 0.25 * verschiebung and d_alt > 0.75 * verschiebung:
            s.ra, s.de = neu
            bewegt += 1
    return bewegt
