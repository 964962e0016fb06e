"""Reads catalogue lines back with the program's column rules.

The builder checks its own output with these readers (and the tests use
them to prove that every layout round-trips): integer fields are optional
blanks and digits with nothing after them, real fields a number with blanks
around it, columns counted in bytes from 1.
"""

import re

_GANZ = re.compile(r"^ *[+-]?\d+$")
_REELL = re.compile(r"^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$")


class Lese_Fehler(ValueError):
    pass


def spalten(zeile, von, bis):
    """Columns von..bis (1-based, inclusive) of a byte line, as text."""
    return zeile[von - 1:bis].decode("cp1252")


def ganz(zeile, von, bis):
    t = spalten(zeile, von, bis)
    if not _GANZ.match(t):
        raise Lese_Fehler(f"'{t}' is not a valid integer value")
    return int(t)


def reell(zeile, von, bis):
    t = spalten(zeile, von, bis)
    if not _REELL.match(t):
        raise Lese_Fehler(f"'{t}' is not a valid floating point value")
    return float(t)


_STEUER = "".join(map(chr, range(33)))


def text(zeile, von, bis):
    """A text field, trimmed of blanks and control characters."""
    return spalten(zeile, von, bis).strip(_STEUER)


def _ra(z, h, m, s):
    return ganz(z, *h) + ganz(z, *m) / 60 + reell(z, *s) / 3600


def _de(z, vz, d, m, s, s_reell=True):
    wert = ganz(z, *d) + ganz(z, *m) / 60 + (reell(z, *s) if s_reell else ganz(z, *s)) / 3600
    return -wert if spalten(z, *vz) == "-" else wert


def ngc(z):
    return dict(bez=text(z, 1, 6), con=text(z, 7, 9), ra=_ra(z, (10, 11), (12, 13), (14, 17)),
                de=_de(z, (18, 18), (19, 20), (21, 22), (23, 24), False),
                b=reell(z, 25, 28), v=reell(z, 29, 32), ga=reell(z, 33, 37), gb=reell(z, 38, 42),
                typ=text(z, 43, 50), dist=reell(z, 51, 57), alias=text(z, 58, 73))


def deepsky_name(z):
    bez = text(z, 1, 6)
    if not re.match(r"^[MNI]\d+[A-Z]?$", bez) or not text(z, 14, 200):
        raise Lese_Fehler(f"'{spalten(z, 1, 20)}' is not a designation and a name")
    mag = spalten(z, 8, 12)
    return {"bez": bez, "mag": reell(z, 8, 12) if mag.strip() else None,
            "name": text(z, 14, 200)}


def sao(z):
    return dict(nr=text(z, 1, 6), ra=_ra(z, (7, 8), (9, 10), (11, 15)),
                de=_de(z, (16, 16), (17, 18), (19, 20), (21, 24)), v=reell(z, 38, 41),
                klasse=spalten(z, 42, 43), alias=text(z, 44, 59))


def hip(z):
    return dict(nr=text(z, 1, 6), ra=_ra(z, (7, 8), (9, 10), (11, 16)),
                de=_de(z, (17, 17), (18, 19), (20, 21), (22, 26)), v=reell(z, 27, 32),
                bv=reell(z, 33, 39), hd=text(z, 40, 45), name1=text(z, 46, 55),
                name2=text(z, 56, 66), klasse=spalten(z, 67, 78))


def eigenbewegung(z):
    """A record of the proper-motion side file: 28 characters, the program
    finds a star by halves over records of one width."""
    if len(z) != 28:
        raise Lese_Fehler(f"record of {len(z)} characters, not 28")
    return dict(nr=ganz(z, 1, 6), pm_ra=reell(z, 8, 17), pm_de=reell(z, 19, 28))


def veraenderlich(z):
    return dict(name=text(z, 1, 10), ra=reell(z, 16, 22) / 15, de=reell(z, 23, 28),
                v=reell(z, 29, 34))


def landolt(z):
    return dict(ra=_ra(z, (1, 2), (4, 5), (7, 10)),
                de=_de(z, (12, 12), (13, 14), (16, 17), (19, 20)), v=reell(z, 36, 41),
                b=reell(z, 50, 55), name=text(z, 106, 125))


def geostat(z):
    """Label, and the longitude as the position tick reads it from the
    label (characters 18-22 and 23 of the trimmed label)."""
    label = text(z, 1, 28)
    laenge = float(label[17:22])
    return dict(label=label, laenge=-laenge if label[22:23].upper() == "W" else laenge)


def hell(z):
    return dict(ra=_ra(z, (1, 2), (4, 5), (7, 12)),
                de=_de(z, (22, 22), (23, 24), (26, 27), (29, 33)), v=reell(z, 54, 59),
                klasse=spalten(z, 61, 62), name=text(z, 89, 108), alias=text(z, 110, 129))


def flamsteed(z):
    return dict(ra=_ra(z, (39, 40), (42, 43), (45, 49)),
                de=_de(z, (51, 51), (52, 53), (55, 56), (58, 61)), v=reell(z, 62, 67),
                bez=text(z, 70, 79), alias=text(z, 81, 90))


def ephemeride(z):
    return dict(jd=reell(z, 1, 12), ra=_ra(z, (14, 15), (17, 18), (20, 24)),
                de=_de(z, (26, 26), (27, 28), (30, 31), (33, 36)), v=reell(z, 37, 42),
                groesse=reell(z, 44, 47), dist=reell(z, 49, 52), con=z[-3:].decode("cp1252"))


def eigenes(z):
    if len(z) < 15:
        raise Lese_Fehler("own-object line shorter than 15 characters")
    if spalten(z, 3, 3) == ":":
        ra = _ra(z, (1, 2), (4, 5), (7, 10))
    else:
        ra = reell(z, 22, 29)
    if spalten(z, 15, 15) == ":":
        de = _de(z, (12, 12), (13, 14), (16, 17), (19, 20))
    else:
        de = reell(z, 31, 38)
    eq = spalten(z, 40, 45)
    aequinoktium = float(eq) if re.match(r"^ *[+-]?\d+(\.\d*)?$", eq) else None
    return dict(ra=ra, de=de, aequinoktium=aequinoktium, name=text(z, 47, 76))


def gepacktes_datum(t):
    """Year, month, day of a packed date (K2289 -> 2022, 8, 9.0)."""
    def wert(c):
        return int(c) if c in "123456789" else ord(c) - 55
    tag = float(wert(t[4]))
    if len(t) > 5:
        tag += float("0." + t[5:25])
    return (ord(t[0]) - 55) * 100 + int(t[1:3]), wert(t[3]), tag


def asteroid(z):
    return dict(bez=text(z, 1, 7), h=reell(z, 9, 13), g=reell(z, 15, 19),
                epoche=gepacktes_datum(spalten(z, 21, 25)), m=reell(z, 27, 35),
                peri=reell(z, 38, 46), knoten=reell(z, 49, 57), inkl=reell(z, 60, 68),
                e=reell(z, 71, 79), n=reell(z, 81, 91), a=reell(z, 93, 103),
                name=text(z, 167, 194))


def komet(z):
    if len(z) < 5:
        raise Lese_Fehler("comet line shorter than 5 characters")
    return dict(typ=spalten(z, 5, 5), bez=spalten(z, 6, 12), jahr=ganz(z, 15, 18),
                monat=ganz(z, 20, 21), tag=reell(z, 23, 29), q=reell(z, 31, 39),
                e=reell(z, 42, 49), peri=reell(z, 52, 59), knoten=reell(z, 62, 69),
                inkl=reell(z, 72, 79), h=reell(z, 92, 95), k=reell(z, 97, 100),
                name=spalten(z, 103, 158), ref=spalten(z, 160, 168))


def nach_trennlinie(zeilen):
    """The lines after the first line that begins with "--"."""
    for i, z in enumerate(zeilen):
        if z.startswith(b"--"):
            return zeilen[i + 1:]
    return []


def deepsky_form(z):
    """Key, major and minor axis (arcmin) and position angle (deg) of one object."""
    t = z.decode("cp1252").split()
    if len(t) != 4:
        raise Lese_Fehler("4 Felder erwartet")
    ga, gb, pa = float(t[1]), float(t[2]), float(t[3])
    if not (0 < gb <= ga and 0 <= pa < 180):
        raise Lese_Fehler("Achsen oder Positionswinkel ausserhalb")
    return dict(bez=t[0], ga=ga, gb=gb, pa=pa)


def datei_zeilen(pfad):
    """Lines of a catalogue file as bytes; CR LF and LF both end a line."""
    with open(pfad, "rb") as f:
        daten = f.read()
    zeilen = daten.split(b"\n")
    if zeilen and zeilen[-1] == b"":
        zeilen.pop()
    return [z[:-1] if z.endswith(b"\r") else z for z in zeilen]


# File name -> (header lines to skip or "--", line reader).
DATEIEN = {
    "NGC_IC_Messier_Catalogue_Revised.txt": (1, ngc),
    "Deepsky_Namen.txt": (1, deepsky_name),
    "Deepsky_Formen.txt": (1, deepsky_form),
    "SAO_J2000.txt": (0, sao),
    "Hipparcos_J2000.txt": (0, hip),
    "Variable_Stars_AAVSO.txt": (0, veraenderlich),
    "Landolt_Faint_Photometric_Standards.txt": (2, landolt),
    "Geosynchrone_Satelliten.txt": ("--", geostat),
    "Bright_Stars_Proper_Names_SAO.txt": (0, hell),
    "Flamsteed_Bayer_HD_CrossReference.txt": (0, flamsteed),
    "Eigene_Objekte.txt": ("--", eigenes),
    "Eigenbewegungen_HIP.txt": (0, eigenbewegung),
    "Asteroiden.txt": (0, asteroid),
    "Kometen.txt": (0, komet),
}
for _k in ("Sonne", "Merkur", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptun"):
    DATEIEN[f"2010-2080_Horizons_{_k}.txt"] = (0, ephemeride)


def datei_lesen(pfad, name):
    """Every record of a built file, parsed; raises Lese_Fehler naming the
    line number of the first bad line."""
    kopf, leser = DATEIEN[name]
    zeilen = datei_zeilen(pfad)
    rumpf = nach_trennlinie(zeilen) if kopf == "--" else zeilen[kopf:]
    versatz = len(zeilen) - len(rumpf)
    aus = []
    for i, z in enumerate(rumpf):
        try:
            aus.append(leser(z))
        except (Lese_Fehler, ValueError, IndexError) as e:
            raise Lese_Fehler(f"{name}, line {versatz + i + 1}: {e}") from e
    return aus


# Files a folder built by an older builder lacks; the program works without them.
OPTIONAL = {"Eigenbewegungen_HIP.txt"}

# Keys a complete build must hold: file -> (reader field, values).
ERWARTET = {
    "NGC_IC_Messier_Catalogue_Revised.txt": ("bez", ["M1", "M31", "M40", "M42", "M45", "M102",
                                                     "M110", "N7000", "I1396"]),
    "Deepsky_Namen.txt": ("name", ["Andromeda Galaxy", "Pleiades", "Orionnebel", "Krippe"]),
    "Deepsky_Formen.txt": ("bez", ["M31", "M32", "M82", "N891"]),
    "Hipparcos_J2000.txt": ("nr", ["32349", "11767", "91262"]),
    "SAO_J2000.txt": ("nr", ["151881", "308"]),
    "Bright_Stars_Proper_Names_SAO.txt": ("name", ["Sirius", "Polaris", "Vega", "Capella",
                                                   "Schedar", "Beteigeuze"]),
    "Flamsteed_Bayer_HD_CrossReference.txt": ("bez", ["alf CMa", "omi Cet", "61 Cyg", "o Leo"]),
    "Variable_Stars_AAVSO.txt": ("name", ["R CrB", "omi Cet", "del Cep"]),
    "Landolt_Faint_Photometric_Standards.txt": ("name", ["92_245"]),
    "Asteroiden.txt": ("name", ["(1) Ceres", "(433) Eros"]),
}


def ordner_pruefen(ordner):
    """Reads every file of a catalogue folder with the program's column
    rules and checks that well-known objects are there. Returns the list of
    faults (empty when all is well)."""
    import os
    fehler = []
    for name in DATEIEN:
        pfad = os.path.join(ordner, name)
        if not os.path.exists(pfad):
            if name not in OPTIONAL:
                fehler.append(f"File not found: {name}")
            continue
        try:
            saetze = datei_lesen(pfad, name)
        except Lese_Fehler as e:
            fehler.append(str(e))
            continue
        feld, werte = ERWARTET.get(name, (None, []))
        vorhanden = {s[feld] for s in saetze} if feld else set()
        fehler += [f"{name}: {w} missing" for w in werte if w not in vorhanden]
        if name.startswith("2010-2080_") and (len(saetze) != 51867 or any(
                abs(b["jd"] - a["jd"] - 0.5) > 1e-6 for a, b in zip(saetze, saetze[1:]))):
            fehler.append(f"{name}: rows not every half day from 2010 to 2080")
        if name == "Eigenbewegungen_HIP.txt" and any(
                b["nr"] <= a["nr"] for a, b in zip(saetze, saetze[1:])):
            fehler.append(f"{name}: HIP numbers not rising")
        print(f"{name:42} {len(saetze):7} records")
    return fehler


if __name__ == "__main__":
    import os
    import sys
    ordner = sys.argv[1] if len(sys.argv) > 1 else os.environ.get("STELUX_KATALOG", "")
    if not ordner or not os.path.isdir(ordner):
        print("no catalogue folder given (argument or STELUX_KATALOG): nothing checked")
        sys.exit(77)
    probleme = ordner_pruefen(ordner)
    for p in probleme:
        print(p, file=sys.stderr)
    sys.exit(1 if probleme else 0)
