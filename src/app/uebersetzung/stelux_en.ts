<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Stelux</name>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Bahnelemente aktualisieren…</source>
        <translation>Update orbital elements…</translation>
    </message>
    <message>
        <source>&amp;Schliessen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Zehntelsekunden</source>
        <translation>&amp;Tenths of a second</translation>
    </message>
    <message>
        <source>Asteroiden nach Helligkeit sortieren</source>
        <translation>Sort asteroids by brightness</translation>
    </message>
    <message>
        <source>Kometen nach Helligkeit sortieren</source>
        <translation>Sort comets by brightness</translation>
    </message>
    <message>
        <source>Refraktion berücksichtigen</source>
        <translation>Correct for refraction</translation>
    </message>
    <message>
        <source>&amp;Aufsuchkarte</source>
        <translation>Finder &amp;chart</translation>
    </message>
    <message>
        <source>&amp;Nachtmodus</source>
        <translation>&amp;Night mode</translation>
    </message>
    <message>
        <source>Zeitpunkt wählen…</source>
        <translation>Choose instant…</translation>
    </message>
    <message>
        <source>Zeitpunkt: jetzt</source>
        <translation>Instant: now</translation>
    </message>
    <message>
        <source>Jetzt &amp;beobachtbar</source>
        <translation>&amp;Observable now</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Edit Eigene</source>
        <translation>&amp;Edit own objects</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Stelux Handbuch</source>
        <translation>Stelux manual</translation>
    </message>
    <message>
        <source>System-Infos</source>
        <translation>System information</translation>
    </message>
    <message>
        <source>Versions-Infos</source>
        <translation>Version information</translation>
    </message>
    <message>
        <source>Ziffer %1 an die Eingabe anhängen</source>
        <translation>Append digit %1 to the entry</translation>
    </message>
    <message>
        <source>Zusatzbuchstaben %1 anhängen (NGC, IC)</source>
        <translation>Append suffix letter %1 (NGC, IC)</translation>
    </message>
    <message>
        <source>%1 enthält mehr als %2 Bahnelemente; die letzten %3 Zeilen wurden nicht geladen.</source>
        <translation>%1 holds more than %2 orbital elements; the last %3 lines were not loaded.</translation>
    </message>
    <message>
        <source>%1: %2 Zeile(n) mit Fehlern wurden nicht geladen, die übrigen schon. Die erste:
%3</source>
        <translation>%1: %2 line(s) with errors were not loaded, the others were. The first:
%3</translation>
    </message>
    <message>
        <source>Bahnelemente aktualisieren</source>
        <translation>Update orbital elements</translation>
    </message>
    <message>
        <source>Asteroiden (MPCORB.DAT.gz):</source>
        <translation>Asteroids (MPCORB.DAT.gz):</translation>
    </message>
    <message>
        <source>Kometen (CometEls.txt):</source>
        <translation>Comets (CometEls.txt):</translation>
    </message>
    <message>
        <source>Die 6000 hellsten Asteroiden und alle Kometen werden geladen und ersetzen Asteroiden.txt und Kometen.txt im Datenordner (die bisherigen bleiben als .bak).</source>
        <translation>The 6000 brightest asteroids and all comets are downloaded and replace Asteroiden.txt and Kometen.txt in the data folder (the previous ones are kept as .bak).</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Verbinden …</source>
        <translation>Connecting …</translation>
    </message>
    <message>
        <source>Bahnelemente nicht aktualisiert: %1
Die bisherigen Dateien bleiben unverändert.</source>
        <translation>Orbital elements not updated: %1
The previous files remain unchanged.</translation>
    </message>
    <message>
        <source>

Trotzdem installieren? Die bisherigen Dateien blieben als .bak erhalten.</source>
        <translation>

Install anyway? The previous files would be kept as .bak.</translation>
    </message>
    <message>
        <source>Installieren</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>Bahnelemente nicht installiert; die bisherigen Dateien bleiben unverändert.</source>
        <translation>Orbital elements not installed; the previous files remain unchanged.</translation>
    </message>
    <message>
        <source>Bahnelemente aktualisiert.
</source>
        <translation>Orbital elements updated.
</translation>
    </message>
    <message>
        <source>Jetzt beobachtbar</source>
        <translation>Observable now</translation>
    </message>
    <message>
        <source>bis </source>
        <translation>to </translation>
    </message>
    <message>
        <source>Objekt</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Azimut</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>über 20°</source>
        <translation>above 20°</translation>
    </message>
    <message>
        <source>Stand %1 (Zeitzone des PC), Höhe über %2° oder in den nächsten %3 Stunden darüber</source>
        <translation>As of %1 (PC time zone), altitude above %2° or rising above it within the next %3 hours</translation>
    </message>
    <message>
        <source>%1 Objekte</source>
        <translation>%1 objects</translation>
    </message>
    <message>
        <source>Unbekannter Fehler</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Stelux – Handbuch</source>
        <translation>Stelux – Manual</translation>
    </message>
    <message>
        <source>Karte wird vorbereitet ...</source>
        <translation>Preparing chart ...</translation>
    </message>
    <message>
        <source>Aufsuchkarte</source>
        <translation>Finder chart</translation>
    </message>
    <message>
        <source>Spiegelbild</source>
        <translation>Mirror image</translation>
    </message>
    <message>
        <source>Drehung </source>
        <translation>Rotation </translation>
    </message>
    <message>
        <source>Bildschirm</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>Druck</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Nacht</source>
        <translation>Night</translation>
    </message>
    <message>
        <source>Kein Objekt gewählt.</source>
        <translation>No object selected.</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei ist beschädigt; Stelux beginnt mit den Vorgaben und schreibt sie neu, sobald eine Option geändert wird.</source>
        <translation>The settings file is damaged; Stelux starts with the defaults and rewrites it as soon as an option is changed.</translation>
    </message>
    <message>
        <source>Höhe refr.</source>
        <translation>Alt. refr.</translation>
    </message>
    <message>
        <source>Zeitpunkt wählen</source>
        <translation>Choose instant</translation>
    </message>
    <message>
        <source>Datum und Uhrzeit (Zeitzone des PC):</source>
        <translation>Date and time (PC time zone):</translation>
    </message>
    <message>
        <source>

Stelux rechnet bis zum Beenden mit den Vorgabewerten (Standort %1°, %2°, %3 m) und lässt die Datei unverändert. Bitte die genannte Zeile berichtigen.</source>
        <translation>

Until it is closed, Stelux computes with the default values (site %1°, %2°, %3 m) and leaves the file unchanged. Please correct the line named.</translation>
    </message>
    <message>
        <source> – Einstellhilfe für die Teilkreise</source>
        <translation> – Setting aid for the setting circles</translation>
    </message>
    <message>
        <source>Die Parameterdatei %1 konnte beim Start nicht gelesen werden und bleibt unverändert; die Einstellungen dieser Sitzung werden nicht gespeichert.</source>
        <translation>The parameter file %1 could not be read at start and remains unchanged; the settings of this session are not saved.</translation>
    </message>
    <message>
        <source>Eingabe löschen</source>
        <translation>Clear the entry</translation>
    </message>
    <message>
        <source>Objekt der Eingabe suchen und anzeigen (Eingabetaste)</source>
        <translation>Look up and show the object entered (Enter key)</translation>
    </message>
    <message>
        <source>Deklinationskorrektur des Instruments um 0.1° erhöhen</source>
        <translation>Increase the instrument's declination correction by 0.1°</translation>
    </message>
    <message>
        <source>Deklinationskorrektur des Instruments um 0.1° verringern</source>
        <translation>Decrease the instrument's declination correction by 0.1°</translation>
    </message>
    <message>
        <source>Stundenwinkelkorrektur des Instruments um 0.1 min erhöhen</source>
        <translation>Increase the instrument's hour angle correction by 0.1 min</translation>
    </message>
    <message>
        <source>Stundenwinkelkorrektur des Instruments um 0.1 min verringern</source>
        <translation>Decrease the instrument's hour angle correction by 0.1 min</translation>
    </message>
    <message>
        <source>Schließen (Eingabetaste oder Esc)</source>
        <translation>Close (Enter or Esc)</translation>
    </message>
    <message>
        <source>&amp;40cm Schmidt-Kamera</source>
        <translation>&amp;40cm Schmidt camera</translation>
    </message>
    <message>
        <source>&amp;60cm Cassegrain</source>
        <translation>&amp;60cm Cassegrain</translation>
    </message>
    <message>
        <source>PC Zeit</source>
        <translation>PC time</translation>
    </message>
    <message>
        <source>UT Zeit</source>
        <translation>UT time</translation>
    </message>
    <message>
        <source>Z.zone</source>
        <translation>T.zone</translation>
    </message>
    <message>
        <source>Deklination*</source>
        <translation>Declination*</translation>
    </message>
    <message>
        <source>Stundenwinkel*</source>
        <translation>Hour angle*</translation>
    </message>
    <message>
        <source>Luftmasse</source>
        <translation>Air mass</translation>
    </message>
    <message>
        <source>Asteroid</source>
        <translation>Asteroid</translation>
    </message>
    <message>
        <source>Komet</source>
        <translation>Comet</translation>
    </message>
    <message>
        <source>Fotometrie</source>
        <translation>Photometry</translation>
    </message>
    <message>
        <source>Geostat. Satell.</source>
        <translation>Geostat. sat.</translation>
    </message>
    <message>
        <source>Veränderlicher</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>eigenes Objekt</source>
        <translation>own object</translation>
    </message>
    <message>
        <source>Stelux System-Information</source>
        <translation>Stelux system information</translation>
    </message>
    <message>
        <source>Stelux Versions-Information</source>
        <translation>Stelux version information</translation>
    </message>
    <message>
        <source>Objekt-Bezeichnung (Alias; Distanz)</source>
        <translation>Object designation (alias; distance)</translation>
    </message>
    <message>
        <source>Beobachtungsliste</source>
        <translation>Observing list</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Designation</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>über 20° ab/bis</source>
        <translation>above 20° from/until</translation>
    </message>
    <message>
        <source>Kulmination</source>
        <translation>Culmination</translation>
    </message>
    <message>
        <source>erledigt</source>
        <translation>done</translation>
    </message>
    <message>
        <source>Als .skylist &amp;speichern…</source>
        <translation>&amp;Save as .skylist…</translation>
    </message>
    <message>
        <source>Beobachtungsliste speichern</source>
        <translation>Save observing list</translation>
    </message>
    <message>
        <source>SkySafari-Liste (*.skylist)</source>
        <translation>SkySafari list (*.skylist)</translation>
    </message>
    <message>
        <source>Nicht gefunden</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>%1 Einträge, %2 nicht gefunden · Leertaste: erledigt</source>
        <translation>%1 entries, %2 not found · Space: done</translation>
    </message>
    <message>
        <source>Notieren</source>
        <translation>Log observation</translation>
    </message>
    <message>
        <source>&amp;Notiz:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>&amp;Seeing (1 bestes – 5):</source>
        <translation>&amp;Seeing (1 best – 5):</translation>
    </message>
    <message>
        <source>&amp;Transparenz:</source>
        <translation>&amp;Transparency:</translation>
    </message>
    <message>
        <source>&amp;Okular / Belichtung:</source>
        <translation>&amp;Eyepiece / exposure:</translation>
    </message>
    <message>
        <source>Beobachter für den OAL-Export</source>
        <translation>Observer for the OAL export</translation>
    </message>
    <message>
        <source>&amp;Vorname:</source>
        <translation>&amp;First name:</translation>
    </message>
    <message>
        <source>&amp;Nachname:</source>
        <translation>&amp;Surname:</translation>
    </message>
    <message>
        <source>Brennweite 40cm Schmidt-&amp;Kamera:</source>
        <translation>Focal length 40cm Schmidt &amp;camera:</translation>
    </message>
    <message>
        <source>Brennweite 60cm &amp;Cassegrain:</source>
        <translation>Focal length 60cm &amp;Cassegrain:</translation>
    </message>
    <message>
        <source>Bitte den Nachnamen und beide Brennweiten angeben.</source>
        <translation>Please give the surname and both focal lengths.</translation>
    </message>
    <message>
        <source>Beobachtungsbuch</source>
        <translation>Observing log</translation>
    </message>
    <message>
        <source>&amp;Nacht:</source>
        <translation>&amp;Night:</translation>
    </message>
    <message>
        <source>&amp;Exportieren…</source>
        <translation>&amp;Export…</translation>
    </message>
    <message>
        <source>Beobachtungsbuch exportieren</source>
        <translation>Export observing log</translation>
    </message>
    <message>
        <source>OAL 2.1 (*.xml);;CSV (*.csv);;SkySafari-Liste (*.skylist)</source>
        <translation>OAL 2.1 (*.xml);;CSV (*.csv);;SkySafari list (*.skylist)</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Seeing</source>
        <translation>Seeing</translation>
    </message>
    <message>
        <source>Notiz</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>alle Nächte</source>
        <translation>all nights</translation>
    </message>
    <message>
        <source>%1 Einträge · F2: Notiz ändern · Entf: löschen</source>
        <translation>%1 entries · F2: edit note · Del: delete</translation>
    </message>
    <message>
        <source>Den Eintrag %1 vom %2 löschen?</source>
        <translation>Delete the entry %1 of %2?</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Beobachtungs&amp;liste öffnen…</source>
        <translation>Open observing &amp;list…</translation>
    </message>
    <message>
        <source>&amp;Notieren…</source>
        <translation>&amp;Log observation…</translation>
    </message>
    <message>
        <source>Beobachtungs&amp;buch…</source>
        <translation>Observing lo&amp;g…</translation>
    </message>
    <message>
        <source>Beobachtungsliste öffnen</source>
        <translation>Open observing list</translation>
    </message>
    <message>
        <source>Beobachtungslisten (*.skylist *.csv *.txt);;Alle Dateien (*)</source>
        <translation>Observing lists (*.skylist *.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Zum Notieren zuerst ein Objekt wählen.</source>
        <translation>Select an object before logging it.</translation>
    </message>
    <message>
        <source>Die Einträge werden gesucht…</source>
        <translation>Looking up the entries…</translation>
    </message>
</context>
</TS>
