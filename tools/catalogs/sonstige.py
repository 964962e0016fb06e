"""Photometric standards, geostationary satellites and the sample file of
the observer's own objects."""

import re

import zeilen

LANDOLT = "/usr/lib/iraf/noao/digiphot/photcal/catalogs/nlandolt.dat"
SATELLITEN = "/usr/share/gpredict/data/satdata/satellites.dat"


def _sexagesimal(text):
    vz = -1.0 if text.strip().startswith("-") else 1.0
    teile = [float(t) for t in text.strip().lstrip("+-").split(":")]
    while len(teile) < 3:
        teile.append(0.0)
    return vz * (teile[0] + teile[1] / 60 + teile[2] / 3600)


def landolt_zeilen(pfad=LANDOLT):
    """Header lines and one line per standard star (positions J2000)."""
    aus = list(zeilen.LANDOLT_KOPF)
    with open(pfad, encoding="latin-1") as f:
        for z in f:
            t = z.split()
            if len(t) < 11 or ":" not in t[1]:
                continue
            werte = [float(x) for x in t[3:9]]
            aus.append(zeilen.landolt_zeile(t[0], _sexagesimal(t[1]), _sexagesimal(t[2]),
                                            *werte, int(t[9]), int(t[10])))
    return aus


# --- geostationary satellites ------------------------------------------------

def _tle_epoche_jd(tle1):
    """Julian Date (UT) of a TLE epoch, line 1 columns 19-32 (YYDDD.dddd)."""
    jj = int(tle1[18:20])
    jahr = 2000 + jj if jj < 57 else 1900 + jj
    tage = float(tle1[20:32])
    # JD of 0 January of that year, 0h UT.
    a = (14 - 1) // 12
    y = jahr + 4800 - a
    jd_1jan = 1 + (153 * (1 + 12 * a - 3) + 2) // 5 + 365 * y + y // 4 - y // 100 + y // 400 - 32045
    return jd_1jan - 0.5 + tage - 1.0


def geostat_laenge(tle1, tle2):
    """East longitude (degrees, -180..180) of the sub-satellite point at the
    TLE epoch: mean longitude RAAN + argp + M minus Greenwich mean sidereal
    time (for an almost circular, almost equatorial orbit)."""
    jd = _tle_epoche_jd(tle1)
    knoten, argp, m = float(tle2[17:25]), float(tle2[34:42]), float(tle2[43:51])
    gmst = 280.46061837 + 360.98564736629 * (jd - 2451545.0)
    return (knoten + argp + m - gmst + 180.0) % 360.0 - 180.0


def geostationaere(pfad=SATELLITEN):
    """[(name, east longitude, catalogue number, TLE epoch JD)] of the
    satellites in geostationary orbit: about one revolution per sidereal
    day, nearly circular, inclination below 9 deg."""
    bloecke, akt = [], None
    with open(pfad, encoding="utf-8", errors="replace") as f:
        for z in f:
            z = z.strip()
            if z.startswith("[") and z.endswith("]"):
                akt = {"nr": z[1:-1]}
                bloecke.append(akt)
            elif akt is not None and "=" in z:
                k, w = z.split("=", 1)
                akt[k] = w
    aus = []
    for b in bloecke:
        t1, t2 = b.get("TLE1", ""), b.get("TLE2", "")
        if len(t1) < 32 or len(t2) < 63:
            continue
        n, e, i = float(t2[52:63]), float("0." + t2[26:33]), float(t2[8:16])
        if not (0.99 <= n <= 1.01 and e < 0.01 and i < 9.0):
            continue
        name = re.sub(r"\s*\(.*\)\s*$", "", b.get("NAME", b["nr"])).strip()
        aus.append((name, geostat_laenge(t1, t2), b["nr"], _tle_epoche_jd(t1)))
    aus.sort(key=lambda x: -x[1])
    return aus


GEOSTAT_KOPF = """Geostationaere Satelliten
=========================
Eine Zeile je Satellit. Spalten 1-28 sind die Bezeichnung, wie sie im
Programm gesucht und in der Liste gezeigt wird: Name in den Zeichen 1-17,
die geografische Laenge der Position (Grad, eine Nachkommastelle) in den
Zeichen 18-22 und E (Ost) oder W (West) in Zeichen 23. Aus der Laenge
berechnet das Programm Stundenwinkel und Deklination fuer den Standort.
Hinter Spalte 28 stehen zur Information die Katalognummer und die Epoche
der Bahnelemente, aus denen die Laenge bestimmt wurde.
Die Positionen stammen aus Bahnelementen vom {epoche}; Satelliten werden
gelegentlich verschoben. Eine neue Position kann hier von Hand eingetragen
werden (Spalten genau einhalten).
--"""


def geostat_zeilen(satelliten):
    import datetime
    epochen = [s[3] for s in satelliten] or [2451545.0]
    mittel = sorted(epochen)[len(epochen) // 2]
    datum = datetime.date(2000, 1, 1) + datetime.timedelta(days=int(mittel - 2451544.5))
    aus = GEOSTAT_KOPF.format(epoche=datum.strftime("%d.%m.%Y")).split("\n")
    for name, laenge, nr, jd in satelliten:
        d = datetime.date(2000, 1, 1) + datetime.timedelta(days=int(jd - 2451544.5))
        aus.append(zeilen.feld_text(zeilen.geostat_bezeichnung(name, laenge), 28)
                   + f"  Nr. {nr:>6}  Epoche {d.isoformat()}")
    return aus


# --- sample file of own objects ----------------------------------------------

EIGENE = r"""Eigene Objekte fuer Stelux
==========================
Hier tragen Sie Objekte ein, die in keinem Katalog stehen. Jede Zeile nach
der Trennzeile aus zwei Minuszeichen ist ein Objekt; alles davor ist
Beschreibung und wird nicht gelesen. Die Spalten sind fest:

 Spalte  1-10  Rektaszension hh:mm:ss.s  (Stunden 1-2, Minuten 4-5, Sekunden 7-10)
 Spalte 12-20  Deklination   vgg:mm:ss   (Vorzeichen 12, Grad 13-14, Minuten 16-17,
                                          Sekunden 19-20)
 Spalte 22-29  Rektaszension in Dezimalstunden    (nur wenn Spalte 3 kein ":" ist)
 Spalte 31-38  Deklination in Dezimalgrad         (nur wenn Spalte 15 kein ":" ist)
 Spalte 40-45  Aequinoktium als Jahr, rechtsbuendig (2000, 1950.0 ...);
               leer = Koordinaten des Datums (werden auf J2000 umgerechnet).
               Achtung: eine Zahl mit Leerzeichen dahinter ("2000  ") gilt
               nicht als Zahl, also ebenfalls als Datum.
 Spalte 47-76  Name; gesucht wird mit E und dem Namen (gross/klein egal)

Beide Schreibweisen duerfen gemischt werden: Rektaszension und Deklination
waehlen ihre Form unabhaengig ueber den Doppelpunkt in Spalte 3 bzw. 15.
Die Zeile darf kuerzer sein, muss aber mindestens 15 Zeichen lang sein.
Eine Zeile wird erst gelesen, wenn der Name gesucht wird; ein Tippfehler in
einer Zahl meldet sich dann als Fehler.

Spaltenlineal:
         1         2         3         4         5         6         7
1234567890123456789012345678901234567890123456789012345678901234567890123456
--"""


def eigene_zeile(ra, de, aequinoktium, name, ra_sexagesimal=True, de_sexagesimal=True):
    """One object line: RA in columns 1-10 (hh:mm:ss.s) or 22-29 (hours),
    Dec in 12-20 (sdd:mm:ss) or 31-38 (degrees), equinox right-aligned in
    40-45 (empty: coordinates of date), name in 47-76."""
    z = [" "] * 46
    def setzen(von, text):
        z[von - 1:von - 1 + len(text)] = list(text)
    if ra_sexagesimal:
        setzen(1, zeilen.rektaszension(ra, 4, 1, ":"))
    else:
        setzen(22, zeilen.feld_zahl(ra, 8, 5))
    if de_sexagesimal:
        setzen(12, zeilen.deklination(de, 2, 0, ":"))
    else:
        setzen(31, zeilen.feld_rechts(f"{de:+.4f}", 8))
    if aequinoktium:
        setzen(40, zeilen.feld_rechts(aequinoktium, 6))
    return "".join(z) + zeilen.feld_text(name, 30).rstrip()


BEISPIELE = [
    # RA h, Dec deg, equinox, name, RA sexagesimal?, Dec sexagesimal?
    (3.0 + 57 / 60 + 25 / 3600, 63 + 4 / 60, "2000", "Kembles Kaskade", True, True),
    (19.0 + 25.4 / 60, 20 + 11 / 60, "2000.0", "Brocchi-Haufen", False, False),
    (17.0 + 57 / 60 + 48.5 / 3600, 4 + 41 / 60 + 36 / 3600, "2000", "Barnards Stern", True, True),
    (12.0 + 26 / 60 + 33.25 / 3600, 2 + 19 / 60 + 43 / 3600, "1950", "3C 273 (B1950)", False, True),
    (18.0 + 37 / 60 + 47 / 3600, 38 + 48 / 60 + 35 / 3600, "", "Vega Datum 2026", True, False),
]


def eigene_zeilen():
    return EIGENE.rstrip("\n").split("\n") + [eigene_zeile(*b) for b in BEISPIELE]
