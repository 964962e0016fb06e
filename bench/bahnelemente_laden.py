#!/usr/bin/python3
"""Element update over a loopback HTTP server: stelux-cli --aktualisieren
streaming a synthetic asteroid orbit database export of 1.4 million lines,
beside `curl URL | zcat | wc -l` over the same server in the same run.

Usage: /usr/bin/python3 bench/bahnelemente_laden.py [path/to/stelux-cli]
(default build/stelux-cli). Needs curl (einrichten.sh installs it).

The synthetic file repeats the real lines of tests/data/orbits/mpcorb_auszug.txt.gz
with new designations (columns 1-7), behind a description block, gzipped
once into a temporary folder. Each command runs three times; the median wall
time is printed, and for stelux-cli the peak resident memory (ru_maxrss).
"""
import gzip
import http.server
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import threading
import time

ZEILEN = 1_400_000
HIER = os.path.dirname(os.path.abspath(__file__))
AUSZUG = os.path.join(HIER, "..", "tests", "data", "orbits", "mpcorb_auszug.txt.gz")
KOMETEN = os.path.join(HIER, "..", "tests", "data", "orbits", "pyephem_kometen.txt")


def synthetisch(pfad):
    with gzip.open(AUSZUG, "rb") as f:
        echt = [z.rstrip(b"\r\n") for z in f]
    with gzip.open(pfad, "wb", compresslevel=6) as aus:
        aus.write(b"MINOR PLANET CENTER ORBIT DATABASE (MPCORB)\r\n" + b"-" * 160 + b"\r\n")
        puffer = []
        for i in range(ZEILEN):
            z = echt[i % len(echt)]
            puffer.append(b"X%06X" % i + z[7:] + b"\r\n")
            if len(puffer) == 10000:
                aus.write(b"".join(puffer))
                puffer.clear()
        aus.write(b"".join(puffer))


def messen(befehl, shell=False):
    vorher = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    t = time.perf_counter()
    r = subprocess.run(befehl, shell=shell, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    dauer = time.perf_counter() - t
    if r.returncode != 0:
        sys.exit(f"{befehl} fehlgeschlagen: {r.stderr.decode(errors='replace')}")
    # ru_maxrss of the children is the largest so far: only a new maximum is exact.
    spitze = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    return dauer, spitze, vorher, r


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HIER, "..", "build", "stelux-cli")
    with tempfile.TemporaryDirectory() as d:
        srv = os.path.join(d, "srv")
        daten = os.path.join(d, "daten")
        os.makedirs(srv)
        os.makedirs(daten)
        t = time.perf_counter()
        synthetisch(os.path.join(srv, "MPCORB.DAT.gz"))
        with open(KOMETEN, "rb") as f, open(os.path.join(srv, "CometEls.txt"), "wb") as k:
            k.write(f.read())
        groesse = os.path.getsize(os.path.join(srv, "MPCORB.DAT.gz"))
        print(f"synthetische MPCORB.DAT.gz: {ZEILEN} Zeilen, {groesse / 1e6:.1f} MB gzip "
              f"({time.perf_counter() - t:.1f} s erzeugt)")

        class Leise(http.server.SimpleHTTPRequestHandler):
            def __init__(self, *a, **k):
                super().__init__(*a, directory=srv, **k)

            def log_message(self, *a):
                pass

        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Leise)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        basis = f"http://127.0.0.1:{server.server_address[1]}"
        try:
            grund = []
            for _ in range(3):
                dauer, _, _, r = messen(f"curl -s {basis}/MPCORB.DAT.gz | zcat | wc -l", True)
                grund.append(dauer)
            zeilen = int(r.stdout.split()[0])
            wir, spitzen = [], []
            for _ in range(3):
                dauer, spitze, vorher, r = messen(
                    [cli, "--aktualisieren", "--asteroiden-url", f"{basis}/MPCORB.DAT.gz",
                     "--kometen-url", f"{basis}/CometEls.txt", "--daten", daten])
                wir.append(dauer)
                spitzen.append(spitze)
            print(r.stderr.decode().strip().splitlines()[-2])
        finally:
            server.shutdown()
    g, w = statistics.median(grund), statistics.median(wir)
    print(f"curl | zcat | wc -l   : {g:6.2f} s ({zeilen} Zeilen)")
    print(f"stelux-cli --aktualisieren: {w:6.2f} s = {w / g:.2f} x, "
          f"Spitze {max(spitzen) / 1024:.1f} MB resident")


if __name__ == "__main__":
    main()
