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
#
# The rule for choosing the lines, the same as the program's own update:
#  - data that begin with the gzip signature are decompressed, others are text;
#  - lines end with LF, CR LF or a lone CR; a line over 64 KiB is a bad line;
#  - a description block at the top that ends with a line beginning with
#    "-----" within the first 200 lines is skipped with that line;
#  - a line that is valid UTF-8 is converted character by character to
#    Windows-1252, any other line is taken as Windows-1252; characters without
#    a Windows-1252 code become "?", control characters blanks; trailing
#    blanks are removed and empty lines skipped;
#  - a line is valid when every field the program reads converts and lies in
#    the program's range;
#  - of the valid lines the `anzahl` with the smallest H are kept; among equal
#    H the earlier line wins; they are written in the order of the input.

MAX_ZEILE = 64 * 1024
_REELL = re.compile(r"^\+?-?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$")
_STEUER = bytes(range(32)) + b"\x7f"
_STEUER_WEG = bytes.maketrans(_STEUER, b" " * len(_STEUER))
_TRIM = "".join(chr(i) for i in range(33))


def _reell(text, was):
    t = text.strip(_TRIM)
    if not _REELL.match(t):
        raise ValueError(f"{was}: {t!r} is not a valid floating point value")
    return float(t[1:] if t.startswith("+") else t)


def _ganz(text, was):
    t = text.lstrip(" \t")
    if not t or not t.isascii() or not t.isdigit():
        raise ValueError(f"{was}: {text.strip()!r} is not a valid integer value")
    return int(t)


def _bereich(x, lo, hi, was):
    if not lo <= x <= hi:
        raise ValueError(f"{was} {x:g} out of range {lo:g} to {hi:g}")
    return x


def _monatstage(jahr, monat):
    schalt = jahr % 4 == 0 and jahr % 100 != 0 or jahr % 400 == 0
    return 29 if monat == 2 and schalt else (31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31)[monat - 1]


def _datum(jahr, monat, tag, text):
    if not 1 <= monat <= 12:
        raise ValueError(f"month {monat} of date {text!r} out of range 1 to 12")
    if not 1 <= tag < _monatstage(jahr, monat) + 1:
        raise ValueError(f"day {tag:g} of date {text!r} out of range")


def _packzeichen(c):
    return int(c) if c in "123456789" else ord(c) - 55


def _spalten(z, von, bis):
    return z[von - 1:bis]


_WINKEL = (("M", 27, 35, 0, 360), ("argument of perihelion", 38, 46, 0, 360),
           ("node", 49, 57, 0, 360), ("inclination", 60, 68, 0, 180), ("e", 71, 79, 0, 100),
           ("n", 81, 91, 0, 1e3), ("a", 93, 103, 0, 1e6))


def asteroid_zeile_pruefen(z):
    """Checks every field the program reads in an asteroid element line, with
    the program's ranges; returns H or raises ValueError naming the field."""
    h = _bereich(_reell(_spalten(z, 9, 13), "H (cols 9-13)"), -30, 40, "H")
    _bereich(_reell(_spalten(z, 15, 19), "G (cols 15-19)"), -2, 2, "G")
    for was, von, bis, lo, hi in _WINKEL:
        _bereich(_reell(_spalten(z, von, bis), f"{was} (cols {von}-{bis})"), lo, hi, was)
    ep = _spalten(z, 21, 25)
    if len(ep) < 5:
        raise ValueError(f"epoch (cols 21-25): {ep!r} shorter than 5 characters")
    if not "A" <= ep[0] <= "Z":
        raise ValueError(f"epoch (cols 21-25): {ep!r} has no century letter")
    jahr = (ord(ep[0]) - 55) * 100 + _ganz(ep[1:3], "epoch year (cols 22-23)")
    monat = _packzeichen(ep[3])
    _datum(jahr, monat, _packzeichen(ep[4]), ep)
    # Values no real body has: the brightest are kept, so an absurd H would
    # push real asteroids out; an epoch a century away is a packing fault.
    if h < -2:
        raise ValueError(f"H {h} below -2")
    heute = datetime.date.today()
    if abs(jahr + (monat - 1) / 12 - (heute.year + (heute.month - 1) / 12)) > 100:
        raise ValueError(f"epoch year {jahr} more than 100 years from today")
    return h


def komet_zeile_pruefen(z):
    """Checks every field the program reads in a comet element line, with the
    program's ranges; returns H or raises ValueError naming the field."""
    if len(z) < 5:
        raise ValueError("line shorter than 5 characters")
    jahr = _ganz(_spalten(z, 15, 18), "perihelion year (cols 15-18)")
    monat = _ganz(_spalten(z, 20, 21), "perihelion month (cols 20-21)")
    tag = _reell(_spalten(z, 23, 29), "perihelion day (cols 23-29)")
    _datum(jahr, monat, tag, _spalten(z, 15, 29))
    for was, von, bis, lo, hi in (("q", 31, 39, 0, 1e4), ("e", 42, 49, 0, 100),
                                  ("argument of perihelion", 52, 59, 0, 360),
                                  ("node", 62, 69, 0, 360), ("inclination", 72, 79, 0, 180),
                                  ("H", 92, 95, -30, 40), ("K", 97, 100, -100, 100)):
        wert = _bereich(_reell(_spalten(z, von, bis), f"{was} (cols {von}-{bis})"), lo, hi, was)
        if was == "H":
            h = wert
    if h < -5:
        raise ValueError(f"magnitude parameter {h} below -5")
    # Historical comets stay; dates outside 1000 to 2200 are packing faults.
    ep = _spalten(z, 82, 89).strip()
    for was, j in (("perihelion year", jahr), ("epoch year", int(ep[:4]) if len(ep) == 8 and ep[:4].isdigit() else None)):
        if j is not None and not 1000 <= j <= 2200:
            raise ValueError(f"{was} {j} outside 1000 to 2200")
    return h


def zeile_wandeln(roh):
    """One input line (bytes) as Windows-1252 text by the rule above."""
    try:
        t = roh.decode("utf-8")
    except UnicodeDecodeError:
        t = roh.decode("cp1252", errors="replace")
    b = t.encode("cp1252", errors="replace").translate(_STEUER_WEG).rstrip(b" ")
    return b.decode("cp1252")


def _roh_zeilen(pfad, stueck=1 << 20):
    """Raw lines (bytes, without line end) of a file, streamed; a file that
    begins with the gzip signature is decompressed. LF, CR LF and a lone CR
    end a line."""
    trenner = re.compile(b"\r\n|\r|\n")
    with open(pfad, "rb") as f:
        gz = f.read(2) == b"\x1f\x8b"
    roh = gzip.open(pfad) if gz else open(pfad, "rb")
    rest = b""
    with roh:
        while True:
            teil = roh.read(stueck)
            if not teil:
                break
            daten = rest + teil
            # A CR at the end may be the first half of a CR LF: decided next time.
            halten = b"\r" if daten.endswith(b"\r") else b""
            teile = trenner.split(daten[:len(daten) - len(halten)])
            rest = teile.pop() + halten
            yield from teile
    if rest:
        teile = trenner.split(rest)
        if len(teile) > 1 and teile[-1] == b"":
            teile.pop()
        yield from teile


KOPF_HOECHSTENS = 200   # lines searched for the end of a description block


def koerper_schluessel(art, z):
    """The body a valid line describes: asteroids columns 1-7 (number or
    provisional designation), comets columns 1-12 (number, orbit type,
    designation with fragment); the name where those are blank."""
    ast = art == "asteroiden"
    k = _spalten(z, 1, 7 if ast else 12).strip(" ")
    if not k:
        k = (_spalten(z, 167, 194) if ast else _spalten(z, 103, 158)).strip(" ")
    return k or z.strip(" ")


class Wiederholungen(ValueError):
    """A list with more duplicate lines than bodies."""


def element_datei_umwandeln(pfad, art, anzahl=TABELLE):
    """Reads a downloaded element file (art "asteroiden" or "kometen") by
    the rule above, reports each bad line with its line number and keeps the
    `anzahl` brightest bodies in file order; a later line of a body named
    before is a duplicate and skipped. Raises Wiederholungen when there are
    more duplicates than bodies.
    Returns (lines, messages, valid line count)."""
    pruefen = asteroid_zeile_pruefen if art == "asteroiden" else komet_zeile_pruefen
    auswahl, meldungen, gueltig = [], [], 0
    vorlauf, im_vorlauf = [], True
    gesehen, doppelt = set(), 0

    def nehmen(nr, roh):
        nonlocal gueltig, doppelt
        if len(roh) > MAX_ZEILE:
            meldungen.append(f"{pfad}, line {nr}: line longer than 64 KiB")
            return
        z = zeile_wandeln(roh)
        if not z:
            return
        try:
            h = pruefen(z)
        except ValueError as e:
            meldungen.append(f"{pfad}, line {nr}: {e}")
            return
        gueltig += 1
        k = koerper_schluessel(art, z)
        if k in gesehen:
            doppelt += 1
            return
        gesehen.add(k)
        # Keep the brightest: a max-heap on (H, line number) of at most `anzahl` lines.
        eintrag = (-h, -nr, z)
        if len(auswahl) < anzahl:
            heapq.heappush(auswahl, eintrag)
        elif eintrag > auswahl[0]:
            heapq.heapreplace(auswahl, eintrag)

    for nr, roh in enumerate(_roh_zeilen(pfad), 1):
        if im_vorlauf:
            if len(roh) <= MAX_ZEILE and roh.startswith(b"-----"):
                vorlauf, im_vorlauf = [], False
                continue
            vorlauf.append((nr, roh))
            if nr < KOPF_HOECHSTENS:
                continue
            im_vorlauf = False
            for v in vorlauf:
                nehmen(*v)
            vorlauf = []
            continue
        nehmen(nr, roh)
    for v in vorlauf:
        nehmen(*v)
    if doppelt * 2 > gueltig:
        raise Wiederholungen(f"{pfad}: {gueltig} valid lines but only {gueltig - doppelt} "
                             f"distinct bodies - mostly repeats, refused")
    auswahl.sort(key=lambda e: -e[1])
    return [e[2] for e in auswahl], meldungen, gueltig
