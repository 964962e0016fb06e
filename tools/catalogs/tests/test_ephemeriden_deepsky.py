import gzip
import math
import os
import struct
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import deepsky  # noqa: E402
import ephemeriden  # noqa: E402
import lesen  # noqa: E402


class Ephemeriden(unittest.TestCase):
    def test_rows_every_half_day_cover_the_interval(self):
        z = [lesen.ephemeride(x.encode()) for x in
             ephemeriden.tabellen_zeilen("Neptun", 2461114.5, 2461116.5)]
        self.assertEqual([x["jd"] for x in z], [2461114.5, 2461115.0, 2461115.5, 2461116.0,
                                                2461116.5])
        self.assertEqual(len({x["con"] for x in z}), 1)
        # The whole table: 2010-01-01 0h to 2081-01-01 0h UT.
        n = round((ephemeriden.JD_ENDE - ephemeriden.JD_ANFANG) / ephemeriden.SCHRITT) + 1
        self.assertEqual(n, 51867)

    def test_sun_against_erfa(self):
        # Geocentric astrometric Sun from ERFA's Earth ephemeris (epv00): the
        # Sun's barycentric place at the retarded time minus the Earth's
        # barycentric place now; TT = UT + PyEphem's delta T.
        try:
            import erfa
            import ephem
        except ImportError:
            self.skipTest("python3-erfa not installed")
        jd = 2461114.5
        zeile = next(ephemeriden.tabellen_zeilen("Sonne", jd, jd))
        o = lesen.ephemeride(zeile.encode())
        tt = jd + ephem.delta_t(ephem.Date(jd - ephemeriden.DUBLIN_JD)) / 86400.0
        pvh, pvb = erfa.epv00(tt, 0.0)
        erde = pvb[0]
        lt = math.sqrt(sum(c * c for c in pvh[0])) / 173.1446326846693
        pvh, pvb = erfa.epv00(tt - lt, 0.0)
        x, y, zz = (pvb[0][i] - pvh[0][i] - erde[i] for i in range(3))
        ra = math.degrees(math.atan2(y, x)) / 15 % 24
        de = math.degrees(math.atan2(zz, math.hypot(x, y)))
        d = math.hypot((o["ra"] - ra) * 15 * math.cos(math.radians(de)), o["de"] - de) * 3600
        self.assertLess(d, 1.0)
        self.assertEqual(o["con"], "Psc")
        self.assertEqual(o["v"], -26.8)


class Deepsky(unittest.TestCase):
    def test_shapes_major_axis_first_and_read_back(self):
        # A table row with its axes swapped gets the major axis across the
        # angle; rows without an angle or a minor axis have no shape.
        z = deepsky.formen_zeilen([
            dict(bez="N2020", ga=3.2, gb=3.9, pa=50.0),
            dict(bez="M31", ga=177.83, gb=69.66, pa=35.0),
            dict(bez="N7000", ga=120.0, gb=30.0, pa=None),
            dict(bez="N1", ga=2.0, gb=0.0, pa=10.0)])
        formen = [lesen.deepsky_form(x.encode("cp1252")) for x in z[1:]]
        self.assertEqual(formen, [dict(bez="N2020", ga=3.9, gb=3.2, pa=140.0),
                                  dict(bez="M31", ga=177.83, gb=69.66, pa=35.0)])

    def test_serpens_is_one_constellation(self):
        self.assertEqual(deepsky.sternbild(math.radians(15.5 * 15), math.radians(10)), "Ser")
        self.assertEqual(deepsky.sternbild(math.radians(18.3 * 15), math.radians(-5)), "Ser")
        self.assertEqual(deepsky.sternbild(math.radians(0.7 * 15), math.radians(41.3)), "And")

    def test_common_name_fits_the_alias_column(self):
        self.assertEqual(deepsky._gemeiner_name("Great Orion Nebula, Orion Nebula, NGC 1976"),
                         "Orion Nebula")
        self.assertEqual(deepsky._gemeiner_name("PGC 53933, UGC 9723, M 102"), "")
        self.assertEqual(deepsky._gemeiner_name("North America Nebula"), "North America Ne")

    def test_deep_sky_stream_record(self):
        def text(t):
            if t is None:
                return struct.pack(">I", 0xFFFFFFFF)
            b = t.encode("utf-16-be")
            return struct.pack(">I", len(b)) + b

        def satz(ngc, ic, m, dist_kpc):
            return (struct.pack(">Idddd", 7, 0.1864, 0.7203, 4.36, 3.44) + struct.pack(">I", 0)
                    + text("SA(s)b") + struct.pack(">ddi", 3.15, 1.0, 35)
                    + struct.pack(">dddd", 99, 99, 0, 0) + struct.pack(">dd", dist_kpc, 25)
                    + struct.pack(">14I", ngc, ic, m, *([0] * 11)) + text(None)
                    + struct.pack(">II", 0, 0) + b"".join(text("") for _ in range(7))
                    + struct.pack(">5I", 0, 0, 0, 0, 0))

        with tempfile.TemporaryDirectory() as d:
            p = os.path.join(d, "catalog.dat")
            with gzip.open(p, "wb") as f:
                f.write(text("3.16") + text("standard") + satz(224, 0, 31, 778.0)
                        + satz(0, 0, 0, 0) + satz(0, 1396, 0, 0.9))
            aus = deepsky.dso_katalog_lesen(p)
        self.assertEqual([(a["ngc"], a["ic"], a["m"]) for a in aus], [(224, 0, 31), (0, 1396, 0)])
        self.assertEqual(aus[0]["dist_kpc"], 778.0)
        self.assertAlmostEqual(aus[0]["b"], 4.36)


if __name__ == "__main__":
    unittest.main()
