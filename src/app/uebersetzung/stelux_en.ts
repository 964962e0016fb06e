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
        <source>Abgleich mit dem &amp;Teleskop…</source>
        <translation>&amp;Sync with the telescope…</translation>
    </message>
    <message>
        <source>Teleskop: kein Ort</source>
        <translation>Telescope: no position</translation>
    </message>
    <message>
        <source>Teleskop: kein Objekt gewählt</source>
        <translation>Telescope: no object selected</translation>
    </message>
    <message>
        <source>Abgleich nicht möglich: kein Objekt gewählt oder kein Ort vom Teleskop.</source>
        <translation>Sync not possible: no object selected or no position from the telescope.</translation>
    </message>
    <message>
        <source>Steht das Teleskop genau auf %1?

Die Abweichung (%2) wird als Korrektur des aktuellen Instruments übernommen.</source>
        <translation>Is the telescope centred exactly on %1?

The offset (%2) becomes the current instrument's correction.</translation>
    </message>
    <message>
        <source>&amp;Abgleichen</source>
        <translation>&amp;Sync</translation>
    </message>
    <message>
        <source>Abgleich abgelehnt: die Korrektur läge außerhalb des zulässigen Bereichs.</source>
        <translation>Sync refused: the correction would lie outside the permitted range.</translation>
    </message>
    <message>
        <source>keine Antwort</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>Verbindung beendet</source>
        <translation>connection closed</translation>
    </message>
    <message>
        <source>INDI: verbinde mit %1:%2 …</source>
        <translation>INDI: connecting to %1:%2 …</translation>
    </message>
    <message>
        <source>INDI: warte auf Gerät „%1“</source>
        <translation>INDI: waiting for device “%1”</translation>
    </message>
    <message>
        <source>INDI: %1 verbunden</source>
        <translation>INDI: %1 connected</translation>
    </message>
    <message>
        <source>INDI: %1 meldet keinen Ort</source>
        <translation>INDI: %1 reports no position</translation>
    </message>
    <message>
        <source>INDI: keine Verbindung zu %1:%2 (%3), neuer Versuch in %4 s</source>
        <translation>INDI: no connection to %1:%2 (%3), retrying in %4 s</translation>
    </message>
    <message>
        <source>Abgleich nicht möglich: ein anderer Zeitpunkt ist gewählt (Optionen – Zeitpunkt: jetzt).</source>
        <translation>Sync not possible: another instant is chosen (Options – Instant: now).</translation>
    </message>
</context>
</TS>
