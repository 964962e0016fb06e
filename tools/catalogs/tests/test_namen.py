import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import deepsky_namen  # noqa: E402
import lesen  # noqa: E402
import sternnamen  # noqa: E402
from test_sterne import stern  # noqa: E402


class Sternnamen(unittest.TestCase):
    def test_a_name_of_two_stars_goes_to_one_only(self):
        sterne = {1: stern(1, 2.0), 2: stern(2, 5.0), 3: stern(3, 1.0), 4: stern(4, 3.0)}
        fab = [(2, "Alnair", {1, 11}), (1, "Alnair", {1, 6, 12}),     # IAU holder wins
               (3, "Minkar", {3, 5}), (4, "Gienah", {12}), (4, "Minkar", {38}),  # first-listed wins
               (2, "Atria", {37}), (9, "Fremd", {6})]                  # star 9 not in the list
        kstars = [(4, "gienah"), (2, "Schedar")]                       # duplicate in another case
        paare = sternnamen.namen_waehlen(fab, kstars, sterne, {3: ["Wega"], 1: ["Alnair"]})
        namen = {}
        for hip, name in paare:
            namen.setdefault(name.casefold(), []).append(hip)
        self.assertEqual(namen, {"alnair": [1], "minkar": [3], "gienah": [4], "atria": [2],
                                 "schedar": [2], "wega": [3]})
        # Per star its IAU name first.
        self.assertEqual([n for h, n in paare if h == 2], ["Atria", "Schedar"])

    def test_kstars_names_join_the_nearest_bright_star(self):
        sterne = {1: stern(1, 2.0), 2: stern(2, 8.0)}
        s = sterne[1]
        orte = [(s.ra, s.de + 20 / 3600, "Nah"), (s.ra, s.de + 0.5, "Fern")]
        self.assertEqual(sternnamen.nach_ort_zuordnen(orte, sterne), [(1, "Nah")])


class DeepskyNamen(unittest.TestCase):
    def test_lines_read_back_and_only_objects_of_the_file(self):
        objekte = [{"bez": "M31", "v": 3.44}, {"bez": "N7000", "v": 0.0}]
        namen = [("M31", "Andromeda Galaxy"), ("M31", "Andromedanebel"),
                 ("N7000", "North America Nebula"), ("N9999", "Nirgends")]
        zeilen = deepsky_namen.namen_zeilen(objekte, namen)
        with tempfile.TemporaryDirectory() as d:
            pfad = os.path.join(d, "Deepsky_Namen.txt")
            with open(pfad, "wb") as f:
                f.write(b"".join(z.encode("cp1252") + b"\r\n" for z in zeilen))
            saetze = lesen.datei_lesen(pfad, "Deepsky_Namen.txt")
        self.assertEqual([(s["bez"], s["mag"], s["name"]) for s in saetze],
                         [("M31", 3.4, "Andromeda Galaxy"), ("M31", 3.4, "Andromedanebel"),
                          ("N7000", None, "North America Nebula")])


if __name__ == "__main__":
    unittest.main()
