"""The five star files, assembled from the decoded Hipparcos stars and the
identifiers joined onto them by HIP number."""

import re

import sterne
import sternnamen
import zeilen


class Sternquellen:
    """Stars, SAO numbers, proper names, designations and variable-star
    names, read once and shared by the five files."""

    def __init__(self, ordner=sterne.STERN_ORDNER, namen=sterne.NAMEN_WESTLICH,
                 j2000_liste=sterne.KSTARS_STERNE):
        self.sterne = sterne.hipparcos_sterne(ordner)
        self.eigenbewegung = sterne.eigenbewegungen_lesen(ordner)
        self.auf_j2000 = sterne.epoche_angleichen(self.sterne, self.eigenbewegung, j2000_liste)
        self.sao_zu_hip = sterne.kreuzkennungen_lesen(self.sterne, ordner)
        # One star per name, the IAU name first (see sternnamen).
        kstars = sternnamen.nach_ort_zuordnen(sternnamen.kstars_namen(), self.sterne)
        self.eigennamen = sternnamen.namen_waehlen(sternnamen.stellarium_namen(namen), kstars,
                                                   self.sterne)
        self.bezeichnungen = [(h, b) for h, b in sterne.bayer_flamsteed_lesen(ordner)
                              if h in self.sterne]
        self.veraenderliche = [v for v in sterne.veraenderliche_lesen(ordner)
                               if v[0] in self.sterne]
        self.namen_von = {}
        for h, n in self.eigennamen:
            self.namen_von.setdefault(h, []).append(n)
        self.bez_von = {}
        for h, b in self.bezeichnungen:
            self.bez_von.setdefault(h, []).append(b)

    def kandidaten(self, hip):
        """Names for alias columns: the primary proper name, the
        designations, then the further proper names."""
        namen = self.namen_von.get(hip, [])
        return namen[:1] + self.bez_von.get(hip, []) + namen[1:]


def _erster_passender(namen, breite, ausser=()):
    for n in namen:
        if len(n) <= breite and n not in ausser:
            return n
    return ""


def hipparcos_zeilen(q):
    aus = []
    for hip in sorted(q.sterne):
        s = q.sterne[hip]
        kand = q.kandidaten(hip)
        n1 = _erster_passender(kand, 10)
        n2 = _erster_passender(kand, 11, (n1,))
        aus.append(zeilen.hip_zeile(hip, s.ra, s.de, s.v, s.bv, s.hd, n1, n2, s.klasse))
    return aus


def eigenbewegung_zeilen(q):
    """One fixed-width record per HIP star with a proper motion, by rising
    HIP number (the program searches it by halves)."""
    return [zeilen.eigenbewegung_zeile(hip, *q.eigenbewegung[hip])
            for hip in sorted(q.sterne) if hip in q.eigenbewegung]


def sao_zeilen(q):
    aus = []
    for sao in sorted(q.sao_zu_hip):
        hip = q.sao_zu_hip[sao]
        s = q.sterne[hip]
        alias = _erster_passender(q.kandidaten(hip), 16) or f"HIP {hip}"
        aus.append(zeilen.sao_zeile(sao, s.ra, s.de, s.v, s.klasse, alias, hip))
    return aus


def helle_zeilen(q, breite=20):
    """One line per proper name: every star's primary name first (so that a
    name given to two stars finds the one it primarily belongs to), then the
    further names. Returns (lines, names too long for the column)."""
    erste, weitere, zu_lang = [], [], []
    gesehen = set()
    for hip, name in q.eigennamen:
        name_1252 = zeilen.cp1252_text(name)
        if len(name_1252) > breite:
            zu_lang.append(name)
            continue
        (weitere if hip in gesehen else erste).append((hip, name_1252))
        gesehen.add(hip)
    aus = []
    for hip, name in erste + weitere:
        s = q.sterne[hip]
        # Alias: the designation first (it tells where to look), else another name.
        andere = [zeilen.cp1252_text(n)
                  for n in q.bez_von.get(hip, []) + q.namen_von.get(hip, [])]
        alias = _erster_passender(andere, 20, (name,)) or f"HIP {hip}"
        aus.append(zeilen.helle_zeile(name, s.ra, s.de, s.v, s.klasse, alias, s.sao, hip))
    return aus, zu_lang


_MIT_ZIFFER = re.compile(r"^(\S*[A-Za-z])(\d)( [A-Z][a-z]{2})$")
_MIT_KOMPONENTE = re.compile(r"^(.+ [A-Z][a-z]{2}) ([A-Z])$")


def bezeichnungen_ergaenzt(bezeichnungen):
    """The designations plus a plain form where a star is only listed by
    its components: "alf Cen" for "alf1 Cen", "61 Cyg" for "61 Cyg A" (the
    first component takes the plain name). Order: file order, a plain form
    right after its component."""
    vorhanden = {b for _, b in bezeichnungen}
    aus = []
    for hip, b in bezeichnungen:
        aus.append((hip, b))
        for muster, erste in ((_MIT_ZIFFER, "1"), (_MIT_KOMPONENTE, "A")):
            m = muster.match(b)
            if m and m.group(2) == erste:
                schlicht = m.group(1) + (m.group(3) if muster is _MIT_ZIFFER else "")
                if schlicht not in vorhanden:
                    vorhanden.add(schlicht)
                    aus.append((hip, schlicht))
    return aus


def flamsteed_zeilen(q):
    """One line per designation; a designation borne by several stars lists
    the brightest first."""
    gruppen = {}
    for hip, b in bezeichnungen_ergaenzt(q.bezeichnungen):
        gruppen.setdefault(b, []).append(hip)
    aus = []
    for b, hips in gruppen.items():
        for hip in sorted(hips, key=lambda h: q.sterne[h].v):
            s = q.sterne[hip]
            alias = (_erster_passender([zeilen.cp1252_text(n) for n in q.namen_von.get(hip, [])],
                                       10) or (f"HD {s.hd}" if s.hd else f"HIP {hip}"))
            aus.append(zeilen.flamsteed_zeile(b, s.ra, s.de, s.v, alias, s.hd, hip, s.sao))
    return aus


def _sortierschluessel(name):
    """Constellation, then Greek/Latin letters, then R..Z and double letters,
    then V-numbers in numerical order."""
    teile = name.rsplit(" ", 1)
    stern, con = (teile[0], teile[1]) if len(teile) == 2 else (name, "")
    m = re.match(r"^V(\d+)$", stern)
    if m:
        return (con, 3, int(m.group(1)), stern)
    if stern[:1].islower() or stern[:1].isdigit():
        return (con, 0, 0, stern)
    return (con, 1 + (len(stern) > 1), 0, stern)


def veraenderliche_zeilen(q):
    aus = []
    for hip, name, typ, hoechst, minimum, system, _ in sorted(
            q.veraenderliche, key=lambda v: _sortierschluessel(v[1])):
        s = q.sterne[hip]
        v = hoechst if (system == "V" and hoechst is not None) else s.v
        aus.append(zeilen.veraenderlich_zeile(name, s.ra, s.de, v, typ, minimum))
    return aus
