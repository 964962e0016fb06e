import datetime
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import formate  # noqa: E402
import lesen  # noqa: E402
import sterne  # noqa: E402


class Sexagesimal(unittest.TestCase):
    def test_seconds_round_with_carry(self):
        # 1h 59m 59.96s must not print as "0159 60.0".
        self.assertEqual(formate.rektaszension(1 + 59 / 60 + 59.96 / 3600, 4, 1), "020000.0")
        # Just below 24h wraps to 0h rather than printing 24.
        self.assertEqual(formate.rektaszension(24 - 0.01 / 3600, 4, 1, ":"), "00:00:00.0")
        self.assertEqual(formate.deklination(10 + 59 / 60 + 59.6 / 3600, 2, 0), "+110000")

    def test_small_negative_declination_keeps_its_sign(self):
        self.assertEqual(formate.deklination(-0.5, 4, 1, ":"), "-00:30:00.0")
        z = ("00:00:00.0 " + formate.deklination(-0.5, 2, 0, ":")).encode()
        self.assertAlmostEqual(lesen.eigenes(z)["de"], -0.5)


class Felder(unittest.TestCase):
    def test_a_number_never_spills_into_the_next_column(self):
        with self.assertRaises(formate.Feld_Fehler):
            formate.feld_zahl(123.45, 5, 2)
        with self.assertRaises(formate.Feld_Fehler):
            formate.feld_rechts(1234567, 6)

    def test_wide_ranges_keep_as_many_decimals_as_fit(self):
        # A galactic distance in Mpc must not print as zero.
        self.assertEqual(formate.feld_zahl_passend(0.000156, 7, 5), "0.00016")
        self.assertEqual(formate.feld_zahl_passend(17.7, 7, 5), "17.7000")
        # A semi-major axis beyond 1000 AU still fits eleven columns.
        self.assertEqual(formate.feld_zahl_passend(1234.56789, 11, 7), "1234.567890")
        self.assertEqual(formate.feld_zahl_passend(1952.3, 4, 2), "1952")


class Gepackt(unittest.TestCase):
    def test_dates(self):
        self.assertEqual(formate.gepacktes_datum(2022, 8, 9), "K2289")
        self.assertEqual(formate.gepacktes_datum(2024, 10, 17), "K24AH")
        self.assertEqual(formate.gepacktes_datum(1996, 1, 1), "J9611")
        self.assertEqual(formate.gepacktes_datum(1927, 6, 20), "J276K")
        # Every day of a few years reads back as itself with the program's rule.
        d = datetime.date(1999, 12, 1)
        while d < datetime.date(2002, 3, 1):
            p = formate.gepacktes_datum(d.year, d.month, d.day)
            self.assertEqual(lesen.gepacktes_datum(p), (d.year, d.month, float(d.day)), p)
            d += datetime.timedelta(days=1)

    def test_numbers(self):
        for nummer, gepackt in ((1, "00001"), (99999, "99999"), (100000, "A0000"),
                                (360017, "a0017"), (617103, "z7103"), (620000, "~0000"),
                                (620061, "~000z"), (3140113, "~AZaz")):
            self.assertEqual(formate.gepackte_nummer(nummer), gepackt)
        with self.assertRaises(formate.Feld_Fehler):
            formate.gepackte_nummer(0)

    def test_provisional_designations(self):
        for lesbar, gepackt in (("2022 OU15", "K22O15U"), ("1995 XA", "J95X00A"),
                                ("2007 TA418", "K07Tf8A"), ("1998 SQ108", "J98SA8Q")):
            self.assertEqual(formate.gepackte_vorlaeufige(lesbar), gepackt)
        for falsch in ("A/2018 W3", "2022", "2022 O15", "2022 OU1x"):
            with self.assertRaises(formate.Feld_Fehler):
                formate.gepackte_vorlaeufige(falsch)


class Text(unittest.TestCase):
    def test_designations_take_the_three_letter_greek_forms(self):
        self.assertEqual(sterne.bezeichnung_umschreiben("ο_Cet"), "omi Cet")
        # The Latin o is a different star and stays a Latin letter.
        self.assertEqual(sterne.bezeichnung_umschreiben("o_Leo"), "o Leo")
        self.assertEqual(sterne.bezeichnung_umschreiben("α1_Cen"), "alf1 Cen")
        self.assertEqual(sterne.bezeichnung_umschreiben("ξ_UMa"), "ksi UMa")
        self.assertEqual(sterne.bezeichnung_umschreiben("61_Cyg_A"), "61 Cyg A")
        self.assertEqual(sterne.bezeichnung_umschreiben("ο Cet"), "omi Cet")

    def test_windows_1252_holds_what_it_can(self):
        self.assertEqual(formate.cp1252_text("Mönch"), "Mönch")
        self.assertEqual(formate.cp1252_text("Campbell’s"), "Campbell’s")
        self.assertEqual(formate.cp1252_text("θ Ori"), "tet Ori")
        self.assertEqual(formate.cp1252_text("Łódź"), "Lódz")
        self.assertEqual(formate.cp1252_text("天"), "?")


class Schreiben(unittest.TestCase):
    def test_crlf_windows_1252(self):
        with tempfile.TemporaryDirectory() as d:
            p = os.path.join(d, "a.txt")
            self.assertEqual(formate.schreiben(p, ["Mönch", "b"]), 2)
            with open(p, "rb") as f:
                self.assertEqual(f.read(), b"M\xf6nch\r\nb\r\n")

    def test_an_interrupted_write_leaves_the_old_file(self):
        def zeilen():
            yield "neu"
            raise RuntimeError("abgebrochen")
        with tempfile.TemporaryDirectory() as d:
            p = os.path.join(d, "a.txt")
            formate.schreiben(p, ["alt"])
            with self.assertRaises(RuntimeError):
                formate.schreiben(p, zeilen())
            with self.assertRaises(formate.Feld_Fehler):
                formate.schreiben(p, ["x\ny"])
            with self.assertRaises(UnicodeEncodeError):
                formate.schreiben(p, ["天"])
            self.assertEqual(os.listdir(d), ["a.txt"])
            with open(p, "rb") as f:
                self.assertEqual(f.read(), b"alt\r\n")


if __name__ == "__main__":
    unittest.main()
