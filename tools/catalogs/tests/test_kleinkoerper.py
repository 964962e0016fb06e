import io
import json
import os
import sys
import tempfile
import unittest
from contextlib import redirect_stderr, redirect_stdout

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import katalog_bauen  # noqa: E402
import kleinkoerper  # noqa: E402
import lesen  # noqa: E402
import zeilen  # noqa: E402


def asteroid(bez, h, name, a=2.5):
    return zeilen.asteroid_zeile(bez, h, 0.15, "K2289", 10.0, 20.0, 30.0, 5.0, 0.1,
                                 kleinkoerper.mittlere_bewegung(a), a, name)


def lesen_alle(ordner):
    aus = {}
    for n in os.listdir(ordner):
        with open(os.path.join(ordner, n), "rb") as f:
            aus[n] = f.read()
    return aus


class Asteroiden(unittest.TestCase):
    def test_designations_of_the_three_name_forms(self):
        self.assertEqual(kleinkoerper.asteroid_bezeichnungen("     1 Ceres (A801 AA)"),
                         ("00001", "(1) Ceres"))
        self.assertEqual(kleinkoerper.asteroid_bezeichnungen("613620 (2006 UZ184)"),
                         ("z3620", "(613620) 2006 UZ184"))
        self.assertEqual(kleinkoerper.asteroid_bezeichnungen("       (2022 OU15)"),
                         ("K22O15U", "2022 OU15"))

    def test_mean_motion_is_keplers_third_law_in_degrees(self):
        # One revolution per Julian year of 365.25 d... at a = 1 AU (to 1e-4).
        self.assertAlmostEqual(360.0 / kleinkoerper.mittlere_bewegung(1.0), 365.25, delta=0.05)
        self.assertAlmostEqual(kleinkoerper.mittlere_bewegung(2.7666190), 0.2141806, places=6)

    def test_packaged_list_keeps_the_brightest_in_catalogue_order(self):
        felder = ["full_name", "H", "G", "epoch_mjd", "e", "a", "i", "om", "w", "ma"]
        reihen = [
            ["   433 Eros (1898 DQ)", "10.31", "0.46", "59800", ".22", "1.458", "10.8", "304.3",
             "178.9", "358.8"],
            ["       (2022 OU15)", "5.0", None, "59800", ".57", "30.29", "21.1", "325.2", "304.7",
             "9.9"],
            ["     1 Ceres (A801 AA)", "3.33", "0.12", "59800", ".0786", "2.7666", "10.59",
             "80.27", "73.53", "334.33"],
            ["       (2002 PD153)", "9.0", None, "59800", ".1", "3.0", "1", "1", "1", None],
            ["  A/2018 W3", "8.0", None, "59800", ".1", "3.0", "1", "1", "1", "1"],
        ]
        with tempfile.TemporaryDirectory() as d:
            p = os.path.join(d, "asteroids.dat")
            with open(p, "w") as f:
                json.dump({"fields": felder, "data": reihen}, f)
            aus, fehler = kleinkoerper.asteroiden_aus_kstars(p, anzahl=2)
        self.assertEqual(len(fehler), 2)
        o = [lesen.asteroid(z.encode("cp1252")) for z in aus]
        # H 3.33 and 5.0 are the two brightest; numbered bodies come first.
        self.assertEqual([x["name"] for x in o], ["(1) Ceres", "2022 OU15"])
        self.assertEqual(o[1]["g"], 0.15)
        self.assertEqual(o[0]["epoche"], (2022, 8, 9.0))


class Heruntergeladen(unittest.TestCase):
    def test_malformed_lines_are_reported_and_the_rest_kept(self):
        gut = [asteroid(f"{i:05d}", 20.0 - i, f"({i}) Test{i}") for i in range(1, 6)]
        kaputt = gut[2][:40] + "xx.xxxxx" + gut[2][48:]
        inhalt = (["MPCORB-Kopf", "Des'n     H     G   Epoch ...", "-" * 160]
                  + gut[:2] + [""] + [kaputt] + gut[3:] + ["kurz"])
        with tempfile.TemporaryDirectory() as d:
            p = os.path.join(d, "MPCORB.DAT")
            with open(p, "w", newline="\n") as f:
                f.write("\n".join(inhalt) + "\n")
            aus, meldungen, gueltig = kleinkoerper.element_datei_umwandeln(p, "asteroiden",
                                                                           anzahl=3)
        self.assertEqual(gueltig, 4)
        self.assertEqual(len(meldungen), 2)
        self.assertIn("line 7:", meldungen[0])
        self.assertIn("argument of perihelion", meldungen[0])
        self.assertIn("line 10:", meldungen[1])
        # The three brightest (largest numbers here), in file order.
        self.assertEqual([z[:5] for z in aus], ["00002", "00004", "00005"])

    def test_duplicates_count_once_and_mostly_repeats_are_refused(self):
        gut = [asteroid(f"{i:05d}", 20.0 - i, f"({i}) Test{i}") for i in range(1, 4)]
        with tempfile.TemporaryDirectory() as d:
            p = os.path.join(d, "MPCORB.DAT")
            with open(p, "w") as f:
                f.write("\n".join(gut + [gut[0]]) + "\n")
            aus, _, gueltig = kleinkoerper.element_datei_umwandeln(p, "asteroiden")
            self.assertEqual((gueltig, [z[:5] for z in aus]), (4, ["00001", "00002", "00003"]))
            with open(p, "w") as f:
                f.write("\n".join(gut + [gut[0]] * 4) + "\n")
            with self.assertRaises(kleinkoerper.Wiederholungen):
                kleinkoerper.element_datei_umwandeln(p, "asteroiden")

    def test_builder_writes_only_the_element_files_from_downloads(self):
        komet = zeilen.komet_zeile(1, "P", "", 1986, 2, 9.4589, 0.574892, 0.967942, 111.8657,
                                   59.3998, 162.1914, "20220824", 4.0, 6.0, "1P/Halley", "98,12")
        with tempfile.TemporaryDirectory() as d:
            a = os.path.join(d, "a.txt")
            k = os.path.join(d, "k.txt.gz")
            with open(a, "w") as f:
                f.write(asteroid("00001", 3.3, "(1) Ceres") + "\r\n" + "Unsinn\r\n")
            import gzip
            with gzip.open(k, "wt") as f:
                f.write(komet + "\n")
            ziel = os.path.join(d, "ziel")
            fehler = io.StringIO()
            with redirect_stdout(io.StringIO()), redirect_stderr(fehler):
                rc = katalog_bauen.main(["--ziel", ziel, "--nur-elemente", "--asteroiden", a,
                                         "--kometen", k])
                erstes = lesen_alle(ziel)
                katalog_bauen.main(["--ziel", ziel, "--nur-elemente", "--asteroiden", a,
                                    "--kometen", k])
                zweites = lesen_alle(ziel)
                fehlt = katalog_bauen.main(["--ziel", ziel, "--asteroiden",
                                            os.path.join(d, "gibtsnicht")])
        self.assertEqual(rc, 0)
        self.assertEqual(sorted(erstes), ["Asteroiden.txt", "Kometen.txt"])
        self.assertEqual(erstes, zweites)
        self.assertTrue(erstes["Kometen.txt"].endswith(b"98,12\r\n"))
        self.assertIn("line 2:", fehler.getvalue())
        self.assertEqual(fehlt, 2)
        self.assertIn("File not found:", fehler.getvalue())

    def test_every_line_end_at_every_piece_size(self):
        faelle = [(b"eins\r\nzwei\n\r\nletzte", [b"eins", b"zwei", b"", b"letzte"]),
                  (b"a\rb\rc\r", [b"a", b"b", b"c"]),
                  (b"a\r\rb", [b"a", b"", b"b"]),
                  (b"a\n\r", [b"a", b""]),
                  (b"", [])]
        with tempfile.TemporaryDirectory() as d:
            p = os.path.join(d, "e.txt")
            for inhalt, zeilen in faelle:
                with open(p, "wb") as f:
                    f.write(inhalt)
                for stueck in (1, 2, 3, 100):
                    self.assertEqual(list(kleinkoerper._roh_zeilen(p, stueck)), zeilen,
                                     (inhalt, stueck))

    def test_names_in_utf8_become_windows_1252(self):
        for roh, text in ((b"Tsuchinshan\xe2\x80\x93ATLAS", "Tsuchinshan\u2013ATLAS"),
                          (b"\xc5\x81\xc3\xb3d\xc5\xba", "?\u00f3d?"),
                          (b"M\xfcller\t  ", "M\u00fcller"),
                          (b"A\x81B", "A?B")):
            self.assertEqual(kleinkoerper.zeile_wandeln(roh), text)

    def test_missing_package_is_named_with_its_install_command(self):
        self.assertEqual(katalog_bauen.fehlende_pakete(["stelux-gibt-es-nicht"]),
                         ["stelux-gibt-es-nicht"])
        self.assertIsNone(katalog_bauen.paket_version("stelux-gibt-es-nicht"))


if __name__ == "__main__":
    unittest.main()
