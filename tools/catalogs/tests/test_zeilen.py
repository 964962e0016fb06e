"""Every line layout, written and read back with the program's column rules."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import lesen  # noqa: E402
import sonstige  # noqa: E402
import zeilen  # noqa: E402

# Sirius, J2000.
RA, DE = 6 + 45 / 60 + 8.917 / 3600, -(16 + 42 / 60 + 58.02 / 3600)


def b(z):
    return z.encode("cp1252")


class Layouts(unittest.TestCase):
    def pos(self, o, ra_sek, de_sek):
        self.assertAlmostEqual(o["ra"], RA, delta=ra_sek / 3600)
        self.assertAlmostEqual(o["de"], DE, delta=de_sek / 3600)

    def test_deep_sky(self):
        z = zeilen.ngc_zeile("N7000", "Cyg", 20.988094, 44.528778, 0.0, 4.0, 120.0, 30.0,
                             "Gas.Neb", 0.000156, "North America Nebula")
        o = lesen.ngc(b(z))
        self.assertEqual((o["bez"], o["con"], o["typ"], o["alias"]),
                         ("N7000", "Cyg", "Gas.Neb", "North America Ne"))
        self.assertAlmostEqual(o["ra"], 20.988094, delta=0.05 / 3600)
        self.assertAlmostEqual(o["de"], 44.528778, delta=0.5 / 3600)
        self.assertEqual((o["b"], o["v"], o["ga"], o["gb"], o["dist"]),
                         (0.0, 4.0, 120.0, 30.0, 0.00016))
        # A bright object with a negative magnitude and a large distance.
        o = lesen.ngc(b(zeilen.ngc_zeile("M31", "And", 0.71, 41.27, -1.2, 3.4, 177.8, 69.7,
                                         "Galaxie", 1234.5678, "")))
        self.assertEqual((o["b"], o["dist"], o["alias"]), (-1.2, 1234.57, ""))

    def test_sao_and_hipparcos(self):
        o = lesen.sao(b(zeilen.sao_zeile(151881, RA, DE, -1.425, "A1V+DA", "Sirius", 32349)))
        self.pos(o, 0.005, 0.05)
        self.assertEqual((o["nr"], o["v"], o["klasse"], o["alias"]), ("151881", -1.4, "A1",
                                                                        "Sirius"))
        o = lesen.hip(b(zeilen.hip_zeile(32349, RA, DE, -1.425, None, 48915, "Sirius",
                                         "alf CMa", "A1V+DA")))
        self.pos(o, 0.0005, 0.005)
        self.assertEqual((o["nr"], o["bv"], o["hd"], o["name1"], o["name2"]),
                         ("32349", 99.999, "48915", "Sirius", "alf CMa"))
        self.assertEqual(o["klasse"], "A1V+DA      ")
        # No HD and no names: the alias columns are blank.
        o = lesen.hip(b(zeilen.hip_zeile(7, 0.0, 0.0, 9.0, 0.5, 0, "", "", "")))
        self.assertEqual((o["bv"], o["hd"], o["name1"], o["name2"]), (0.5, "", "", ""))

    def test_proper_motion_record(self):
        # Barnard's Star: one width for every record, however fast the star.
        z = zeilen.eigenbewegung_zeile(87937, -798.8, 10277.3)
        self.assertEqual(len(z), 28)
        self.assertEqual(lesen.eigenbewegung(b(z)), dict(nr=87937, pm_ra=-798.8, pm_de=10277.3))
        self.assertEqual(len(zeilen.eigenbewegung_zeile(1, 0.0, -0.004)), 28)

    def test_named_stars(self):
        o = lesen.hell(b(zeilen.helle_zeile("Mönch", RA, DE, -1.43, "A1V", "alf CMa", 151881,
                                            32349)))
        self.pos(o, 0.0005, 0.005)
        self.assertEqual((o["name"], o["alias"], o["klasse"], o["v"]),
                         ("Mönch", "alf CMa", "A1", -1.43))
        o = lesen.flamsteed(b(zeilen.flamsteed_zeile("omi Cet", RA, DE, 6.48, "Mira", 14386,
                                                     10826, 129825)))
        self.pos(o, 0.005, 0.05)
        self.assertEqual((o["bez"], o["alias"], o["v"]), ("omi Cet", "Mira", 6.48))

    def test_variable_stars(self):
        for ra, de in ((15.81, 28.157), (23.99999, -0.004), (0.001, -89.99), (12.0, 9.9999)):
            z = zeilen.veraenderlich_zeile("V1234 Sgr", ra, de, 12.34, "EA/DM", 13.5)
            o = lesen.veraenderlich(b(z))
            self.assertEqual(o["name"], "V1234 Sgr")
            self.assertAlmostEqual(o["ra"] % 24, ra % 24 if ra < 23.9999 else 0.0, delta=2e-4)
            self.assertAlmostEqual(o["de"], de, delta=0.006)
            self.assertEqual(o["v"], 12.34)
        # The list shows columns 1-10 untrimmed.
        self.assertEqual(zeilen.veraenderlich_zeile("R CrB", 1, 1, 6)[:10], "R CrB     ")

    def test_photometric_standards(self):
        z = zeilen.landolt_zeile("PG0029+024A", 0.5025, -(46 + 31 / 60 + 22 / 3600), 14.651,
                                 0.793, 0.38, 0.435, 0.405, 0.841, 29, 12)
        o = lesen.landolt(b(z))
        self.assertEqual((o["name"], o["v"], o["b"]), ("PG0029+024A", 14.651, 15.444))
        self.assertAlmostEqual(o["de"], -(46 + 31 / 60 + 22 / 3600), delta=0.5 / 3600)
        # The header is two lines, the second a rule.
        self.assertEqual(len(zeilen.LANDOLT_KOPF), 2)

    def test_satellite_label_carries_its_longitude(self):
        for name, laenge, erwartet in (("METEOSAT-11 LONG NAME", -3.6, -3.6),
                                       ("HIMAWARI-8", 140.74, 140.7), ("X", 0.02, 0.0),
                                       ("GOES 15", -134.7, -134.7), ("Y", -179.99, 180.0)):
            label = zeilen.geostat_bezeichnung(name, laenge)
            self.assertEqual(len(label), 23)
            o = lesen.geostat(b(label))
            self.assertAlmostEqual(o["laenge"], erwartet)
            # The position tick reads characters 19-23 and 24 of "G" + label.
            g = "G" + label
            self.assertAlmostEqual(float(g[18:23]), abs(erwartet))
            self.assertEqual(g[23], "W" if erwartet < 0 else "E")

    def test_ephemeris_rows(self):
        for groesse, dist in ((1952.3, 0.983), (2.31, 30.95), (49.8, 3.95)):
            z = zeilen.ephemeriden_zeile(2461115.0, RA, DE, -26.8, groesse, dist, "Psc")
            o = lesen.ephemeride(b(z))
            self.pos(o, 0.005, 0.05)
            self.assertEqual((o["jd"], o["v"], o["con"]), (2461115.0, -26.8, "Psc"))
            self.assertAlmostEqual(o["groesse"], groesse, delta=0.5)
            self.assertAlmostEqual(o["dist"], dist, delta=0.051)

    def test_element_lines(self):
        z = zeilen.asteroid_zeile("00001", 3.33, 0.12, "K2289", 334.3271698, 73.5316252,
                                  80.2664361, 10.5867951, 0.0786357, 0.2141805, 2.7666190,
                                  "(1) Ceres")
        o = lesen.asteroid(b(z))
        self.assertEqual((o["bez"], o["epoche"], o["name"], o["a"]),
                         ("00001", (2022, 8, 9.0), "(1) Ceres", 2.766619))
        self.assertEqual(len(z), 166 + len("(1) Ceres"))
        weit = lesen.asteroid(b(zeilen.asteroid_zeile("K22O15U", 10.7, 0.15, "K2289", 1.0, 2.0,
                                                      3.0, 4.0, 0.99, 1.9e-5, 1234.5678, "")))
        self.assertEqual((weit["a"], weit["name"]), (1234.5678, ""))
        z = zeilen.komet_zeile(73, "P", "bu", 2022, 8, 24.8786, 0.960384, 0.66606, 199.8749,
                               70.677, 11.0695, "", 19.0, 4.0, "73P-BU/Schwassmann-Wachmann",
                               "MPEC 2022")
        self.assertEqual(z[:12], "0073P     bu")
        o = lesen.komet(b(z))
        self.assertEqual((o["typ"], o["jahr"], o["monat"], o["tag"], o["h"], o["k"]),
                         ("P", 2022, 8, 24.8786, 19.0, 4.0))
        self.assertEqual(o["name"].rstrip(), "73P-BU/Schwassmann-Wachmann")
        self.assertEqual(z[81:89], "        ")

    def test_own_objects_sample(self):
        z = [zeile.encode("cp1252") for zeile in sonstige.eigene_zeilen()]
        objekte = [lesen.eigenes(x) for x in lesen.nach_trennlinie(z)]
        self.assertEqual(len(objekte), len(sonstige.BEISPIELE))
        for o, (ra, de, eq, name, _, _) in zip(objekte, sonstige.BEISPIELE):
            self.assertEqual(o["name"], name)
            self.assertAlmostEqual(o["ra"], ra, delta=0.1 / 3600 + 1e-5)
            self.assertAlmostEqual(o["de"], de, delta=1 / 3600)
            self.assertEqual(o["aequinoktium"], float(eq) if eq else None)
        # Both notations occur, for RA and for Dec.
        roh = lesen.nach_trennlinie(z)
        self.assertEqual({x[2:3] for x in roh}, {b":", b" "})
        self.assertEqual({x[14:15] for x in roh}, {b":", b" "})
        # No description line may end the block early.
        self.assertEqual(sum(1 for x in z if x.startswith(b"--")), 1)


if __name__ == "__main__":
    unittest.main()
