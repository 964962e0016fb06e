import math
import os
import struct
import sys
import tempfile
import types
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import lesen  # noqa: E402
import sterndateien  # noqa: E402
import sterne  # noqa: E402


class Zonen(unittest.TestCase):
    def test_offset_units_of_the_zone_levels(self):
        # Scale of one stored unit per level, as measured on the packaged files.
        for stufe, einheit in ((0, 3.55734e-10), (1, 1.77867e-10), (2, 8.89334e-11)):
            self.assertAlmostEqual(sterne.zonen_achsen(stufe)[3] / einheit, 1.0, places=5)

    def test_sirius_record_decodes_to_its_j2000_place(self):
        kopf = struct.pack("<8i", sterne.MAGIC - 2 ** 32, 0, 0, 0, 0, -2000, 12800, 256)
        anzahl = [0] * 20
        anzahl[14] = 2
        hip = 32349
        satz = (bytes([hip & 255, (hip >> 8) & 255, hip >> 16, 0])
                + struct.pack("<iiBBHiii", -476369289, -856266162, 16, 11, 322, 0, 0, 37921))
        # A star without a measured colour (lowest B-V step).
        satz += bytes([7, 0, 0, 0]) + struct.pack("<iiBBHiii", 0, 0, 0, 100, 0, 0, 0, 0)
        with tempfile.TemporaryDirectory() as d:
            p = os.path.join(d, "stars.cat")
            with open(p, "wb") as f:
                f.write(kopf + struct.pack("<20I", *anzahl) + satz)
            s = sterne.zonendatei_lesen(p)
        self.assertEqual(int(s["hip"][0]), 32349)
        # 06h45m08.917s -16d42m58.02s
        self.assertAlmostEqual(float(s["ra"][0]), 6 + 45 / 60 + 8.917 / 3600, delta=0.002 / 3600)
        self.assertAlmostEqual(float(s["de"][0]), -(16 + 42 / 60 + 58.02 / 3600),
                               delta=0.02 / 3600)
        self.assertAlmostEqual(float(s["v"][0]), -1.425)
        self.assertAlmostEqual(float(s["bv"][0]), 16 * 4 / 127 - 0.5)
        self.assertEqual((int(s["sp"][0]), float(s["plx"][0])), (322, 379.21))
        self.assertTrue(math.isnan(s["bv"][1]))

    def test_a_file_of_another_kind_is_refused(self):
        with tempfile.TemporaryDirectory() as d:
            p = os.path.join(d, "x.cat")
            with open(p, "wb") as f:
                f.write(struct.pack("<8i", 1, 0, 0, 0, 0, 0, 0, 0))
            with self.assertRaises(ValueError):
                sterne.zonendatei_lesen(p)


class Epoche(unittest.TestCase):
    def test_fast_stars_left_at_the_hipparcos_epoch_are_moved_to_j2000(self):
        # Star 1 is stored at J1991.25, star 2 at J2000; both move 4"/yr
        # north. The reference list holds their J2000 places.
        pm = {1: (0.0, 4000.0), 2: (0.0, 4000.0), 3: (0.0, 10.0)}
        st = {1: sterne.Stern(1, 1.0, 10.0, 5.0, 0.5, ""),
              2: sterne.Stern(2, 3.0, -20.0 + 35 / 3600, 5.0, 0.5, ""),
              3: sterne.Stern(3, 5.0, 89.9, 5.0, 0.5, "")}
        with tempfile.TemporaryDirectory() as d:
            p = os.path.join(d, "stars.dat")
            with open(p, "w") as f:
                f.write("# kopf\n010000.00 +100035.0 rest\n030000.00 -195925.0 rest\n")
            self.assertEqual(sterne.epoche_angleichen(st, pm, p), 1)
        self.assertAlmostEqual(st[1].de, 10 + 35 / 3600, delta=0.01 / 3600)
        self.assertAlmostEqual(st[2].de, -20 + 35 / 3600)
        self.assertEqual(st[3].de, 89.9)
        # Near the pole the motion runs along the tangent plane: 36" east of
        # the pole along RA 0h ends 36" from the pole along RA 6h.
        ra, de = sterne._mit_eigenbewegung(0.0, 90 - 36 / 3600, 4000.0, 0.0, 9.0)
        self.assertAlmostEqual(ra, 3.0, places=6)
        self.assertAlmostEqual(de, 90 - 36 * math.sqrt(2) / 3600, delta=1e-7)


def stern(hip, v):
    s = sterne.Stern(hip, 1.0, 2.0, v, 0.5, "K0III")
    s.sao, s.hd = 1000 + hip, 2000 + hip
    return s


class Namen(unittest.TestCase):
    def quellen(self):
        q = types.SimpleNamespace()
        q.sterne = {1: stern(1, 2.0), 2: stern(2, 5.0), 3: stern(3, 4.0)}
        q.eigennamen = [(1, "Scheat"), (2, "Alpha Beta Gamma Delta Epsilon"), (2, "Scheat"),
                        (2, "Zweiter"), (3, "Mönch")]
        q.bezeichnungen = [(1, "bet Peg"), (2, "alf1 Cen"), (2, "alf2 Cen"), (3, "61 Cyg A"),
                           (3, "22 And"), (1, "22 And")]
        q.namen_von, q.bez_von = {}, {}
        for h, n in q.eigennamen:
            q.namen_von.setdefault(h, []).append(n)
        for h, n in q.bezeichnungen:
            q.bez_von.setdefault(h, []).append(n)
        q.kandidaten = types.MethodType(sterndateien.Sternquellen.kandidaten, q)
        return q

    def test_proper_names_primary_first_too_long_left_out(self):
        zeilen, zu_lang = sterndateien.helle_zeilen(self.quellen())
        o = [lesen.hell(z.encode("cp1252")) for z in zeilen]
        self.assertEqual(zu_lang, ["Alpha Beta Gamma Delta Epsilon"])
        # Star 2's first name is too long, so "Scheat" becomes its primary
        # name, but star 1 lists it first and keeps the first line.
        self.assertEqual([x["name"] for x in o], ["Scheat", "Scheat", "Mönch", "Zweiter"])
        self.assertEqual([x["alias"] for x in o], ["bet Peg", "alf1 Cen", "61 Cyg A", "alf1 Cen"])

    def test_designations_gain_plain_forms_and_brightest_first(self):
        zeilen = sterndateien.flamsteed_zeilen(self.quellen())
        o = [lesen.flamsteed(z.encode("cp1252")) for z in zeilen]
        self.assertEqual([x["bez"] for x in o],
                         ["bet Peg", "alf1 Cen", "alf Cen", "alf2 Cen", "61 Cyg A", "61 Cyg",
                          "22 And", "22 And"])
        # Of two stars with one designation, the brighter (star 1, V 2.0) comes first.
        self.assertEqual([x["v"] for x in o[-2:]], [2.0, 4.0])
        self.assertEqual(o[0]["alias"], "Scheat")
        self.assertEqual(o[1]["alias"], "Scheat")
        # A plain form that exists already is not added a second time.
        extra = sterndateien.bezeichnungen_ergaenzt([(1, "alf Cen"), (2, "alf1 Cen")])
        self.assertEqual(extra, [(1, "alf Cen"), (2, "alf1 Cen")])

    def test_variable_stars_ordered_by_constellation(self):
        namen = ["V340 And", "R And", "RT And", "omi Cet", "V9 And", "AB Aur", "alf And"]
        self.assertEqual(sorted(namen, key=sterndateien._sortierschluessel),
                         ["alf And", "R And", "RT And", "V9 And", "V340 And", "AB Aur",
                          "omi Cet"])


if __name__ == "__main__":
    unittest.main()
