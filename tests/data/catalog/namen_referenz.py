#!/usr/bin/python3
"""Reference places for the name lookup over the built catalogues.

Writes namen_iau.txt (each IAU star name of the sources with its HIP number)
and namen_referenz.txt beside this script, one tab-separated row per
entry: entry, expected designation ("*" = any), expected type ("*" = any),
RA (hours, J2000), Dec (degrees, J2000), tolerance in arcseconds ("-" = no
place known). Stars: PyEphem's star list (python3-ephem), astrometric place
for J2000.0. Deep-sky objects: J2000 centres of the published Messier, NGC
and IC tables, to the arcminute. Run with Debian's /usr/bin/python3.
"""

import os
import re

import ephem
import ephem.stars

STERN_TOLERANZ = 5.0      # arcseconds
DEEPSKY_TOLERANZ = 600.0  # arcseconds; the tables give centres to about 1'
BAYER_TOLERANZ = 1.0      # arcseconds


def stern(name):
    s = ephem.star(name)
    s.compute("2000/1/1 12:00:00", epoch=ephem.J2000)
    return float(s.a_ra) * 12 / ephem.pi, float(s.a_dec) * 180 / ephem.pi


def sexa(ra, de):
    h, m, s = (float(x) for x in ra.split())
    vz = -1 if de.strip().startswith("-") else 1
    d, dm, ds = (abs(float(x)) for x in de.split())
    return h + m / 60 + s / 3600, vz * (d + dm / 60 + ds / 3600)


# Entries that PyEphem spells differently from every source the catalogues use.
NICHT_IM_KATALOG = {"Albereo", "Formalhaut", "Alcaid"}

# (entry, PyEphem star whose place it must have)
STERN_NAMEN = [
    ("Beteigeuze", "Betelgeuse"), ("Wega", "Vega"), ("Atair", "Altair"), ("Kapella", "Capella"),
    ("Polarstern", "Polaris"), ("Prokyon", "Procyon"), ("Arktur", "Arcturus"),
    ("Spika", "Spica"), ("Kastor", "Castor"), ("Alkor", "Alcor"), ("Shedar", "Schedar"),
    ("sirius", "Sirius"), ("  Vega  ", "Vega"), ("HIP 32349", "Sirius"), ("H32349", "Sirius"),
    ("hip32349", "Sirius"), ("SAO 151881", "Sirius"), ("S151881", "Sirius"),
    ("alf CMa", "Sirius"), ("alf Gru", "Alnair"), ("bet Cen", "Hadar"),
    ("Agena", "Hadar"), ("Atria", "Atria"), ("Alnair", "Alnair"), ("Schedar", "Schedar"),
    ("Enif", "Enif"), ("Elnath", "Elnath"), ("Eltanin", "Eltanin"), ("Scheat", "Scheat"),
]

# (entry, designation, PyEphem star): Bayer and Flamsteed designations in
# the spellings observers type, and HD numbers.
BAYER = [
    ("alpha Lyr", "alf Lyr", "Vega"), ("α Lyr", "alf Lyr", "Vega"),
    ("Alpha Lyrae", "alf Lyr", "Vega"), ("alpha lyrae", "alf Lyr", "Vega"),
    ("ALF LYR", "alf Lyr", "Vega"), ("αLyr", "alf Lyr", "Vega"),
    ("alpha2 Lib", "alf2 Lib", "Zubenelgenubi"), ("α² Lib", "alf2 Lib", "Zubenelgenubi"),
    ("α2 Librae", "alf2 Lib", "Zubenelgenubi"), ("Alpha 2 Librae", "alf2 Lib", "Zubenelgenubi"),
    ("Beta1 Cygni", "bet1 Cyg", "Albereo"), ("β¹ Cyg", "bet1 Cyg", "Albereo"),
    ("Zeta Ursae Majoris", "zet UMa", "Mizar"), ("ζ UMa", "zet UMa", "Mizar"),
    ("Alpha Orionis", "alf Ori", "Betelgeuse"), ("Sigma Sgr", "sig Sgr", "Nunki"),
    ("alpha Canis Majoris", "alf CMa", "Sirius"), ("alf CMa", "alf CMa", "Sirius"),
    ("9 CMa", "9 CMa", "Sirius"), ("9 Canis Majoris", "9 CMa", "Sirius"),
    ("HD 48915", "alf CMa", "Sirius"), ("hd48915", "alf CMa", "Sirius"),
    ("Gamma Cygni", "gam Cyg", "Sadr"), ("Epsilon Ori", "eps Ori", "Alnilam"),
]

# (entry, designation, RA, Dec): components PyEphem lacks; SIMBAD places,
# J2000 at epoch 2000.
BAYER_PUBLIZIERT = [
    ("61 Cyg B", "61 Cyg B", "21 6 55.264", "38 44 31.36"),
    ("61 cygni b", "61 Cyg B", "21 6 55.264", "38 44 31.36"),
    ("alpha1 Lib", "alf1 Lib", "14 50 41.181", "-15 59 50.05"),
    ("α¹ Librae", "alf1 Lib", "14 50 41.181", "-15 59 50.05"),
    ("ω¹ Sco", "ome1 Sco", "16 6 48.427", "-20 40 9.09"),
    ("Omega2 Scorpii", "ome2 Sco", "16 7 24.327", "-20 52 7.55"),
    ("ω Sco", "ome Sco", "16 6 48.427", "-20 40 9.09"),  # the first component
]

# (entry, designation, RA "h m s", Dec "d m s") from the published tables.
DEEPSKY = [
    ("M31", "M31", "0 42 44", "41 16 9"), ("M 31", "M31", "0 42 44", "41 16 9"),
    (" M31", "M31", "0 42 44", "41 16 9"), ("Messier 31", "M31", "0 42 44", "41 16 9"),
    ("messier31", "M31", "0 42 44", "41 16 9"), ("NGC 224", "N224", "0 42 44", "41 16 9"),
    ("Andromeda", "M31", "0 42 44", "41 16 9"), ("Andromedanebel", "M31", "0 42 44", "41 16 9"),
    ("Andromeda Galaxy", "M31", "0 42 44", "41 16 9"),
    ("NGC 7000", "N7000", "20 59 17", "44 31 44"), ("NGC7000", "N7000", "20 59 17", "44 31 44"),
    ("N 7000", "N7000", "20 59 17", "44 31 44"), ("ngc 7000", "N7000", "20 59 17", "44 31 44"),
    ("North America Nebula", "N7000", "20 59 17", "44 31 44"),
    ("Nordamerikanebel", "N7000", "20 59 17", "44 31 44"),
    ("IC 1396", "I1396", "21 39 6", "57 30 0"), ("IC1396", "I1396", "21 39 6", "57 30 0"),
    ("Pleiades", "M45", "3 47 0", "24 7 0"), ("Plejaden", "M45", "3 47 0", "24 7 0"),
    ("Siebengestirn", "M45", "3 47 0", "24 7 0"),
    ("Beehive", "M44", "8 40 24", "19 40 0"), ("Praesepe", "M44", "8 40 24", "19 40 0"),
    ("Krippe", "M44", "8 40 24", "19 40 0"),
    ("Orion Nebula", "M42", "5 35 17", "-5 23 28"), ("Orionnebel", "M42", "5 35 17", "-5 23 28"),
    ("Ring Nebula", "M57", "18 53 35", "33 1 45"), ("Ringnebel", "M57", "18 53 35", "33 1 45"),
    ("Dumbbell Nebula", "M27", "19 59 36", "22 43 16"),
    ("Hantelnebel", "M27", "19 59 36", "22 43 16"),
    ("Crab Nebula", "M1", "5 34 32", "22 0 52"), ("Krebsnebel", "M1", "5 34 32", "22 0 52"),
    ("M13", "M13", "16 41 41", "36 27 37"), ("Herkuleshaufen", "M13", "16 41 41", "36 27 37"),
    ("Whirlpool Galaxy", "M51", "13 29 53", "47 11 43"),
    ("Sombrero Galaxy", "M104", "12 39 59", "-11 37 23"),
    ("Lagoon Nebula", "M8", "18 3 37", "-24 23 12"), ("Lagunennebel", "M8", "18 3 37", "-24 23 12"),
    ("Trifid Nebula", "M20", "18 2 23", "-23 1 48"),
    ("Eagle Nebula", "M16", "18 18 48", "-13 49 0"),
    ("Omega Nebula", "M17", "18 20 26", "-16 10 36"), ("Owl Nebula", "M97", "11 14 48", "55 1 9"),
    ("Eulennebel", "M97", "11 14 48", "55 1 9"),
    ("Wild Duck Cluster", "M11", "18 51 5", "-6 16 12"),
    ("Bodes Galaxie", "M81", "9 55 33", "69 3 55"), ("Cigar Galaxy", "M82", "9 55 52", "69 40 47"),
    ("Eskimonebel", "N2392", "7 29 11", "20 54 42"),
    ("Helix Nebula", "N7293", "22 29 39", "-20 50 14"),
    ("Helixnebel", "N7293", "22 29 39", "-20 50 14"),
    ("Cat's Eye Nebula", "N6543", "17 58 33", "66 37 59"),
    ("Katzenaugennebel", "N6543", "17 58 33", "66 37 59"),
    ("Doppelhaufen", "N869", "2 19 0", "57 8 0"), ("M 1", "M1", "5 34 32", "22 0 52"),
    ("m42", "M42", "5 35 17", "-5 23 28"), ("Messier 45", "M45", "3 47 0", "24 7 0"),
]

# (entry, designation, type): places that change with time, no reference place.
OHNE_ORT = [
    ("Ceres", "A(1) Ceres", "Asteroid"), ("Vesta", "A(4) Vesta", "Asteroid"),
    ("Pallas", "A(2) Pallas", "Asteroid"), ("Halley", "*", "Komet"),
    ("Hale-Bopp", "*", "Komet"), ("Jupiter", "PJupiter", "Planet"), ("mars", "PMars", "Planet"),
    ("Sonne", "PSonne", "Sonne"),
]

# Mira, o Ceti: Hipparcos place (ESA 1997), J2000.
MIRA = sexa("2 19 20.79", "-2 58 39.5")


# The IAU names of the western sky culture of stellarium-data (references 6
# and 12 are the IAU Working Group on Star Names list) with their HIP numbers.
STAR_NAMES = "/usr/share/stellarium/skycultures/western/star_names.fab"


def iau_schreiben():
    paare = []
    with open(STAR_NAMES, encoding="utf-8") as f:
        for zeile in f:
            m = re.match(r'^\s*(\d+)\|_\("([^"]+)"\)\s*([\d,\s]*)$', zeile.rstrip("\n"))
            if m and {6, 12} & {int(r) for r in re.findall(r"\d+", m.group(3))}:
                paare.append((m.group(2), int(m.group(1))))
    pfad = os.path.join(os.path.dirname(os.path.abspath(__file__)), "namen_iau.txt")
    with open(pfad, "w", encoding="utf-8") as f:
        for name, hip in sorted(paare):
            f.write(f"{name}\t{hip}\n")
    print(f"{len(paare)} IAU names written to {pfad}")


def main():
    zeilen = []
    for name in sorted({l.split(",")[0] for l in ephem.stars.db.strip().splitlines()}):
        if name in NICHT_IM_KATALOG:
            continue
        ra, de = stern(name)
        zeilen.append((name, "*", "*", ra, de, STERN_TOLERANZ))
    for eingabe, referenz in STERN_NAMEN:
        ra, de = stern(referenz)
        zeilen.append((eingabe, "*", "*", ra, de, STERN_TOLERANZ))
    zeilen.append(("Mira", "*", "*", MIRA[0], MIRA[1], STERN_TOLERANZ))
    for eingabe, bez, referenz in BAYER:
        ra, de = stern(referenz)
        zeilen.append((eingabe, bez, "*", ra, de, BAYER_TOLERANZ))
    for eingabe, bez, ra, de in BAYER_PUBLIZIERT:
        r, d = sexa(ra, de)
        zeilen.append((eingabe, bez, "*", r, d, BAYER_TOLERANZ))
    for eingabe, bez, ra, de in DEEPSKY:
        r, d = sexa(ra, de)
        zeilen.append((eingabe, bez, "*", r, d, DEEPSKY_TOLERANZ))
    for eingabe, bez, typ in OHNE_ORT:
        zeilen.append((eingabe, bez, typ, None, None, None))
    iau_schreiben()
    pfad = os.path.join(os.path.dirname(os.path.abspath(__file__)), "namen_referenz.txt")
    with open(pfad, "w", encoding="utf-8") as f:
        for e, b, t, ra, de, tol in zeilen:
            if ra is None:
                f.write(f"{e}\t{b}\t{t}\t-\t-\t-\n")
            else:
                f.write(f"{e}\t{b}\t{t}\t{ra:.9f}\t{de:.8f}\t{tol:g}\n")
    print(f"{len(zeilen)} rows written to {pfad}")


if __name__ == "__main__":
    main()
