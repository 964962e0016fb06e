#!/usr/bin/python3
"""Whole-process cost of a stelux-cli lookup beside `grep -F -m1` for the same
line on the same file: a Hipparcos star on the first line, one on the last
line, and a number the catalogue does not hold (the whole file is read).

Usage: /usr/bin/python3 bench/cli_start.py [path/to/stelux-cli ...]
       [--katalog DIR] [--daten DIR] [--laeufe N]
(default build/stelux-cli, ~/.local/share/stelux/katalog as catalogue and data
folder, 50 runs). Several
builds may be given; they are measured in the same run.

The commands of one case run interleaved, N times each, so a change in the
machine's load hits all of them alike. For each: the median wall time with the
interquartile range, and the median CPU time (user + system, from wait4) which
a busy machine disturbs less. The ratio is stelux-cli / grep for both.

The designations are chosen to sit on the first and last line of the file and
nowhere; grep searches for the whole line of each.
"""
import os
import statistics
import sys
import time

FAELLE = [
    # case, designation, line number in the file (0: not in it)
    ("erste Zeile", "H1", 1),
    ("letzte Zeile", "H120416", -1),
    ("fehlt", "H999999", 0),
]
DATEI = "Hipparcos_J2000.txt"
ZEIT = "2026-10-01T20:00:00"


def lauf(argv, katalog):
    """Wall and CPU seconds of one run with output to /dev/null."""
    null = os.open(os.devnull, os.O_WRONLY)
    t0 = time.perf_counter()
    pid = os.posix_spawn(argv[0], argv, dict(os.environ, TZ="Europe/Berlin"),
                         file_actions=[(os.POSIX_SPAWN_DUP2, null, 1),
                                       (os.POSIX_SPAWN_DUP2, null, 2)])
    _, status, nutzung = os.wait4(pid, 0)
    wand = time.perf_counter() - t0
    os.close(null)
    if os.waitstatus_to_exitcode(status) not in (0, 1):
        sys.exit(f"{argv}: Ausgang {os.waitstatus_to_exitcode(status)}")
    return wand, nutzung.ru_utime + nutzung.ru_stime


def kennzahlen(werte):
    q = statistics.quantiles(werte, n=4)
    return statistics.median(werte), q[2] - q[0]


def main():
    args = sys.argv[1:]
    katalog = os.path.expanduser("~/.local/share/stelux/katalog")
    laeufe = 50
    daten = None
    programme = []
    while args:
        a = args.pop(0)
        if a == "--katalog":
            katalog = args.pop(0)
        elif a == "--daten":
            daten = os.path.realpath(args.pop(0))
        elif a == "--laeufe":
            laeufe = int(args.pop(0))
        else:
            programme.append(a)
    if not programme:
        programme = ["build/stelux-cli"]
    grep = "/usr/bin/grep" if os.path.exists("/usr/bin/grep") else "/bin/grep"
    programme = [(p, os.path.realpath(p)) for p in programme]
    os.chdir(katalog)
    datei = DATEI
    with open(datei, "rb") as f:
        zeilen = f.read().decode("cp1252").splitlines()
    print(f"{datei}: {os.path.getsize(datei) / 1e6:.1f} MB, {len(zeilen)} Zeilen, "
          f"{laeufe} Läufe je Befehl")
    print(f"{'Fall':<13} {'Befehl':<40} {'Wand ms':>8} {'IQR':>6} {'CPU ms':>7}"
          f" {'x grep':>7} {'CPU x':>6}")
    for fall, bez, nummer in FAELLE:
        # grep's pattern: the whole line sought (found nowhere earlier), or
        # for the miss a key text no line holds.
        muster = zeilen[nummer - 1 if nummer > 0 else nummer].rstrip() if nummer else "999999"
        if nummer == 0 and any(muster in z for z in zeilen):
            sys.exit(f"{muster} steht in {datei}")
        befehle = [("grep -F -m1", [grep, "-F", "-m1", muster, datei])]
        for name, pfad in programme:
            befehle.append((name, [pfad, "--zeit", ZEIT, "--daten", daten or ".", bez]))
        wand = {n: [] for n, _ in befehle}
        cpu = {n: [] for n, _ in befehle}
        for _ in range(laeufe):
            for n, argv in befehle:
                w, c = lauf(argv, katalog)
                wand[n].append(w * 1e3)
                cpu[n].append(c * 1e3)
        g_wand = statistics.median(wand[befehle[0][0]])
        g_cpu = statistics.median(cpu[befehle[0][0]])
        for n, _ in befehle:
            m, iqr = kennzahlen(wand[n])
            c = statistics.median(cpu[n])
            print(f"{fall + ' ' + bez:<13} {n:<40} {m:8.2f} {iqr:6.2f} {c:7.2f}"
                  f" {m / g_wand:7.2f} {c / g_cpu if g_cpu else float('nan'):6.2f}")


if __name__ == "__main__":
    main()
