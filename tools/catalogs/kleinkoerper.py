"""Element files of asteroids and comets.

From the packaged data (kstars-data) or from an element file the observer
downloaded from the Minor Planet Center, which is already in the program's
layouts and is only checked, cut to the table size and rewritten.
"""

import datetime
import gzip
import heapq
import json
import re

import formate
import zeilen

ASTEROIDEN_JSON = "/usr/share/kstars/asteroids.dat"
KOMETEN_JSON = "/usr/share/kstars/cometels.json.gz"
TABELLE = 6000          # capacity of the program's element tables
G_STANDARD = 0.15       # slope parameter when none is known
GAUSS_GRAD = 0.9856076686  # Gaussian constant k in degrees per day


def mittlere_bewegung(a):
    """Mean daily motion (degrees/day) of an orbit with semi-major axis a (AU)."""
    return GAUSS_GRAD / a ** 1.5


def mjd_zu_datum(mjd):
    """Calendar date (year, month, day with fraction) of a Modified JD."""
    tage = float(mjd)
    ganz = int(tage // 1)
    d = datetime.date(1858, 11, 17) + datetime.timedelta(days=ganz)
    return d.year, d.month, d.day + (tage - ganz)


_VOLLNAME = re.compile(r"^\s*(\d+)?\s*([^()]*?)\s*(?:\(([^)]*)\))?\s*$")


def asteroid_bezeichnungen(full_name):
    """(packed designation, readable designation) of a full name such as
    "     1 Ceres (A801 AA)", "613620 (2006 UZ184)" or "(2022 OU15)"."""
    m = _VOLLNAME.match(full_name)
    if not m:
        raise formate.Feld_Fehler(f"{full_name!r} is not a minor planet name")
    nummer, name, vorl = m.group(1), m.group(2).strip(), (m.group(3) or "").strip()
    if nummer:
        lesbar = f"({int(nummer)}) {name or vorl}".strip()
        return formate.gepackte_nummer(int(nummer)), lesbar
    if name and not vorl:
        vorl = name
    return formate.gepackte_vorlaeufige(vorl), vorl


def asteroiden_aus_kstars(pfad=ASTEROIDEN_JSON, anzahl=TABELLE):
    """Element lines of the `anzahl` brightest asteroids (smallest H), in
    the order of the orbit database: numbered by number, then provisional.
    Returns (lines, rows skipped with reasons)."""
    with open(pfad, encoding="utf-8") as f:
        daten = json.load(f)
    f = {n: i for i, n in enumerate(daten["fields"])}
    kandidaten, fehler = [], []
    for zeile in daten["data"]:
        try:
            bez, lesbar = asteroid_bezeichnungen(zeile[f["full_name"]])
            werte = {k: float(zeile[f[k]]) for k in ("H", "epoch_mjd", "ma", "w", "om", "i",
                                                     "e", "a")}
            g = float(zeile[f["G"]]) if zeile[f["G"]] not in (None, "") else G_STANDARD
            if werte["a"] <= 0 or werte["e"] >= 1:
                raise ValueError("not an elliptic orbit")
            j, mo, t = mjd_zu_datum(werte["epoch_mjd"])
            if t % 1:
                raise ValueError("epoch not at 0h")
            z = zeilen.asteroid_zeile(bez, werte["H"], g, formate.gepacktes_datum(j, mo, int(t)),
                                      werte["ma"], werte["w"], werte["om"], werte["i"],
                                      werte["e"], mittlere_bewegung(werte["a"]), werte["a"],
                                      lesbar)
        except (TypeError, ValueError) as e:
            fehler.append(f"{zeile[f['full_name']].strip()}: {e}")
            continue
        kandidaten.append((werte["H"], bez, z))
    kandidaten.sort(key=lambda k: k[0])
    gewaehlt = kandidaten[:anzahl]
    gewaehlt.sort(key=_reihenfolge)
    return [k[2] for k in gewaehlt], fehler


def _reihenfolge(k):
    """Numbered bodies by number, then provisional designations."""
    bez = k[1].strip()
    if len(bez) == 5:
        return (0, _nummer_entpacken(bez), "")
    return (1, 0, bez)


def _nummer_entpacken(bez):
    b62 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
    if bez.isdigit():
        return int(bez)
    if bez[0] == "~":
        n = 0
        for z in bez[1:]:
            n = n * 62 + b62.index(z)
        return 620000 + n
    return b62.index(bez[0]) * 10000 + int(bez[1:])


def kometen_aus_kstars(pfad=KOMETEN_JSON):
    """Element lines of every comet of the packaged list. Returns (lines,
    rows skipped with reasons)."""
    with gzip.open(pfad, "rt", encoding="utf-8") as f:
        daten = json.load(f)
    aus, fehler = [], []
    for k in daten:
        try:
            ep = ""
            if k.get("Epoch_year"):
                ep = (f"{int(k['Epoch_year']):04d}{int(k['Epoch_month']):02d}"
                      f"{int(k['Epoch_day']):02d}")
            h = k.get("H")
            kk = k.get("G")
            aus.append(zeilen.komet_zeile(
                int(k.get("Comet_num") or 0), k["Orbit_type"],
                k.get("Provisional_packed_desig") or "",
                int(k["Year_of_perihelion"]), int(k["Month_of_perihelion"]),
                float(k["Day_of_perihelion"]), float(k["Perihelion_dist"]), float(k["e"]),
                float(k["Peri"]), float(k["Node"]), float(k["i"]), ep,
                float(h) if h is not None else 99.9, float(kk) if kk is not None else 4.0,
                k["Designation_and_name"], k.get("Ref") or ""))
        except (KeyError, TypeError, ValueError) as e:
            fehler.append(f"{k.get('Designation_and_name', '?')}: {e}")
    return aus, fehler


# --- element files the observer downloaded ----------------------------------

_PACK_ZEICHEN = "123456789ABCDEFGHIJKLMNOPQRSTUV"


def _reell(text, was):
    t = text.strip()
    try:
        if not t:
            raise ValueError
        return float(t)
    except ValueError:
        raise ValueError(f"{was}: {text.strip()!r} is not a valid floating point value")


def _ganz(text, was):
    t = text.strip()
    if not t.isdigit():
        raise ValueError(f"{was}: {text.strip()!r} is not a valid integer value")
    return int(t)


def asteroid_zeile_pruefen(z):
    """Checks every field the program parses in an asteroid element line;
    returns H or raises ValueError naming the field."""
    if len(z) < 103:
        raise ValueError("line shorter than 103 columns")
    h = _reell(z[8:13], "H (cols 9-13)")
    _reell(z[14:19], "G (cols 15-19)")
    ep = z[20:25]
    if (ep[0] not in "IJK" or not ep[1:3].isdigit() or ep[3] not in _PACK_ZEICHEN[:12]
            or ep[4] not in _PACK_ZEICHEN):
        raise ValueError(f"epoch (cols 21-25): {ep!r} is not a packed date")
    for von, bis, was in ((27, 35, "M"), (38, 46, "argument of perihelion"), (49, 57, "node"),
                          (60, 68, "inclination"), (71, 79, "e"), (81, 91, "n"),
                          (93, 103, "a")):
        _reell(z[von - 1:bis], f"{was} (cols {von}-{bis})")
    return h


def komet_zeile_pruefen(z):
    """Checks every field the program parses in a comet element line;
    returns H or raises ValueError naming the field."""
    if len(z) < 100:
        raise ValueError("line shorter than 100 columns")
    _ganz(z[14:18], "perihelion year (cols 15-18)")
    _ganz(z[19:21], "perihelion month (cols 20-21)")
    for von, bis, was in ((23, 29, "perihelion day"), (31, 39, "q"), (42, 49, "e"),
                          (52, 59, "argument of perihelion"), (62, 69, "node"),
                          (72, 79, "inclination"), (92, 95, "H"), (97, 100, "K")):
        _reell(z[von - 1:bis], f"{was} (cols {von}-{bis})")
    return _reell(z[91:95], "H")


def _zeilen_lesen(pfad):
    """Lines of a possibly gzipped text file, streamed (the full orbit
    database is hundreds of megabytes)."""
    roh = gzip.open(pfad) if pfad.endswith(".gz") else open(pfad, "rb")
    with roh:
        for z in roh:
            yield z.decode("cp1252", errors="replace").rstrip("\r\n")


KOPF_HOECHSTENS = 200   # lines searched for the end of a description block


def element_datei_umwandeln(pfad, art, anzahl=TABELLE):
    """Reads a downloaded element file (art "asteroiden" or "kometen"),
    skips a leading description block that ends with a line of dashes and
    blank lines, reports each malformed line with its line number and keeps
    the `anzahl` brightest valid lines (smallest H) in file order.
    Returns (lines, messages, valid line count)."""
    pruefen = asteroid_zeile_pruefen if art == "asteroiden" else komet_zeile_pruefen
    auswahl, meldungen, gueltig = [], [], 0
    vorlauf, im_vorlauf = [], True

    def nehmen(nr, z):
        nonlocal gueltig
        z = z.rstrip()
        if not z.strip():
            return
        try:
            h = pruefen(z)
        except ValueError as e:
            meldungen.append(f"{pfad}, line {nr}: {e}")
            return
        gueltig += 1
        # Keep the brightest: a max-heap on H of at most `anzahl` lines.
        eintrag = (-h, -nr, z)
        if len(auswahl) < anzahl:
            heapq.heappush(auswahl, eintrag)
        elif eintrag > auswahl[0]:
            heapq.heapreplace(auswahl, eintrag)

    for nr, z in enumerate(_zeilen_lesen(pfad), 1):
        if im_vorlauf:
            if z.startswith("-----"):
                vorlauf, im_vorlauf = [], False
                continue
            vorlauf.append((nr, z))
            if nr < KOPF_HOECHSTENS:
                continue
            im_vorlauf = False
            for v in vorlauf:
                nehmen(*v)
            vorlauf = []
            continue
        nehmen(nr, z)
    for v in vorlauf:
        nehmen(*v)
    auswahl.sort(key=lambda e: -e[1])
    return [e[2] for e in auswahl], meldungen, gueltig
