#!/usr/bin/python3
"""Builds Stelux's catalogue, ephemeris and element files from Debian packages.

    katalog_bauen.py --ziel DIR                 every file into DIR
    katalog_bauen.py --ziel DIR --nur-elemente --asteroiden MPCORB.DAT --kometen CometEls.txt
                                                only the element files, from
                                                downloaded Minor Planet Center files

Every file is written to a temporary file and renamed, so a file in DIR is
always either the old or the complete new one. Running it twice gives the
same files.
"""

import argparse
import os
import subprocess
import sys
import time

HIER = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HIER)

import formate  # noqa: E402

# Debian packages each file is made from.
QUELLEN = {
    "NGC_IC_Messier_Catalogue_Revised.txt": ["kstars-data", "stellarium-data", "python3-ephem"],
    "Deepsky_Namen.txt": ["kstars-data", "stellarium-data"],
    "Deepsky_Formen.txt": ["kstars-data"],
    "SAO_J2000.txt": ["stellarium-data", "kstars-data"],
    "Hipparcos_J2000.txt": ["stellarium-data", "kstars-data"],
    "Eigenbewegungen_HIP.txt": ["stellarium-data"],
    "Variable_Stars_AAVSO.txt": ["stellarium-data"],
    "Landolt_Faint_Photometric_Standards.txt": ["iraf-noao"],
    "Geosynchrone_Satelliten.txt": ["gpredict"],
    "Bright_Stars_Proper_Names_SAO.txt": ["stellarium-data", "kstars-data"],
    "Flamsteed_Bayer_HD_CrossReference.txt": ["stellarium-data"],
    "2010-2080_Horizons_*.txt": ["python3-ephem"],
    "Asteroiden.txt": ["kstars-data"],
    "Kometen.txt": ["kstars-data"],
    "Eigene_Objekte.txt": [],
}
MELDUNGEN_HOECHSTENS = 25  # malformed lines listed one by one
PYTHON_PAKETE = {"numpy": "python3-numpy", "ephem": "python3-ephem"}


def paket_version(paket):
    try:
        r = subprocess.run(["dpkg-query", "-W", "-f=${Status}\t${Version}", paket],
                           capture_output=True, text=True, check=False)
    except OSError:
        return None
    if r.returncode != 0 or "install ok installed" not in r.stdout:
        return None
    return r.stdout.split("\t", 1)[1]


def fehlende_pakete(pakete):
    fehlend = []
    for p in pakete:
        if paket_version(p) is None:
            fehlend.append(p)
    for modul, paket in PYTHON_PAKETE.items():
        try:
            __import__(modul)
        except ImportError:
            if paket not in fehlend:
                fehlend.append(paket)
    return fehlend


class Bericht:
    def __init__(self, ziel):
        self.ziel = ziel
        self.geschrieben = []

    def datei(self, name, anzahl, einheit, pakete, zusatz=""):
        self.geschrieben.append(name)
        quellen = ", ".join(f"{p} {paket_version(p) or '?'}" for p in pakete) or "Beispieldaten"
        text = f"  {name:<42} {anzahl:>7} {einheit:<12} aus {quellen}"
        if zusatz:
            text += f"  ({zusatz})"
        print(text, flush=True)


def elemente_schreiben(args, bericht):
    import kleinkoerper
    ok = True
    for art, quelle, name in (("asteroiden", args.asteroiden, "Asteroiden.txt"),
                              ("kometen", args.kometen, "Kometen.txt")):
        pfad = os.path.join(args.ziel, name)
        if quelle:
            try:
                zeilen, meldungen, gueltig = kleinkoerper.element_datei_umwandeln(quelle, art)
            except kleinkoerper.Wiederholungen as e:
                print(f"  {name}: {e}; nichts geschrieben", file=sys.stderr)
                ok = False
                continue
            for m in meldungen[:MELDUNGEN_HOECHSTENS]:
                print(f"    Fehlerhafte Zeile: {m}", file=sys.stderr)
            if len(meldungen) > MELDUNGEN_HOECHSTENS:
                print(f"    ... und {len(meldungen) - MELDUNGEN_HOECHSTENS} weitere fehlerhafte "
                      f"Zeilen", file=sys.stderr)
            if not zeilen:
                print(f"  {name}: {quelle} enthaelt keine gueltige Zeile; nichts geschrieben",
                      file=sys.stderr)
                ok = False
                continue
            n = formate.schreiben(pfad, zeilen)
            bericht.datei(name, n, art.capitalize(), [],
                          f"aus {quelle}: {gueltig} gueltig, {len(meldungen)} fehlerhaft")
        elif not args.nur_elemente or (args.asteroiden is None and args.kometen is None):
            if art == "asteroiden":
                zeilen, fehler = kleinkoerper.asteroiden_aus_kstars()
            else:
                zeilen, fehler = kleinkoerper.kometen_aus_kstars()
            n = formate.schreiben(pfad, zeilen)
            bericht.datei(name, n, art.capitalize(), QUELLEN[name],
                          f"{len(fehler)} Eintraege nicht darstellbar" if fehler else "")
    return ok


def alles_schreiben(args, bericht):
    import deepsky
    import deepsky_namen
    import ephemeriden
    import sonstige
    import sterndateien
    import zeilen

    ziel = args.ziel

    def schreibe(name, zeilen_, einheit, zusatz=""):
        n = formate.schreiben(os.path.join(ziel, name), zeilen_)
        bericht.datei(name, n, einheit, QUELLEN[name], zusatz)

    objekte, stat = deepsky.objekte()
    ngc = [zeilen.NGC_KOPF] + [
        zeilen.ngc_zeile(o["bez"], o["con"], o["ra"], o["de"], o["b"], o["v"], o["ga"], o["gb"],
                         o["typ"], o["dist_mpc"], o["alias"]) for o in objekte]
    schreibe("NGC_IC_Messier_Catalogue_Revised.txt", ngc, "Objekte + Kopf",
             f"{stat['messier']} Messier, {stat['zugeordnet']} mit Helligkeiten, "
             f"{stat['mit_distanz']} mit Distanz")
    formen = deepsky.formen_zeilen(objekte)
    schreibe("Deepsky_Formen.txt", formen, "Formen + Kopf")
    namen = deepsky_namen.namen_zeilen(objekte)
    schreibe("Deepsky_Namen.txt", namen, "Namen + Kopf",
             f"{len({z[:6] for z in namen[1:]})} Objekte mit Namen")

    q = sterndateien.Sternquellen()
    schreibe("Hipparcos_J2000.txt", sterndateien.hipparcos_zeilen(q), "Sterne",
             f"{q.auf_j2000} schnelle Sterne von J1991.25 auf J2000 gebracht")
    schreibe("Eigenbewegungen_HIP.txt", sterndateien.eigenbewegung_zeilen(q), "Sterne")
    schreibe("SAO_J2000.txt", sterndateien.sao_zeilen(q), "Sterne")
    helle, zu_lang = sterndateien.helle_zeilen(q)
    schreibe("Bright_Stars_Proper_Names_SAO.txt", helle, "Namen",
             f"{len(zu_lang)} Namen laenger als 20 Zeichen ausgelassen" if zu_lang else "")
    schreibe("Flamsteed_Bayer_HD_CrossReference.txt", sterndateien.flamsteed_zeilen(q),
             "Bezeichnungen")
    schreibe("Variable_Stars_AAVSO.txt", sterndateien.veraenderliche_zeilen(q), "Sterne")

    landolt = sonstige.landolt_zeilen()
    schreibe("Landolt_Faint_Photometric_Standards.txt", landolt, "Zeilen",
             f"{len(landolt) - 2} Sterne + 2 Kopfzeilen")
    sat = sonstige.geostationaere()
    schreibe("Geosynchrone_Satelliten.txt", sonstige.geostat_zeilen(sat), "Zeilen",
             f"{len(sat)} Satelliten")
    eigene = sonstige.eigene_zeilen()
    schreibe("Eigene_Objekte.txt", eigene, "Zeilen",
             f"{len(sonstige.BEISPIELE)} Beispielobjekte")

    t = time.time()
    tabellen = ephemeriden.alle_schreiben(ziel, args.prozesse)
    for name, _ in ephemeriden.KOERPER:
        bericht.datei(ephemeriden.dateiname(name), tabellen[name], "Zeilen",
                      QUELLEN["2010-2080_Horizons_*.txt"])
    print(f"  (Ephemeriden in {time.time() - t:.1f} s)")


def zuruecklesen(bericht):
    """Reads every written file back with the program's column rules."""
    import lesen
    t = time.time()
    ok = True
    for name in bericht.geschrieben:
        try:
            lesen.datei_lesen(os.path.join(bericht.ziel, name), name)
        except lesen.Lese_Fehler as e:
            print(f"  FEHLER beim Zuruecklesen: {e}", file=sys.stderr)
            ok = False
    print(f"  Zurueckgelesen mit den Spaltenregeln des Programms: "
          f"{'alle Zeilen lesbar' if ok else 'FEHLER'} ({time.time() - t:.1f} s)")
    return ok


def main(argv=None):
    p = argparse.ArgumentParser(
        description="Erzeugt die Katalog-, Ephemeriden- und Bahnelementdateien von Stelux "
                    "aus Debian-Paketen.")
    p.add_argument("--ziel", default=".", help="Zielordner (Vorgabe: aktueller Ordner)")
    p.add_argument("--asteroiden", metavar="DATEI",
                   help="heruntergeladene Asteroiden-Bahnelemente (Einzeilenformat, "
                        "z. B. MPCORB.DAT oder .gz): die 6000 hellsten werden uebernommen")
    p.add_argument("--kometen", metavar="DATEI",
                   help="heruntergeladene Kometen-Bahnelemente (z. B. CometEls.txt)")
    p.add_argument("--nur-elemente", action="store_true",
                   help="nur Asteroiden.txt und Kometen.txt schreiben")
    p.add_argument("--prozesse", type=int, default=2,
                   help="Prozesse fuer die Ephemeriden (Vorgabe 2)")
    p.add_argument("--ohne-pruefung", action="store_true",
                   help="die geschriebenen Dateien nicht zuruecklesen")
    args = p.parse_args(argv)

    for quelle in (args.asteroiden, args.kometen):
        if quelle and not os.path.isfile(quelle):
            print(f"File not found: {quelle}", file=sys.stderr)
            return 2

    benoetigt = set()
    for name, pakete in QUELLEN.items():
        if args.nur_elemente and name not in ("Asteroiden.txt", "Kometen.txt"):
            continue
        if name == "Asteroiden.txt" and args.asteroiden or name == "Kometen.txt" and args.kometen:
            continue
        benoetigt.update(pakete)
    fehlend = fehlende_pakete(sorted(benoetigt))
    if fehlend:
        for f in fehlend:
            print(f"Paket fehlt: {f}", file=sys.stderr)
        print(f"Installieren mit: sudo apt-get install {' '.join(fehlend)}", file=sys.stderr)
        return 3

    os.makedirs(args.ziel, exist_ok=True)
    start = time.time()
    bericht = Bericht(args.ziel)
    print(f"Stelux-Kataloge nach {os.path.abspath(args.ziel)}:")
    ok = True
    if not args.nur_elemente:
        alles_schreiben(args, bericht)
    ok = elemente_schreiben(args, bericht) and ok
    if not args.ohne_pruefung:
        ok = zuruecklesen(bericht) and ok
    print(f"Fertig in {time.time() - start:.1f} s.")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
