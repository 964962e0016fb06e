#!/usr/bin/env python3
# Every text the window passes through Ue() (or a tooltip through tipp()), and
# every text of the core written through Kt(), has a finished English
# translation; a new German text without one would show German in the English
# window. Arguments: the src folder and the .ts file.
import glob
import re
import sys
import xml.etree.ElementTree as ET

quellen, ts = sys.argv[1], sys.argv[2]
aufruf = re.compile(r'\b(?:Ue|tipp|Kt)\((?:\w+,\s*)?((?:\s*"(?:[^"\\]|\\.)*")+)')
literal = re.compile(r'"((?:[^"\\]|\\.)*)"')
uebersetzt = {}
for m in ET.parse(ts).getroot().iter("message"):
    t = m.find("translation")
    if t.get("type") != "unfinished" and t.text:
        uebersetzt[m.find("source").text] = t.text
fehlend = []
for pfad in sorted(glob.glob(quellen + "/**/*.cpp", recursive=True)):
    quelle = open(pfad, encoding="utf-8").read()
    for m in aufruf.finditer(quelle):
        text = "".join(literal.findall(m.group(1))).replace("\\n", "\n").replace('\\"', '"')
        if text not in uebersetzt:
            zeile = quelle.count("\n", 0, m.start()) + 1
            fehlend.append(f"{pfad}:{zeile}: ohne Übersetzung: {text!r}")
print("\n".join(fehlend))
sys.exit(1 if fehlend else 0)
