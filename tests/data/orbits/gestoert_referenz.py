#!/usr/bin/python3
"""Reference places of (1) Ceres, (2) Pallas, (3) Juno and (4) Vesta from their
installed elements (epoch 2022-08-09.0 TT), integrated under the Sun and the
eight planets with scipy's DOP853 at rtol 1e-13; the planets (the Moon in the
Earth-Moon barycentre) from erfa.plan94, called at every force evaluation.
Independent of the program in integrator and code, not in force model.

Output (gestoert_referenz.txt): the four element lines, then per instant
  number  JD(TT)  RA(deg)  DE(deg)
geocentric astrometric places, ICRS/J2000: the body at t - tau seen from the
Earth (erfa.epv00) at t, both barycentric.

Run: /usr/bin/python3 gestoert_referenz.py ~/.local/share/stelux/katalog/Asteroiden.txt
"""
import math
import sys

import erfa
import numpy as np
from scipy.integrate import solve_ivp

K2 = 0.01720209895 ** 2
C = 173.1446326846693  # AU/d
EPS = math.radians(84381.448 / 3600)
RATIO = [6023600.0, 408523.719, 328900.56, 3098703.59, 1047.348644, 3497.9018, 22902.98,
         19412.26]
ROT = np.array([[1, 0, 0], [0, math.cos(EPS), math.sin(EPS)], [0, -math.sin(EPS), math.cos(EPS)]])


def packed_epoch(s):
    year = {"I": 1800, "J": 1900, "K": 2000}[s[0]] + int(s[1:3])
    dig = lambda ch: int(ch) if ch.isdigit() else ord(ch) - ord("A") + 10
    return erfa.cal2jd(year, dig(s[3]), dig(s[4]))[0] + erfa.cal2jd(year, dig(s[3]), dig(s[4]))[1]


def state(line):
    """Heliocentric ecliptic J2000 state at the epoch from an element line."""
    M = math.radians(float(line[26:35]))
    w = math.radians(float(line[37:46]))
    node = math.radians(float(line[48:57]))
    inc = math.radians(float(line[59:68]))
    e = float(line[70:79])
    a = float(line[92:103])
    E = M
    for _ in range(50):
        E -= (E - e * math.sin(E) - M) / (1 - e * math.cos(E))
    n = math.sqrt(K2 / a ** 3)
    x, y = a * (math.cos(E) - e), a * math.sqrt(1 - e * e) * math.sin(E)
    Edot = n / (1 - e * math.cos(E))
    vx, vy = -a * math.sin(E) * Edot, a * math.sqrt(1 - e * e) * math.cos(E) * Edot
    cw, sw, cn, sn, ci, si = (math.cos(w), math.sin(w), math.cos(node), math.sin(node),
                              math.cos(inc), math.sin(inc))
    P = np.array([cw * cn - sw * sn * ci, cw * sn + sw * cn * ci, sw * si])
    Q = np.array([-sw * cn - cw * sn * ci, -sw * sn + cw * cn * ci, cw * si])
    return np.concatenate([x * P + y * Q, vx * P + vy * Q]), packed_epoch(line[20:25])


def rhs(t, y):
    r = y[:3]
    a = -K2 * r / np.linalg.norm(r) ** 3
    for p in range(8):
        pv = erfa.plan94(2451545.0, t - 2451545.0, p + 1)
        x = ROT @ pv[0]
        mu = K2 / RATIO[p]
        d = x - r
        a += mu * (d / np.linalg.norm(d) ** 3 - x / np.linalg.norm(x) ** 3)
    return np.concatenate([y[3:], a])


def place(sol, t):
    pvh, pvb = erfa.epv00(2451545.0, t - 2451545.0)
    earth = ROT @ pvh[0]
    sunv = ROT @ (pvb[1] - pvh[1])
    tau = 0.0
    for _ in range(6):
        g = sol(t - tau)[:3] - earth - sunv * tau
        tau = np.linalg.norm(g) / C
    q = ROT.T @ g
    ra = math.degrees(math.atan2(q[1], q[0])) % 360
    de = math.degrees(math.asin(q[2] / np.linalg.norm(q)))
    return ra, de


def main():
    lines = [l.rstrip("\r\n") for l in open(sys.argv[1], encoding="latin-1")][:4]
    instants = [erfa.cal2jd(y, m, 1)[0] + erfa.cal2jd(y, m, 1)[1]
                for y in range(2019, 2027) for m in (1, 4, 7, 10)]
    out = ["# " + l for l in lines]
    for i, line in enumerate(lines, 1):
        y0, t0 = state(line)
        extra = [t0 - 30, t0 - 1, t0 + 1, t0 + 30]
        ts = sorted(instants + extra)
        fw = solve_ivp(rhs, (t0, ts[-1] + 1), y0, method="DOP853", rtol=1e-13, atol=1e-15,
                       dense_output=True)
        bw = solve_ivp(rhs, (t0, ts[0] - 1), y0, method="DOP853", rtol=1e-13, atol=1e-15,
                       dense_output=True)
        for t in ts:
            ra, de = place(fw.sol if t >= t0 else bw.sol, t)
            out.append(f"{i} {t:.6f} {ra:.9f} {de:.9f}")
    open("gestoert_referenz.txt", "w").write("\n".join(out) + "\n")


main()
