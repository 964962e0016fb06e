"""Fixed-column fields, Windows-1252 text and safe file writing.

Every catalogue line is assembled here from small field formatters, so that a
value never spills into the neighbouring column: a number that does not fit
its width raises instead of shifting the rest of the line.
"""

import os
import tempfile
import unicodedata

# Greek letters as the three-letter abbreviations of star designations.
GRIECHISCH = {
    "α": "alf", "β": "bet", "γ": "gam", "δ": "del", "ε": "eps", "ζ": "zet",
    "η": "eta", "θ": "tet", "ι": "iot", "κ": "kap", "λ": "lam", "μ": "mu",
    "ν": "nu", "ξ": "ksi", "ο": "omi", "π": "pi", "ρ": "rho", "σ": "sig",
    "τ": "tau", "υ": "ups", "φ": "phi", "χ": "chi", "ψ": "psi", "ω": "ome",
}
# Final sigma and the variant forms that some sources use.
GRIECHISCH.update({"ς": "sig", "ϑ": "tet", "ϕ": "phi", "ϖ": "pi"})


class Feld_Fehler(ValueError):
    """A value that does not fit its column range."""


def feld_text(text, breite):
    """Text left-aligned in `breite` columns, cut when longer."""
    text = text or ""
    return text[:breite].ljust(breite)


def feld_rechts(text, breite):
    text = str(text)
    if len(text) > breite:
        raise Feld_Fehler(f"{text!r} does not fit {breite} columns")
    return text.rjust(breite)


def feld_zahl(wert, breite, dezimalen):
    """A real right-aligned in `breite` columns with a fixed number of decimals."""
    return feld_rechts(f"{wert:.{dezimalen}f}", breite)


def feld_zahl_passend(wert, breite, hoechstens=None):
    """A real with as many decimals as fit `breite` columns (at most `hoechstens`).

    Used where the range of a value is wide (distances from parsecs to
    gigaparsecs, semi-major axes beyond 1000 AU) and a fixed format would
    either overflow or print a small value as zero."""
    grenze = breite if hoechstens is None else hoechstens
    for d in range(grenze, -1, -1):
        t = f"{wert:.{d}f}"
        if len(t) <= breite:
            return t.rjust(breite)
    raise Feld_Fehler(f"{wert!r} does not fit {breite} columns")


def sexagesimal(wert, dezimalen):
    """Splits |wert| (hours or degrees) into (sign, whole, minutes, seconds)
    with the seconds rounded to `dezimalen` decimals and the carry taken up,
    so 59.96 s never prints as 60.0."""
    vorzeichen = "-" if wert < 0 else "+"
    skala = 10 ** dezimalen
    gesamt = round(abs(wert) * 3600 * skala)
    ganz, rest = divmod(gesamt, 3600 * skala)
    minuten, sekunden = divmod(rest, 60 * skala)
    return vorzeichen, int(ganz), int(minuten), sekunden / skala


def rektaszension(ra_stunden, sek_breite, sek_dezimalen, trenner=""):
    """RA as hh mm ss.s with zero-padded fields, wrapped into [0h, 24h)."""
    _, h, m, s = sexagesimal(ra_stunden % 24.0, sek_dezimalen)
    if h >= 24:
        h -= 24
    sek = f"{s:0{sek_breite}.{sek_dezimalen}f}"
    return f"{h:02d}{trenner}{m:02d}{trenner}{sek}"


def deklination(de_grad, sek_breite, sek_dezimalen, trenner=""):
    """Dec as sign, dd mm ss with zero-padded fields; the sign stands in its
    own column so that -0 deg 30' keeps its sign."""
    vz, d, m, s = sexagesimal(de_grad, sek_dezimalen)
    if sek_dezimalen == 0:
        sek = f"{int(s):02d}"
    else:
        sek = f"{s:0{sek_breite}.{sek_dezimalen}f}"
    return f"{vz}{d:02d}{trenner}{m:02d}{trenner}{sek}"


def griechisch_umschreiben(text):
    """Greek letters to their three-letter abbreviations (alf, bet, ... omi)."""
    return "".join(GRIECHISCH.get(z, z) for z in text)


# Letters that have no decomposition into a base letter and an accent.
_OHNE_ZERLEGUNG = {"Ł": "L", "ł": "l", "Đ": "D", "đ": "d", "Ħ": "H", "ħ": "h", "ı": "i",
                   "ŀ": "l", "Ŀ": "L", "ʼ": "'", "‐": "-", "‑": "-", "−": "-"}


def cp1252_text(text):
    """Text that Windows-1252 can hold: Greek letters become abbreviations,
    other characters lose their accents, and what still does not fit
    becomes '?'."""
    text = griechisch_umschreiben(text)
    aus = []
    for z in text:
        try:
            z.encode("cp1252")
            aus.append(z)
        except UnicodeEncodeError:
            if z in _OHNE_ZERLEGUNG:
                aus.append(_OHNE_ZERLEGUNG[z])
                continue
            zerlegt = unicodedata.normalize("NFKD", z)
            basis = "".join(c for c in zerlegt if not unicodedata.combining(c))
            try:
                basis.encode("cp1252")
                aus.append(basis or "?")
            except UnicodeEncodeError:
                aus.append("?")
    return "".join(aus)


def zeile_pruefen(zeile):
    """A line must be plain single-byte text: no line break inside."""
    if "\r" in zeile or "\n" in zeile:
        raise Feld_Fehler(f"line break inside a record: {zeile!r}")
    return zeile


def schreiben(pfad, zeilen):
    """Writes lines in Windows-1252 with CR LF into a temporary file beside
    the target and renames it over the target, so a reader never sees a
    half-written file and an interrupted build leaves the old file intact.
    Returns the number of lines."""
    ordner = os.path.dirname(os.path.abspath(pfad))
    os.makedirs(ordner, exist_ok=True)
    fd, temp = tempfile.mkstemp(prefix="." + os.path.basename(pfad) + ".", suffix=".tmp",
                                dir=ordner)
    anzahl = 0
    try:
        with os.fdopen(fd, "wb") as f:
            puffer = []
            for z in zeilen:
                puffer.append(zeile_pruefen(z).encode("cp1252") + b"\r\n")
                anzahl += 1
                if len(puffer) >= 4096:
                    f.write(b"".join(puffer))
                    puffer.clear()
            f.write(b"".join(puffer))
            f.flush()
            os.fsync(f.fileno())
        os.chmod(temp, 0o644)
        os.replace(temp, pfad)
    except BaseException:
        try:
            os.unlink(temp)
        except OSError:
            pass
        raise
    return anzahl


# --- Minor Planet Center packed forms -------------------------------------

_B62 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"


def _ziffer(wert):
    """1-9 as digits, 10-31 as A-V (month and day of a packed date)."""
    if not 1 <= wert <= 31:
        raise Feld_Fehler(f"{wert} cannot be packed")
    return _B62[wert]


def gepacktes_datum(jahr, monat, tag):
    """Packed date: century letter (I=18, J=19, K=20), two-digit year, month
    and day as 1-9 then A-V. 2022-08-09 -> K2289."""
    jh, jj = divmod(jahr, 100)
    if not 10 <= jh <= 35:
        raise Feld_Fehler(f"year {jahr} cannot be packed")
    return f"{_B62[jh]}{jj:02d}{_ziffer(monat)}{_ziffer(tag)}"


def gepackte_nummer(nummer):
    """Number of a numbered minor planet in five characters: zero-padded
    below 100000, then a letter for the ten-thousands (A=10 ... z=61), and
    from 620000 on '~' followed by four base-62 digits."""
    if nummer < 1:
        raise Feld_Fehler(f"number {nummer} cannot be packed")
    if nummer < 100000:
        return f"{nummer:05d}"
    if nummer < 620000:
        zt, rest = divmod(nummer, 10000)
        return f"{_B62[zt]}{rest:04d}"
    rest = nummer - 620000
    if rest >= 62 ** 4:
        raise Feld_Fehler(f"number {nummer} cannot be packed")
    ziffern = ""
    for _ in range(4):
        rest, z = divmod(rest, 62)
        ziffern = _B62[z] + ziffern
    return "~" + ziffern


def gepackte_vorlaeufige(bezeichnung):
    """Provisional designation "2022 OU15" packed to seven characters
    "K22O15U": century letter, year, half-month letter, the cycle count in two
    characters (a letter for the hundreds above 99) and the second letter."""
    teile = bezeichnung.split()
    if len(teile) != 2 or not teile[0].isdigit() or len(teile[0]) != 4:
        raise Feld_Fehler(f"{bezeichnung!r} is not a provisional designation")
    jahr = int(teile[0])
    code = teile[1]
    if len(code) < 2 or not code[:2].isalpha() or not code[:2].isupper():
        raise Feld_Fehler(f"{bezeichnung!r} is not a provisional designation")
    if code[2:] and not code[2:].isdigit():
        raise Feld_Fehler(f"{bezeichnung!r} is not a provisional designation")
    zyklus = int(code[2:]) if code[2:] else 0
    if zyklus >= 620:
        raise Feld_Fehler(f"{bezeichnung!r}: cycle count too large")
    zh, ze = divmod(zyklus, 10)
    jh, jj = divmod(jahr, 100)
    if not 18 <= jh <= 35:
        raise Feld_Fehler(f"{bezeichnung!r}: year cannot be packed")
    return f"{_B62[jh]}{jj:02d}{code[0]}{_B62[zh]}{ze}{code[1]}"
