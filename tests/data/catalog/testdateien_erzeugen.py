#!/usr/bin/python3
"""Writes the small catalogue files of the catalogue tests (Windows-1252, CR LF).
Each line is built from (column, text) pairs, so the columns can be read here."""
import os

HIER = os.path.dirname(os.path.abspath(__file__))


def zeile(*felder, laenge=0):
    z = [" "] * laenge
    for spalte, text in felder:
        ende = spalte - 1 + len(text)
        if len(z) < ende:
            z += [" "] * (ende - len(z))
        z[spalte - 1:ende] = list(text)
    return "".join(z)


def schreiben(name, zeilen, ordner=HIER):
    with open(os.path.join(ordner, name), "wb") as f:
        for z in zeilen:
            f.write(z.encode("cp1252") + b"\r\n")


def ngc(bez, con, ra, de, b, v, ga, gb, typ, dist, alias):
    h, m, s = ra
    sg, d, am, asec = de
    return zeile((1, bez), (7, con), (10, h), (12, m), (14, s), (18, sg), (19, d), (21, am),
                 (23, asec), (25, b), (29, v), (33, ga), (38, gb), (43, typ), (51, dist),
                 (58, alias))


schreiben("NGC_IC_Messier_Catalogue_Revised.txt", [
    "NAME  CONRA     DEC    BMAGVMAGSIZEASIZEBTYPE    DIST   ALIAS",
    ngc("M31", "And", ("00", "42", "44.3"), ("+", "41", "16", "09"), " 4.4", " 3.4", "190.0",
        " 60.0", "Gx", "   0.78", "Andromeda Galaxy"),
    ngc("M99", "Com", ("12", "18", "x2.0"), ("+", "14", "25", "00"), " 0.0", " 9.9", "  5.4",
        "  4.7", "Gx", "  16.8 ", "Coma Pinwheel"),
    ngc("N7000", "Cyg", ("20", "58", "47.0"), ("+", "44", "20", "00"), " 0.0", " 4.0", "120.0",
        "100.0", "Nb", "    0.0", "North America"),
    ngc("N9998", "Ori", ("05", "35", "00.0"), ("-", "00", "30", "00"), " 7.5", " 7.0", "  1.0",
        "  1.0", "OC", "    0.0", ""),
    # Ends after the distance: the alias columns do not exist.
    ngc("I1396", "Cep", ("21", "39", "06.0"), ("+", "57", "30", "00"), " 3.7", " 3.5", " 89.0",
        " 89.0", "Cl+N", "  0.001", "")[:57],
])

def sao(nr, ra, de, v, kl, alias):
    return zeile((1, nr.rjust(6)), (7, ra[0]), (9, ra[1]), (11, ra[2]), (16, de[0]), (17, de[1]),
                 (19, de[2]), (21, de[3]), (38, v), (42, kl), (44, alias))


schreiben("SAO_J2000.txt", [
    sao("1", ("00", "05", "09.90"), ("+", "82", "41", "41.8"), " 7.2", "A0", ""),
    sao("2", ("00", "05", "24.00"), ("-", "00", "30", "00.0"), " 6.1", "K ", ""),
    sao("308", ("02", "31", "49.09"), ("+", "89", "15", "50.8"), " 2.0", "F7", "Polaris"),
])


def hip(nr, ra, de, v, bv, hd, n1, n2, kl):
    return zeile((1, nr.rjust(6)), (7, ra[0]), (9, ra[1]), (11, ra[2]), (17, de[0]),
                 (18, de[1]), (20, de[2]), (22, de[3]), (27, v), (33, bv), (40, hd), (46, n1),
                 (56, n2), (67, kl))


schreiben("Hipparcos_J2000.txt", [
    hip("7", ("00", "00", "22.866"), ("-", "00", "30", "00.00"), " 5.000", "  0.500", "   358",
        "", "", "G5V         "),
    hip("8", ("00", "00", "25.400"), ("+", "27", "05", "31.40"), " 9.300", " 99.999", "   361",
        "", "Zweitname", "K0"),
    hip("9", ("00", "00", "26.000"), ("+", "10", "00", "00.00"), " 8.000", "  1.000", "",
        "", "", ""),
    hip("11767", ("02", "31", "47.080"), ("+", "89", "15", "50.90"), " 1.970", "  0.636",
        "  8890", "Polaris", "alf UMi", "F7:Ib-IIv SB"),
])


def var(name, ra, de, v):
    return zeile((1, name), (16, ra), (23, de), (29, v))


schreiben("Variable_Stars_AAVSO.txt", [
    var("R CrB", "237.141", "28.157", "  5.90"),
    var("T Tst", "  7.500", "-0.500", " 11.00"),
])


def eig(ra_sex="", de_sex="", ra_dez="", de_dez="", aeq="", name=""):
    return zeile((1, ra_sex), (12, de_sex), (22, ra_dez), (31, de_dez), (40, aeq), (47, name))


schreiben("Eigene_Objekte.txt", [
    "Eigene Objekte: RA hh:mm:ss.s oder Stunden, DE sdd:mm:ss oder Grad,",
    "Äquinoktium rechtsbündig in Spalten 40-45, Name ab Spalte 47.",
    "-- Beginn der Objekte",
    eig("05:30:00.0", "-05:30:00", aeq="  2000", name="Testfeld A"),
    eig(ra_dez="     5.5", de_dez="    -0.5", aeq="  2000", name="Dezimal"),
    eig("12:00:00.0", "+20:00:00", aeq="  1950", name="Aus 1950"),
    eig("12:00:00.0", "+20:00:00", aeq="", name="Vom Datum"),
    eig("12:00:00.0", "+20:00:00", aeq="2000  ", name="Linksbuendig"),
    eig("01:00:00.0", "-00:30:00", aeq="  2000", name="Nördlicher Nebel"),
])


def foto(ra, de, v, b, name):
    return zeile((1, ra[0]), (4, ra[1]), (7, ra[2]), (12, de[0]), (13, de[1]), (16, de[2]),
                 (19, de[3]), (36, v), (50, b), (106, name))


schreiben("Landolt_Faint_Photometric_Standards.txt", [
    "Landolt standards",
    "RA         DEC                   V               B",
    foto(("00", "54", "34.2"), ("+", "00", "53", "24"), "13.818", "14.312", "SA 92 245"),
    foto(("01", "00", "00.0"), ("-", "00", "30", "00"), "12.000", "12.500", "Sued Null"),
])

schreiben("Geosynchrone_Satelliten.txt", [
    "Geostationaere Satelliten, Laenge in den Zeichen 18-22 der Bezeichnung",
    "--",
    "ASTRA 1KR         19.2E",
    "INTELSAT 901      18.0W",
])


def hell(ra, de, v, kl, name, alias):
    return zeile((1, ra[0]), (4, ra[1]), (7, ra[2]), (22, de[0]), (23, de[1]), (26, de[2]),
                 (29, de[3]), (54, v), (61, kl), (89, name), (110, alias))


schreiben("Bright_Stars_Proper_Names_SAO.txt", [
    hell(("06", "45", "08.917"), ("-", "16", "42", "58.02"), " -1.46", "A1", "Sirius",
         "alf CMa"),
    hell(("18", "36", "56.336"), ("+", "38", "47", "01.28"), "  0.03", "A0", "Vega", "alf Lyr"),
    hell(("05", "16", "41.359"), ("+", "45", "59", "52.77"), "  0.08", "G5", "Capella", ""),
    hell(("02", "31", "49.090"), ("+", "89", "15", "50.80"), "  1.97", "F7", "Polaris",
         "alf UMi"),
    hell(("05", "32", "00.400"), ("-", "00", "17", "56.70"), "  2.23", "O9", "Mintaka", ""),
    hell(("12", "15", "48.371"), ("-", "17", "32", "30.95"), "  2.59", "B8", "Gienah", ""),
    hell(("21", "44", "11.156"), ("+", "09", "52", "30.04"), "  2.39", "K2", "Enif", ""),
])


def flam(ra, de, v, bez, alias):
    return zeile((39, ra[0]), (42, ra[1]), (45, ra[2]), (51, de[0]), (52, de[1]), (55, de[2]),
                 (58, de[3]), (62, v), (70, bez), (81, alias))


schreiben("Flamsteed_Bayer_HD_CrossReference.txt", [
    flam(("02", "19", "20.79"), ("-", "02", "58", "39.5"), "  6.47", "omi Cet", "Mira"),
    flam(("05", "32", "00.40"), ("-", "00", "17", "56.7"), "  2.23", "del Ori", ""),
])


def eph(jd, ra, de, v, gr, dist, con):
    return zeile((1, jd), (14, ra[0]), (17, ra[1]), (20, ra[2]), (26, de[0]), (27, de[1]),
                 (30, de[2]), (33, de[3]), (37, v), (44, gr), (49, dist), (54, con))


schreiben("2010-2080_Horizons_Mars.txt", [
    eph("2461000.500", ("10", "00", "00.00"), ("+", "10", "00", "00.0"), "  1.10", " 4.5",
        "1.52", "Leo"),
    eph("2461001.000", ("10", "01", "30.00"), ("+", "09", "50", "00.0"), "  1.20", " 4.6",
        "1.53", "Sex"),
    eph("2461001.500", ("10", "03", "00.00"), ("+", "09", "40", "00.0"), "  1.30", " 4.7",
        "1.54", "Sex"),
])

schreiben("2010-2080_Horizons_Sonne.txt", [
    eph("2461001.000", ("23", "58", "00.00"), ("-", "00", "30", "00.0"), "-26.70", "1919",
        "0.99", "Psc"),
])

schreiben("2010-2080_Horizons_Merkur.txt", [
    "JD           RA          DE",
    eph("2461001.000", ("12", "00", "00.00"), ("+", "01", "00", "00.0"), "  0.00", " 6.0",
        "1.00", "Vir"),
])

# Common names: designation 1-6, magnitude 8-12 (blank = unknown), name from 14.
schreiben("Deepsky_Namen.txt", [
    "Bez.   Mag. Name",
    zeile((1, "N7000"), (8, "  4.0"), (14, "North America Nebula")),
    zeile((1, "M31"), (8, "  3.4"), (14, "Andromeda Galaxy")),
    zeile((1, "N9998"), (8, "  7.0"), (14, "Andromeda Twin")),
    zeile((1, "I1396"), (14, "Elefantenrüssel")),
])
