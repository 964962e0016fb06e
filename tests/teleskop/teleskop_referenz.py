#!/usr/bin/python3
# Reference places of date for the telescope link tests: the geocentric true
# apparent place (ERFA atci13: IAU 2006/2000A, aberration, light deflection;
# right ascension from the equinox, CIO-based minus the equation of the
# origins), independent of the program's own code. The instant is UT = UTC;
# TT from the leap seconds.
import erfa
import numpy as np

def datum(ra_std, de_grad, jd):
    tai1, tai2 = erfa.utctai(jd, 0.0)
    tt1, tt2 = erfa.taitt(tai1, tai2)
    ri, di, eo = erfa.atci13(np.radians(ra_std * 15), np.radians(de_grad), 0, 0, 0, 0, tt1, tt2)
    return np.degrees(erfa.anp(ri - eo)) / 15, np.degrees(di)

# M13, J2000 16h41m41.24s +36d27'35.5", at JD 2461382.75 (2026-12-07 06:00).
print("M13", *datum(16 + 41 / 60 + 41.24 / 3600, 36 + 27 / 60 + 35.5 / 3600, 2461382.75))
