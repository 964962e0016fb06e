#!/usr/bin/python3
# Reference places of date for the telescope link tests: IAU 1976 precession
# from ERFA (pmat76), independent of the program's own code.
import erfa
import numpy as np

def datum(ra_std, de_grad, jd):
    r = erfa.pmat76(2400000.5, jd - 2400000.5)
    a, d = erfa.c2s(r @ erfa.s2c(np.radians(ra_std * 15), np.radians(de_grad)))
    return np.degrees(erfa.anp(a)) / 15, np.degrees(d)

# M13, J2000 16h41m41.24s +36d27'35.5", at JD 2461382.75 (2026-12-07 06:00).
print("M13", *datum(16 + 41 / 60 + 41.24 / 3600, 36 + 27 / 60 + 35.5 / 3600, 2461382.75))
