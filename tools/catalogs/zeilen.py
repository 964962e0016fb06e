"""One function per catalogue line layout.

Each takes plain values and returns one line (without line end) whose fields
stand in exactly the byte columns the program reads. Columns not read by the
program are blank or carry cross-references for the human reader.
"""

from formate import (Feld_Fehler, cp1252_text, deklination, feld_rechts, feld_text, feld_zahl,
                     feld_zahl_passend, rektaszension)


def _ganz(nr, breite):
    return feld_rechts(str(nr), breite) if nr else " " * breite


def klasse_kurz(sp):
    """Two-character spectral class ("A1V+DA" -> "A1", "F8Ib" -> "F8")."""
    sp = (sp or "").strip()
    for i, z in enumerate(sp):
        if z in "OBAFGKMCSNRWL":
            ziffer = sp[i + 1] if i + 1 < len(sp) and sp[i + 1].isdigit() else " "
            return z + ziffer
    return "  "


# --- Messier, NGC, IC -------------------------------------------------------

NGC_KOPF = ("Bez.  ConRA(2000)DE(2000) B   V    Gr.A Gr.B Typ     Dist.  Name")


def ngc_zeile(bez, con, ra, de, b, v, ga, gb, typ, dist_mpc, alias):
    """Cols 1-6 designation, 7-9 constellation, 10-17 RA hhmmss.s, 18-24 Dec
    sddmmss, 25-28 B, 29-32 V, 33-37 / 38-42 sizes (arcmin), 43-50 type,
    51-57 distance (Mpc, 0 = unknown), 58-73 common name."""
    if len(bez) > 6:
        raise Feld_Fehler(f"designation {bez!r} longer than 6 columns")
    return (feld_text(bez, 6) + feld_text(con, 3) + rektaszension(ra, 4, 1)
            + deklination(de, 2, 0) + feld_zahl(b, 4, 1) + feld_zahl(v, 4, 1)
            + feld_zahl(min(ga, 999.9), 5, 1) + feld_zahl(min(gb, 999.9), 5, 1)
            + feld_text(typ, 8) + feld_zahl_passend(dist_mpc, 7, 5)
            + feld_text(cp1252_text(alias), 16)).rstrip()


# --- stars ------------------------------------------------------------------

def eigenbewegung_zeile(hip, pm_ra, pm_de):
    """The proper-motion side file, keyed by HIP number: cols 1-6 HIP, 8-17
    mu_alpha cos(delta), 19-28 mu_delta, mas per year; the places of the star
    files are at J2000.0. Every record is 28 characters (30 with CR LF)."""
    return f"{hip:6d} {pm_ra:10.2f} {pm_de:10.2f}"


def sao_zeile(sao, ra, de, v, sp, alias, hip=0):
    """Cols 1-6 SAO, 7-15 RA hhmmss.ss, 16-24 Dec sddmmss.s, 27-37 HIP
    (cross-reference), 38-41 V, 42-43 class, 44-59 alias."""
    return (feld_rechts(sao, 6) + rektaszension(ra, 5, 2) + deklination(de, 4, 1)
            + "  " + (f"H{hip:6d}" if hip else " " * 7) + "    "
            + feld_zahl(v, 4, 1) + klasse_kurz(sp) + feld_text(cp1252_text(alias), 16)).rstrip()


def hip_zeile(hip, ra, de, v, bv, hd, name1, name2, sp):
    """Cols 1-6 HIP, 7-16 RA hhmmss.sss, 17-26 Dec sddmmss.ss, 27-32 V,
    33-39 B-V (99.999 = none), 40-45 HD, 46-55 first name, 56-66 second
    name, 67-78 spectral class (padded: the class is read untrimmed)."""
    return (feld_rechts(hip, 6) + rektaszension(ra, 6, 3) + deklination(de, 5, 2)
            + feld_zahl(v, 6, 2) + feld_zahl(99.999 if bv is None else bv, 7, 3)
            + _ganz(hd, 6) + feld_text(cp1252_text(name1), 10)
            + feld_text(cp1252_text(name2), 11) + feld_text(cp1252_text(sp), 12))


def helle_zeile(name, ra, de, v, sp, alias, sao=0, hip=0):
    """Cols 1-12 RA hh:mm:ss.sss, 22-33 Dec sdd:mm:ss.ss, 35-41 SAO,
    43-49 HIP, 54-59 V, 61-62 class, 89-108 proper name, 110-129 alias."""
    return (rektaszension(ra, 6, 3, ":") + " " * 9 + deklination(de, 5, 2, ":") + " "
            + _ganz(sao, 7) + " " + _ganz(hip, 7) + "    " + feld_zahl(v, 6, 2) + " "
            + klasse_kurz(sp) + " " * 26 + feld_text(cp1252_text(name), 20) + " "
            + feld_text(cp1252_text(alias), 20)).rstrip()


def flamsteed_zeile(bez, ra, de, v, alias, hd=0, hip=0, sao=0):
    """Cols 1-6 HD, 8-13 HIP, 15-20 SAO (cross-references), 39-49 RA
    hh:mm:ss.ss, 51-61 Dec sdd:mm:ss.s, 62-67 V, 70-79 designation,
    81-90 alias."""
    return (_ganz(hd, 6) + " " + _ganz(hip, 6) + " " + _ganz(sao, 6) + " " * 18
            + rektaszension(ra, 5, 2, ":") + " " + deklination(de, 4, 1, ":")
            + feld_zahl(v, 6, 2) + "  " + feld_text(cp1252_text(bez), 10) + " "
            + feld_text(cp1252_text(alias), 10)).rstrip()


def veraenderlich_zeile(name, ra, de, v, typ="", minimum=None):
    """Cols 1-10 name, 16-22 RA in degrees, 23-28 Dec in degrees, 29-34
    maximum magnitude; 36-45 variability type, 47-52 minimum (for the
    reader)."""
    ra_grad = ra * 15.0
    ra_text = feld_zahl_passend(ra_grad, 7, 4)
    if float(ra_text) >= 360.0:
        ra_text = feld_zahl_passend(0.0, 7, 4)
    return (feld_text(cp1252_text(name), 10) + " " * 5 + ra_text
            + feld_zahl_passend(de, 6, 3) + feld_zahl(v, 6, 2) + " "
            + feld_text(cp1252_text(typ), 10) + " "
            + (feld_zahl(minimum, 6, 2) if minimum is not None else "")).rstrip()


# --- photometric standards ------------------------------------------------

LANDOLT_KOPF = [
    ("RA (J2000) DE (J2000)" + " " * 14 + "     V    B-V      B    U-B    V-R    R-I    V-I"
     + "    n    m").ljust(105) + "Name",
    "-" * 125,
]


def landolt_zeile(name, ra, de, v, bv, ub, vr, ri, vi, n, m):
    """Cols 1-10 RA hh:mm:ss.s, 12-20 Dec sdd:mm:ss, 36-41 V, 43-49 B-V,
    50-55 B = V + (B-V), 57-83 U-B, V-R, R-I, V-I, 85-94 observations and
    nights, 106-125 star name."""
    z = (rektaszension(ra, 4, 1, ":") + " " + deklination(de, 2, 0, ":") + " " * 15
         + feld_zahl(v, 6, 3) + " " + feld_zahl(bv, 6, 3) + " " + feld_zahl(v + bv, 6, 3)
         + " " + feld_zahl(ub, 6, 3) + " " + feld_zahl(vr, 6, 3) + " " + feld_zahl(ri, 6, 3)
         + " " + feld_zahl(vi, 6, 3) + " " + feld_rechts(n, 4) + " " + feld_rechts(m, 4))
    return (feld_text(z, 105) + feld_text(name, 20)).rstrip()


# --- geostationary satellites ----------------------------------------------

def geostat_bezeichnung(name, laenge_ost):
    """Satellite label: the name in characters 1-17, the orbital longitude
    (degrees, one decimal) in 18-22 and E or W in 23."""
    w = abs(laenge_ost)
    if round(w, 1) >= 180.0:
        w, laenge_ost = 180.0, 180.0
    seite = "W" if laenge_ost < 0 and round(w, 1) > 0 else "E"
    return feld_text(cp1252_text(name), 17) + feld_zahl(w, 5, 1) + seite


# --- ephemeris tables --------------------------------------------------------

def ephemeriden_zeile(jd, ra, de, mag, groesse, distanz, con):
    """Cols 1-12 Julian Date (UT), 14-24 RA hh:mm:ss.ss, 26-36 Dec
    sdd:mm:ss.s, 37-42 magnitude, 44-47 apparent diameter (arcsec), 49-52
    distance (AU), the line's last three characters the constellation."""
    if len(con) != 3:
        raise Feld_Fehler(f"constellation {con!r} is not three characters")
    return (feld_zahl(jd, 12, 4) + " " + rektaszension(ra, 5, 2, ":") + " "
            + deklination(de, 4, 1, ":") + feld_zahl(mag, 6, 2) + " "
            + feld_zahl_passend(groesse, 4, 2) + " " + feld_zahl_passend(distanz, 4, 2) + " "
            + con)


# --- element files -----------------------------------------------------------

def asteroid_zeile(bez, h, g, epoche, m, peri, knoten, inkl, e, n, a, name):
    """One-line orbit layout: cols 1-7 packed designation, 9-13 H, 15-19 G,
    21-25 packed epoch, 27-35 mean anomaly, 38-46 argument of perihelion,
    49-57 node, 60-68 inclination (degrees, J2000 ecliptic), 71-79 e, 81-91
    mean daily motion (deg/day), 93-103 a (AU), 167-194 readable name."""
    if len(epoche) != 5:
        raise Feld_Fehler(f"packed epoch {epoche!r} is not five characters")
    z = (feld_text(bez, 7) + " " + feld_zahl(h, 5, 2) + " " + feld_zahl(g, 5, 2) + " "
         + epoche + " " + feld_zahl(m, 9, 5) + "  " + feld_zahl(peri, 9, 5) + "  "
         + feld_zahl(knoten, 9, 5) + "  " + feld_zahl(inkl, 9, 5) + "  " + feld_zahl(e, 9, 7)
         + " " + feld_zahl_passend(n, 11, 8) + " " + feld_zahl_passend(a, 11, 7))
    return (feld_text(z, 166) + feld_text(cp1252_text(name), 28)).rstrip()


def komet_zeile(nummer, typ, vorl, jahr, monat, tag, q, e, peri, knoten, inkl, epoche, h, k,
                name, ref):
    """Comet layout: cols 1-4 periodic number, 5 orbit type, 6-12 packed
    provisional designation, 15-18/20-21/23-29 perihelion date (TT), 31-39
    q (AU), 42-49 e, 52-59 argument of perihelion, 62-69 node, 72-79
    inclination (degrees, J2000), 82-89 epoch yyyymmdd, 92-95 H, 97-100 K,
    103-158 designation and name, 160-168 reference."""
    z = ((f"{nummer:04d}" if nummer else "    ") + feld_text(typ, 1) + feld_rechts(vorl, 7)
         + "  " + feld_rechts(jahr, 4) + " " + f"{monat:02d}" + " " + feld_zahl(tag, 7, 4)
         + " " + feld_zahl_passend(q, 9, 6) + "  " + feld_zahl_passend(e, 8, 6) + "  "
         + feld_zahl(peri, 8, 4) + "  " + feld_zahl(knoten, 8, 4) + "  " + feld_zahl(inkl, 8, 4)
         + "  " + feld_text(epoche, 8) + "  " + feld_zahl(h, 4, 1) + " " + feld_zahl(k, 4, 1)
         + "  " + feld_text(cp1252_text(name), 56) + " " + feld_text(cp1252_text(ref), 9))
    return z.rstrip()
