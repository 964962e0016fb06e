#!/usr/bin/python3
"""Start-up evaluation of 6000 asteroids and 6000 comets, per body: this
program's orbit library (bench_orbits) beside PyEphem (python3-ephem) computing
the same bodies at the same instant.

Usage: /usr/bin/python3 bench/orbits_vergleich.py [path/to/bench_orbits]
(default build/bench/bench_orbits; configure with -DSTELUX_BENCH=ON).

The element files are written from KStars' element data (kstars-data) into a
temporary folder; the comet list holds 952 comets and is repeated to 6000 lines.
bench_orbits times cutting each line into its fields plus the place and
magnitude; PyEphem is timed for compute() and reading a_ra, a_dec and mag,
its bodies built beforehand.
"""
import gzip
import importlib.util
import json
import os
import subprocess
import sys
import tempfile
import time

import ephem

HIER = os.path.dirname(os.path.abspath(__file__))
JETZT_JD = 2461041.5  # 2026-01-01 0h UT, as in bench_orbits
ANZAHL = 6000

spec = importlib.util.spec_from_file_location(
    "referenz", os.path.join(HIER, "..", "tests", "data", "orbits", "pyephem_referenz.py"))
ref = importlib.util.module_from_spec(spec)
spec.loader.exec_module(ref)


def asteroiden_zeilen():
    daten = json.load(open("/usr/share/kstars/asteroids.dat"))
    f = {n: i for i, n in enumerate(daten["fields"])}
    zeilen = []
    for r in daten["data"]:
        if len(zeilen) == ANZAHL:
            break
        if r[f["ma"]] is None or r[f["a"]] is None or float(r[f["a"]]) >= 1000:
            continue
        a = float(r[f["a"]])
        if float(r[f["e"]]) >= 1.0 or a <= 0:
            continue
        z = [" "] * 194
        ref.setze(z, 9, "%5.2f" % float(r[f["H"]]))
        ref.setze(z, 15, "%5.2f" % float(r[f["G"]] or 0.15))
        ref.setze(z, 21, ref.pack_datum(*ref.mjd_zu_datum(int(r[f["epoch_mjd"]]))))
        ref.setze(z, 27, "%9.5f" % float(r[f["ma"]]))
        ref.setze(z, 38, "%9.5f" % float(r[f["w"]]))
        ref.setze(z, 49, "%9.5f" % float(r[f["om"]]))
        ref.setze(z, 60, "%9.5f" % float(r[f["i"]]))
        ref.setze(z, 71, "%9.7f" % float(r[f["e"]]))
        ref.setze(z, 81, "%11.8f" % (0.9856076686 / a ** 1.5))
        ref.setze(z, 93, "%11.7f" % a)
        ref.setze(z, 167, r[f["full_name"]].strip()[:28])
        zeilen.append("".join(z).rstrip())
    return zeilen


def kometen_zeilen():
    daten = json.load(gzip.open("/usr/share/kstars/cometels.json.gz"))
    zeilen = []
    while len(zeilen) < ANZAHL:
        for r in daten:
            if len(zeilen) == ANZAHL:
                break
            z = [" "] * 158
            ref.setze(z, 5, r["Orbit_type"])
            ref.setze(z, 15, "%4d" % r["Year_of_perihelion"])
            ref.setze(z, 20, "%02d" % r["Month_of_perihelion"])
            ref.setze(z, 23, "%7.4f" % r["Day_of_perihelion"])
            ref.setze(z, 31, "%9.6f" % r["Perihelion_dist"])
            ref.setze(z, 42, "%8.6f" % r["e"])
            ref.setze(z, 52, "%8.4f" % r["Peri"])
            ref.setze(z, 62, "%8.4f" % r["Node"])
            ref.setze(z, 72, "%8.4f" % r["i"])
            ref.setze(z, 92, "%4.1f" % r["H"])
            ref.setze(z, 97, "%4.1f" % r["G"])
            ref.setze(z, 103, r["Designation_and_name"][:56])
            zeilen.append("".join(z).rstrip())
    return zeilen


def pyephem_us_pro_koerper(koerper, wiederholungen=3):
    datum = ephem.Date(JETZT_JD - ref.DJD)
    beste = None
    for _ in range(wiederholungen):
        t0 = time.perf_counter()
        for b in koerper:
            # compute() only records the instant; reading the results does the work.
            b.compute(datum)
            b.a_ra, b.a_dec, b.mag
        dt = time.perf_counter() - t0
        beste = dt if beste is None else min(beste, dt)
    return beste / len(koerper) * 1e6


def main():
    programm = sys.argv[1] if len(sys.argv) > 1 else os.path.join("build", "bench", "bench_orbits")
    a = asteroiden_zeilen()
    k = kometen_zeilen()
    with tempfile.TemporaryDirectory() as ordner:
        for name, zeilen in (("Asteroiden.txt", a), ("Kometen.txt", k)):
            with open(os.path.join(ordner, name), "w", newline="\r\n") as f:
                f.write("\n".join(zeilen) + "\n")
        lauf = subprocess.run(
            [programm, "--benchmark_format=json", "--benchmark_repetitions=3",
             "--benchmark_report_aggregates_only=true"],
            env=dict(os.environ, STELUX_BENCH_DATEN=ordner),
            check=True, capture_output=True, text=True)
    wir = {}
    for b in json.loads(lauf.stdout)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            wir[b["run_name"]] = b["us_pro_Koerper"]

    pa = pyephem_us_pro_koerper([ref.asteroid_koerper(z) for z in a])
    pk = pyephem_us_pro_koerper([ref.komet_koerper(z)[0] for z in k])

    print("Start-up evaluation, microseconds per body (%d asteroids, %d comets)" % (len(a), len(k)))
    print("%-12s %12s %12s %8s" % ("", "Stelux", "PyEphem", "factor"))
    for name, py in (("Asteroiden", pa), ("Kometen", pk)):
        print("%-12s %12.2f %12.2f %7.1fx" % (name, wir[name], py, py / wir[name]))


if __name__ == "__main__":
    main()
