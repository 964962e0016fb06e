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
        <source>Nacht&amp;helligkeit</source>
        <translation>Night &amp;brightness</translation>
    </message>
    <message>
        <source>Dunkler</source>
        <translation>Dimmer</translation>
    </message>
    <message>
        <source>Heller</source>
        <translation>Brighter</translation>
    </message>
    <message>
        <source>Stufe %1</source>
        <translation>Step %1</translation>
    </message>
    <message>
        <source>Sichtung %1</source>
        <translation>Sighting %1</translation>
    </message>
    <message>
        <source>%1: Deklination über %2°, nur der Deklinationskreis geht in die Anpassung ein</source>
        <translation>%1: declination above %2°, only the declination circle enters the fit</translation>
    </message>
    <message>
        <source>Nur eine Sichtung: nur die Indexfehler IH und ID</source>
        <translation>Only one sighting: only the index errors IH and ID</translation>
    </message>
    <message>
        <source>Nur ein Stern: nur die Indexfehler IH und ID</source>
        <translation>Only one star: only the index errors IH and ID</translation>
    </message>
    <message>
        <source>Zu wenig verteilt (%1 Sterne über %2 h Stundenwinkel und %3° Deklination; nötig sind 3 Sterne über 3 h und 30°): höchstens IH, ID, CH, NP</source>
        <translation>Too little spread (%1 stars over %2 h of hour angle and %3° of declination; 3 stars over 3 h and 30° are needed): at most IH, ID, CH, NP</translation>
    </message>
    <message>
        <source>Weniger als 6 Sichtungen: höchstens IH, ID, CH, NP, MA, ME</source>
        <translation>Fewer than 6 sightings: at most IH, ID, CH, NP, MA, ME</translation>
    </message>
    <message>
        <source>%1: aus diesen Sichtungen nicht von den anderen Termen zu trennen, weggelassen</source>
        <translation>%1: not separable from the other terms with these sightings, left out</translation>
    </message>
    <message>
        <source>%1 unter 2σ (%2′ ± %3′), weggelassen</source>
        <translation>%1 below 2σ (%2′ ± %3′), left out</translation>
    </message>
    <message>
        <source>%1: Rest %2′/%3′ über 4 × RMS</source>
        <translation>%1: residual %2′/%3′ above 4 × RMS</translation>
    </message>
    <message>
        <source>Galaxie</source>
        <translation>Galaxy</translation>
    </message>
    <message>
        <source>unbek.</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>Off.Hauf</source>
        <translation>Open cl.</translation>
    </message>
    <message>
        <source>Gas.Neb</source>
        <translation>Neb.</translation>
    </message>
    <message>
        <source>Mehrf.St</source>
        <translation>Mult. star</translation>
    </message>
    <message>
        <source>Kug.Hauf</source>
        <translation>Glob. cl.</translation>
    </message>
    <message>
        <source>Plan.Neb</source>
        <translation>Plan. neb.</translation>
    </message>
    <message>
        <source>Asteris.</source>
        <translation>Asterism</translation>
    </message>
    <message>
        <source>Gal.Grup</source>
        <translation>Gal. group</translation>
    </message>
    <message>
        <source>SN-Rest</source>
        <translation>SN rem.</translation>
    </message>
    <message>
        <source>Eigenes Obj.</source>
        <translation>Own obj.</translation>
    </message>
    <message>
        <source>Foto-Std.</source>
        <translation>Phot. std.</translation>
    </message>
    <message>
        <source>Geostat. Sat.</source>
        <translation>Geostat. sat.</translation>
    </message>
    <message>
        <source>Veränder.</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>Sonne</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>extern</source>
        <translation>external</translation>
    </message>
    <message>
        <source>Ziel von außen</source>
        <translation>Target from outside</translation>
    </message>
    <message>
        <source>Planet Merkur</source>
        <translation>Planet Mercury</translation>
    </message>
    <message>
        <source>Planet Neptun</source>
        <translation>Planet Neptune</translation>
    </message>
    <message>
        <source>Modell %1cm · 1 Term · RMS %2′</source>
        <translation>Model %1cm · 1 term · RMS %2′</translation>
    </message>
    <message>
        <source>Modell %1cm · %2 Terme · RMS %3′</source>
        <translation>Model %1cm · %2 terms · RMS %3′</translation>
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
        <source>  gedreht %1°</source>
        <translation>  rotated %1°</translation>
    </message>
    <message>
        <source>  gespiegelt</source>
        <translation>  mirrored</translation>
    </message>
    <message>
        <source> von %1 MB</source>
        <translation> of %1 MB</translation>
    </message>
    <message>
        <source> · Kulmination %1 in %2°</source>
        <translation> · culmination %1 at %2°</translation>
    </message>
    <message>
        <source>%1 ist kein Ordner</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>%1 ist keine gewöhnliche Datei (%2)</source>
        <translation>%1 is not a regular file (%2)</translation>
    </message>
    <message>
        <source>%1 ist schreibgeschützt</source>
        <translation>%1 is write-protected</translation>
    </message>
    <message>
        <source>%1 kann nicht angelegt werden: %2</source>
        <translation>%1 cannot be created: %2</translation>
    </message>
    <message>
        <source>%1 kann nicht ersetzt werden: %2</source>
        <translation>%1 cannot be replaced: %2</translation>
    </message>
    <message>
        <source>%1 kann nicht gelesen werden: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 kann nicht geschrieben werden: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>%1%2: Bahnelemente %3 Jahre vom Zeitpunkt entfernt, zu alt für eine Bahnrechnung (höchstens 50 Jahre); bitte Bahnelemente aktualisieren</source>
        <translation>%1%2: orbital elements %3 years from the instant, too old for an orbit computation (at most 50 years); please update the orbital elements</translation>
    </message>
    <message>
        <source>%1%2: aus den Bahnelementen ist keine Position berechenbar</source>
        <translation>%1%2: no position can be computed from the orbital elements</translation>
    </message>
    <message>
        <source>%1%2: die Bahnrechnung ab der Epoche der Bahnelemente endet nicht (zu nahe an einem Planeten oder an der Sonne)</source>
        <translation>%1%2: the orbit computation from the elements' epoch does not finish (too close to a planet or the Sun)</translation>
    </message>
    <message>
        <source>%1: %2 beschädigte Zeilen übergangen</source>
        <translation>%1: %2 damaged lines skipped</translation>
    </message>
    <message>
        <source>%1: %2 installiert (von %3 gültigen Zeilen</source>
        <translation>%1: %2 installed (of %3 valid lines</translation>
    </message>
    <message>
        <source>%1: UTF-16 – bitte als Windows-1252 oder UTF-8 speichern</source>
        <translation>%1: UTF-16 – please save as Windows-1252 or UTF-8</translation>
    </message>
    <message>
        <source>%1: Verknüpfungen im Kreis (die Verknüpfung zeigt auf sich selbst)</source>
        <translation>%1: links in a circle (the link points to itself)</translation>
    </message>
    <message>
        <source>%1: der Server meldet %2 %3</source>
        <translation>%1: the server reports %2 %3</translation>
    </message>
    <message>
        <source>%1: die neue Liste hat nur %2 Körper, installiert sind %3 – weniger als die Hälfte (abgeschnittene Liste?)</source>
        <translation>%1: the new list has only %2 bodies, %3 are installed – less than half (truncated list?)</translation>
    </message>
    <message>
        <source>%1: nach %2 Stunden nicht fertig; das Laden wurde aufgegeben</source>
        <translation>%1: not finished after %2 hours; the download was given up</translation>
    </message>
    <message>
        <source>%1: seit %2 s kommen keine Daten mehr; die Verbindung wurde aufgegeben</source>
        <translation>%1: no data for %2 s; the connection was given up</translation>
    </message>
    <message>
        <source>%1: weniger als %2 Bytes in %3 – die Verbindung ist zu langsam und wurde aufgegeben</source>
        <translation>%1: fewer than %2 bytes in %3 – the connection is too slow and was given up</translation>
    </message>
    <message>
        <source>, %1 Zeilen</source>
        <translation>, %1 lines</translation>
    </message>
    <message>
        <source>, %1 fehlerhafte übersprungen</source>
        <translation>, %1 faulty ones skipped</translation>
    </message>
    <message>
        <source>, Epoche %1</source>
        <translation>, epoch %1</translation>
    </message>
    <message>
        <source>. Die bisherigen Bahnelemente bleiben unverändert.</source>
        <translation>. The orbital elements installed so far stay unchanged.</translation>
    </message>
    <message>
        <source>40cm Schmidt-Kamera: DE/SW-Korr: %1°/%2min      60cm Cassegrain: DE/SW-Korr: %3°/%4min</source>
        <translation>40cm Schmidt camera: Dec/HA corr.: %1°/%2min      60cm Cassegrain: Dec/HA corr.: %3°/%4min</translation>
    </message>
    <message>
        <source>Abgebrochen</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>Asteroiden</source>
        <translation>Asteroids</translation>
    </message>
    <message>
        <source>Bahnelemente %1 Jahre alt</source>
        <translation>orbital elements %1 years old</translation>
    </message>
    <message>
        <source>Bahnelemente %1 Jahre neuer</source>
        <translation>orbital elements %1 years newer</translation>
    </message>
    <message>
        <source>Bei Problemen bitte diesen Inhalt kopieren und an die Person senden,</source>
        <translation>If there are problems, please copy this content and send it to the person</translation>
    </message>
    <message>
        <source>Datei kann nicht gelesen werden: %1 (%2)</source>
        <translation>File cannot be read: %1 (%2)</translation>
    </message>
    <message>
        <source>Datenordner nicht gefunden: %1</source>
        <translation>Data folder not found: %1</translation>
    </message>
    <message>
        <source>Der Datenordner %1 ist schreibgeschützt</source>
        <translation>The data folder %1 is write-protected</translation>
    </message>
    <message>
        <source>Der Zeitpunkt muss zwischen %1 und %2 liegen; die Anzeige bleibt, wie sie ist.</source>
        <translation>The instant must lie between %1 and %2; the display stays as it is.</translation>
    </message>
    <message>
        <source>Die Adresse %1 beginnt nicht mit "https://"; Bahnelemente werden nur verschlüsselt geladen</source>
        <translation>The address %1 does not begin with "https://"; orbital elements are only downloaded encrypted</translation>
    </message>
    <message>
        <source>Die Einstellungen können nicht gespeichert werden: %1: %2. Stelux arbeitet weiter; geänderte Optionen gelten nur bis zum Beenden.</source>
        <translation>The settings cannot be saved: %1: %2. Stelux carries on; changed options only last until it is closed.</translation>
    </message>
    <message>
        <source>Ein Ordner, keine Datei: %1</source>
        <translation>A folder, not a file: %1</translation>
    </message>
    <message>
        <source>Feld %1  bis %2 mag</source>
        <translation>Field %1  to %2 mag</translation>
    </message>
    <message>
        <source>Installieren in %1</source>
        <translation>Installing in %1</translation>
    </message>
    <message>
        <source>Karte nicht geschrieben: %1: %2</source>
        <translation>Chart not written: %1: %2</translation>
    </message>
    <message>
        <source>Keine Adresse angegeben</source>
        <translation>No address given</translation>
    </message>
    <message>
        <source>Keine Leseberechtigung: %1</source>
        <translation>No permission to read: %1</translation>
    </message>
    <message>
        <source>Keine gültige Adresse: %1</source>
        <translation>Not a valid address: %1</translation>
    </message>
    <message>
        <source>Kometen</source>
        <translation>Comets</translation>
    </message>
    <message>
        <source>Lesefehler: %1 (%2)</source>
        <translation>Read error: %1 (%2)</translation>
    </message>
    <message>
        <source>Mehr als %1 Weiterleitungen, zuletzt nach %2; das Laden wurde aufgegeben</source>
        <translation>More than %1 redirections, the last to %2; the download was given up</translation>
    </message>
    <message>
        <source>Nicht gefunden: %1</source>
        <translation>Not found: %1</translation>
    </message>
    <message>
        <source>Ort unsicher, Bahnelemente aktualisieren</source>
        <translation>place uncertain, update the orbital elements</translation>
    </message>
    <message>
        <source>PLANUNG %1   </source>
        <translation>PLANNING %1   </translation>
    </message>
    <message>
        <source>Prozess %1 auf %2</source>
        <translation>process %1 on %2</translation>
    </message>
    <message>
        <source>Prozess %1</source>
        <translation>process %1</translation>
    </message>
    <message>
        <source>Schreiben fehlgeschlagen (Platte voll?)</source>
        <translation>writing failed (disk full?)</translation>
    </message>
    <message>
        <source>Stelux läuft bereits für den Datenordner %1 (%2). Bitte jenes Fenster verwenden; zwei Fenster würden einander die Parameterdatei überschreiben.</source>
        <translation>Stelux is already running for the data folder %1 (%2). Please use that window; two windows would overwrite each other's parameter file.</translation>
    </message>
    <message>
        <source>Sucher</source>
        <translation>Finder</translation>
    </message>
    <message>
        <source>Typ: </source>
        <translation>Type: </translation>
    </message>
    <message>
        <source>Weiterleitung von %1 nach %2 abgelehnt: %3</source>
        <translation>Redirection from %1 to %2 refused: %3</translation>
    </message>
    <message>
        <source>Weiterleitungen im Kreis: %1 wurde schon einmal aufgerufen</source>
        <translation>Redirections in a circle: %1 was already requested</translation>
    </message>
    <message>
        <source>Zeitzonen-Information fehlt: die Abfrage der Zeitzone ist fehlgeschlagen.</source>
        <translation>Time zone information missing: the time zone query failed.</translation>
    </message>
    <message>
        <source>ab %1 (in %2)</source>
        <translation>from %1 (in %2)</translation>
    </message>
    <message>
        <source>beleuchtet %1 %</source>
        <translation>illuminated %1 %</translation>
    </message>
    <message>
        <source>der Antwortkopf des Servers ist größer als 64 KiB (abgelehnt)</source>
        <translation>the server's response header is larger than 64 KiB (refused)</translation>
    </message>
    <message>
        <source>der Ordner %1 fehlt</source>
        <translation>the folder %1 is missing</translation>
    </message>
    <message>
        <source>der Server hat die Verbindung ohne vollständige Antwort geschlossen</source>
        <translation>the server closed the connection without a complete response</translation>
    </message>
    <message>
        <source>der Server ist nicht zu finden (keine Internetverbindung?)</source>
        <translation>the server cannot be found (no internet connection?)</translation>
    </message>
    <message>
        <source>die Antwort endet nach %1 von %2 angekündigten Bytes (Übertragung abgebrochen)</source>
        <translation>the response ends after %1 of %2 announced bytes (transfer broken off)</translation>
    </message>
    <message>
        <source>die Datei ist schreibgeschützt (%1)</source>
        <translation>the file is write-protected (%1)</translation>
    </message>
    <message>
        <source>die Verbindung wurde abgelehnt</source>
        <translation>the connection was refused</translation>
    </message>
    <message>
        <source>die den Rechner der Sternwarte betreut.</source>
        <translation>who looks after the observatory's computer.</translation>
    </message>
    <message>
        <source>die stückweise Übertragung endet mitten im Strom (Übertragung abgebrochen)</source>
        <translation>the chunked transfer ends in mid-stream (transfer broken off)</translation>
    </message>
    <message>
        <source>einem anderen Prozess</source>
        <translation>another process</translation>
    </message>
    <message>
        <source>erreicht hier nie %1</source>
        <translation>never reaches %1 here</translation>
    </message>
    <message>
        <source>keine Schreibberechtigung im Ordner %1 (%2)</source>
        <translation>no permission to write in the folder %1 (%2)</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>keine gültige HTTP-Antwort</source>
        <translation>not a valid HTTP response</translation>
    </message>
    <message>
        <source>noch %1</source>
        <translation>%1 left</translation>
    </message>
    <message>
        <source>ungültige Content-Length: %1</source>
        <translation>invalid Content-Length: %1</translation>
    </message>
    <message>
        <source>ungültige stückweise Übertragung (Zeile zu lang)</source>
        <translation>invalid chunked transfer (line too long)</translation>
    </message>
    <message>
        <source>ungültige stückweise Übertragung</source>
        <translation>invalid chunked transfer</translation>
    </message>
    <message>
        <source>zirkumpolar über %1</source>
        <translation>circumpolar above %1</translation>
    </message>
    <message>
        <source>zirkumpolar</source>
        <translation>circumpolar</translation>
    </message>
    <message>
        <source>über %1 ab %2 bis %3</source>
        <translation>above %1 from %2 to %3</translation>
    </message>
    <message>
        <source>über %1 bis %2, wieder ab %3</source>
        <translation>above %1 until %2, again from %3</translation>
    </message>
    <message>
        <source>▼ unter 20°</source>
        <translation>▼ below 20°</translation>
    </message>
    <message>
        <source>Asteroid </source>
        <translation>Asteroid </translation>
    </message>
    <message>
        <source>Eigenes Objekt </source>
        <translation>Own object </translation>
    </message>
    <message>
        <source>Fotometrie-Standard </source>
        <translation>Photometric standard </translation>
    </message>
    <message>
        <source>Geostat. </source>
        <translation>Geostat. </translation>
    </message>
    <message>
        <source>HIP </source>
        <translation>HIP </translation>
    </message>
    <message>
        <source>IC </source>
        <translation>IC </translation>
    </message>
    <message>
        <source>Komet </source>
        <translation>Comet </translation>
    </message>
    <message>
        <source>Messier </source>
        <translation>Messier </translation>
    </message>
    <message>
        <source>NGC </source>
        <translation>NGC </translation>
    </message>
    <message>
        <source>Planet </source>
        <translation>Planet </translation>
    </message>
    <message>
        <source>SAO </source>
        <translation>SAO </translation>
    </message>
    <message>
        <source>Veränderlicher </source>
        <translation>Variable </translation>
    </message>
    <message>
        <source>Meinten Sie:</source>
        <translation>Did you mean:</translation>
    </message>
    <message>
        <source>NGC/IC bis </source>
        <translation>NGC/IC to </translation>
    </message>
    <message>
        <source>Größe (′)</source>
        <translation>Size (′)</translation>
    </message>
    <message>
        <source>mag/″²</source>
        <translation>mag/″²</translation>
    </message>
    <message>
        <source> ganztägig auf</source>
        <translation> up all day</translation>
    </message>
    <message>
        <source> ganztägig unter dem Horizont</source>
        <translation> below the horizon all day</translation>
    </message>
    <message>
        <source> ganztägig unter</source>
        <translation> down all day</translation>
    </message>
    <message>
        <source> ganztägig über dem Horizont</source>
        <translation> above the horizon all day</translation>
    </message>
    <message>
        <source> und von %1 bis %2</source>
        <translation> and from %1 to %2</translation>
    </message>
    <message>
        <source> von %1 bis %2</source>
        <translation> from %1 to %2</translation>
    </message>
    <message>
        <source> · Dämmerung bis/ab:</source>
        <translation> · twilight until/from:</translation>
    </message>
    <message>
        <source> · Mond</source>
        <translation> · Moon</translation>
    </message>
    <message>
        <source>, %1 % beleuchtet (%2)</source>
        <translation>, %1 % illuminated (%2)</translation>
    </message>
    <message>
        <source>Dämmerung Ende – Beginn</source>
        <translation>Twilight end – start</translation>
    </message>
    <message>
        <source>Mitternachtssonne (Sonne geht nicht unter)</source>
        <translation>midnight sun (the Sun does not set)</translation>
    </message>
    <message>
        <source>Mitternachtssonne</source>
        <translation>midnight sun</translation>
    </message>
    <message>
        <source>Mond</source>
        <translation>Moon</translation>
    </message>
    <message>
        <source>Neumond</source>
        <translation>new moon</translation>
    </message>
    <message>
        <source>Polarnacht (Sonne geht nicht auf)</source>
        <translation>polar night (the Sun does not rise)</translation>
    </message>
    <message>
        <source>Polarnacht</source>
        <translation>polar night</translation>
    </message>
    <message>
        <source>Sonne unter %1, auf %2</source>
        <translation>Sunset %1, sunrise %2</translation>
    </message>
    <message>
        <source>Sonne unter/auf %1</source>
        <translation>Sun set/rise %1</translation>
    </message>
    <message>
        <source>Vollmond</source>
        <translation>full moon</translation>
    </message>
    <message>
        <source>abnehmende Sichel</source>
        <translation>waning crescent</translation>
    </message>
    <message>
        <source>abnehmender Mond</source>
        <translation>waning gibbous</translation>
    </message>
    <message>
        <source>astronomisch</source>
        <translation>astronomical</translation>
    </message>
    <message>
        <source>auf %1</source>
        <translation>rises %1</translation>
    </message>
    <message>
        <source>bürgerlich</source>
        <translation>civil</translation>
    </message>
    <message>
        <source>die ganze Nacht</source>
        <translation>all night</translation>
    </message>
    <message>
        <source>dunkel (Sonne unter −18°, Mond unter dem Horizont)</source>
        <translation>dark (Sun below −18°, Moon below the horizon)</translation>
    </message>
    <message>
        <source>dunkel</source>
        <translation>dark</translation>
    </message>
    <message>
        <source>erstes Viertel</source>
        <translation>first quarter</translation>
    </message>
    <message>
        <source>ganze Nacht</source>
        <translation>all night</translation>
    </message>
    <message>
        <source>letztes Viertel</source>
        <translation>last quarter</translation>
    </message>
    <message>
        <source>nautisch</source>
        <translation>nautical</translation>
    </message>
    <message>
        <source>nicht dunkel (Mond über dem Horizont)</source>
        <translation>not dark (Moon above the horizon)</translation>
    </message>
    <message>
        <source>nicht dunkel (Sonne nicht unter −18°)</source>
        <translation>not dark (Sun not below −18°)</translation>
    </message>
    <message>
        <source>nicht dunkel</source>
        <translation>not dark</translation>
    </message>
    <message>
        <source>nie (Sonne ganztägig unter %1)</source>
        <translation>never (Sun below %1 all day)</translation>
    </message>
    <message>
        <source>nie über %1</source>
        <translation>never above %1</translation>
    </message>
    <message>
        <source>unter %1</source>
        <translation>sets %1</translation>
    </message>
    <message>
        <source>zunehmende Sichel</source>
        <translation>waxing crescent</translation>
    </message>
    <message>
        <source>zunehmender Mond</source>
        <translation>waxing gibbous</translation>
    </message>
    <message>
        <source>O</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Messier</source>
        <translation>Messier</translation>
    </message>
    <message>
        <source>Stern</source>
        <translation>Star</translation>
    </message>
    <message>
        <source>NGC</source>
        <translation>NGC</translation>
    </message>
    <message>
        <source>IC</source>
        <translation>IC</translation>
    </message>
    <message>
        <source>Ab&amp;gleich…</source>
        <translation>&amp;Pointing calibration…</translation>
    </message>
    <message>
        <source>Abgleich – Zeigemodell %1</source>
        <translation>Calibration – pointing model %1</translation>
    </message>
    <message>
        <source>h m, z. B. 11 51.4</source>
        <translation>h m, e.g. 11 51.4</translation>
    </message>
    <message>
        <source>° ′, z. B. -0 30</source>
        <translation>° ′, e.g. -0 30</translation>
    </message>
    <message>
        <source>Sichtung &amp;speichern</source>
        <translation>&amp;Save sighting</translation>
    </message>
    <message>
        <source>Zeit (UT)</source>
        <translation>Time (UT)</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Designation</translation>
    </message>
    <message>
        <source>Stundenkreis</source>
        <translation>Hour circle</translation>
    </message>
    <message>
        <source>Deklinationskreis</source>
        <translation>Declination circle</translation>
    </message>
    <message>
        <source>Rest SW (′)</source>
        <translation>Residual HA (′)</translation>
    </message>
    <message>
        <source>Rest DE (′)</source>
        <translation>Residual Dec (′)</translation>
    </message>
    <message>
        <source>Sichtung &amp;löschen</source>
        <translation>&amp;Delete sighting</translation>
    </message>
    <message>
        <source>&amp;Nur signifikante Terme</source>
        <translation>&amp;Only significant terms</translation>
    </message>
    <message>
        <source>&amp;Anpassen</source>
        <translation>&amp;Fit</translation>
    </message>
    <message>
        <source>Modell ü&amp;bernehmen</source>
        <translation>&amp;Apply model</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>S&amp;tundenkreis abgelesen:</source>
        <translation>&amp;Hour circle as read:</translation>
    </message>
    <message>
        <source>&amp;Deklinationskreis abgelesen:</source>
        <translation>D&amp;eclination circle as read:</translation>
    </message>
    <message>
        <source>Gewählt: %1 (Ort um %2 UT)</source>
        <translation>Selected: %1 (place at %2 UT)</translation>
    </message>
    <message>
        <source>Modell abgelehnt: %1 – es wird weder gespeichert noch angewandt.
</source>
        <translation>Model refused: %1 – it is neither stored nor applied.
</translation>
    </message>
    <message>
        <source>%1 = %2′ liegt über der Grenze von %3′ (%4°) für einen Term</source>
        <translation>%1 = %2′ is beyond the bound of %3′ (%4°) for a term</translation>
    </message>
    <message>
        <source>Verschiebung am Himmel bis %1° (Stundenwinkel %2 h, Deklination %3°), über der Grenze von %4° über dem Horizont</source>
        <translation>Shift on the sky up to %1° (hour angle %2 h, declination %3°), beyond the bound of %4° above the horizon</translation>
    </message>
    <message>
        <source>%1: %2′ vom Modell – nicht verwendet</source>
        <translation>%1: %2′ from the model – not used</translation>
    </message>
    <message>
        <source>Zeigemodell abgelehnt: %1</source>
        <translation>Pointing model refused: %1</translation>
    </message>
    <message>
        <source>%1 wartet, bis der Dialog geschlossen ist</source>
        <translation>%1 waits until the dialog is closed</translation>
    </message>
    <message>
        <source>%1 nach dem Dialog übernommen</source>
        <translation>%1 taken after the dialog</translation>
    </message>
    <message>
        <source>Kein Stern gewählt – erst einen Stern wählen und einstellen.</source>
        <translation>No star selected – select a star and centre it first.</translation>
    </message>
    <message>
        <source>Angewandtes Modell: %1 (%2)
</source>
        <translation>Model in use: %1 (%2)
</translation>
    </message>
    <message>
        <source>Angepasst aus %1 Sichtungen (Bogenminuten):
</source>
        <translation>Fitted from %1 sightings (arcminutes):
</translation>
    </message>
    <message>
        <source>RMS vorher: SW %1′, DE %2′; nachher: SW %3′, DE %4′
</source>
        <translation>RMS before: HA %1′, Dec %2′; after: HA %3′, Dec %4′
</translation>
    </message>
    <message>
        <source>Stundenkreis „%1“: Stunden 0 bis 23 und Minuten unter 60, z. B. 11 51.4</source>
        <translation>Hour circle “%1”: hours 0 to 23 and minutes below 60, e.g. 11 51.4</translation>
    </message>
    <message>
        <source>Deklinationskreis „%1“: Grad -90 bis 90 und Minuten unter 60, z. B. -0 30</source>
        <translation>Declination circle “%1”: degrees -90 to 90 and minutes below 60, e.g. -0 30</translation>
    </message>
    <message>
        <source>Gespeichert: %1 – Stundenkreis %2′, Deklinationskreis %3′ neben dem berechneten Ort
</source>
        <translation>Saved: %1 – hour circle %2′, declination circle %3′ off the computed position
</translation>
    </message>
    <message>
        <source>&amp;Teleskop-Verbindung…</source>
        <translation>Tele&amp;scope link…</translation>
    </message>
    <message>
        <source>Ungültige Angabe „%1“ für den %2-Server (erwartet: [ADRESSE:]PORT).</source>
        <translation>Invalid value “%1” for the %2 server (expected: [ADDRESS:]PORT).</translation>
    </message>
    <message>
        <source>Der %1-Server kann %2:%3 nicht öffnen: %4</source>
        <translation>The %1 server cannot open %2:%3: %4</translation>
    </message>
    <message>
        <source>Teleskop – %1</source>
        <translation>Telescope – %1</translation>
    </message>
    <message>
        <source>%1 offen im Netz: %2:%3</source>
        <translation>%1 open to the network: %2:%3</translation>
    </message>
    <message>
        <source>Teleskop-Verbindung</source>
        <translation>Telescope link</translation>
    </message>
    <message>
        <source>&amp;Adresse:</source>
        <translation>&amp;Address:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>LX200-Protokoll</source>
        <translation>LX200 protocol</translation>
    </message>
    <message>
        <source>LX200-Server &amp;ein</source>
        <translation>&amp;LX200 server on</translation>
    </message>
    <message>
        <source>Stellarium-Protokoll (binär)</source>
        <translation>Stellarium protocol (binary)</translation>
    </message>
    <message>
        <source>Stellarium-Server e&amp;in</source>
        <translation>Stellarium server o&amp;n</translation>
    </message>
    <message>
        <source>Achtung: Eine Adresse außer 127.0.0.1 macht den Server im Netz erreichbar; jeder, der ihn erreicht, kann Ziele setzen.</source>
        <translation>Caution: an address other than 127.0.0.1 makes the server reachable from the network; anyone who reaches it can set targets.</translation>
    </message>
    <message>
        <source>INDI-Client (Encoder)</source>
        <translation>INDI client (encoders)</translation>
    </message>
    <message>
        <source>INDI-Client ei&amp;n</source>
        <translation>&amp;INDI client on</translation>
    </message>
    <message>
        <source>&amp;Rechner:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort:</translation>
    </message>
    <message>
        <source>&amp;Gerät:</source>
        <translation>&amp;Device:</translation>
    </message>
    <message>
        <source>„%1“ ist keine IP-Adresse (z. B. 127.0.0.1).</source>
        <translation>“%1” is not an IP address (e.g. 127.0.0.1).</translation>
    </message>
    <message>
        <source>Beobachtungsliste</source>
        <translation>Observing list</translation>
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
    <message>
        <source>Abgleich &amp;mit dem Teleskop…</source>
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
        <source>INDI: Fehler bei %1 (%2)%3</source>
        <translation>INDI: error at %1 (%2)%3</translation>
    </message>
    <message>
        <source>INDI: keine Verbindung zu %1:%2 (%3), neuer Versuch in %4 s</source>
        <translation>INDI: no connection to %1:%2 (%3), retrying in %4 s</translation>
    </message>
    <message>
        <source>Abgleich nicht möglich: ein anderer Zeitpunkt ist gewählt (Optionen – Zeitpunkt: jetzt).</source>
        <translation>Sync not possible: another instant is chosen (Options – Instant: now).</translation>
    </message>
    <message>
        <source>      Modell %1cm: %2</source>
        <translation>      Model %1cm: %2</translation>
    </message>
    <message>
        <source> nach Norden</source>
        <translation> to the north</translation>
    </message>
    <message>
        <source> nach Osten</source>
        <translation> to the east</translation>
    </message>
    <message>
        <source> nach Süden</source>
        <translation> to the south</translation>
    </message>
    <message>
        <source> nach Westen</source>
        <translation> to the west</translation>
    </message>
    <message>
        <source>%1 Terme, RMS %2′</source>
        <translation>%1 terms, RMS %2′</translation>
    </message>
    <message>
        <source>1 Term, RMS %1′</source>
        <translation>1 term, RMS %1′</translation>
    </message>
    <message>
        <source>Im Feld · %1</source>
        <translation>In the field · %1</translation>
    </message>
    <message>
        <source>Noch %1</source>
        <translation>Still %1</translation>
    </message>
    <message>
        <source>%1: %2 gültige Zeilen, aber nur %3 verschiedene Körper – die Liste besteht überwiegend aus Wiederholungen (abgelehnt)</source>
        <translation>%1: %2 valid lines but only %3 distinct bodies – the list consists mostly of repeats (refused)</translation>
    </message>
    <message>
        <source>, %1 doppelte übersprungen</source>
        <translation>, %1 duplicates skipped</translation>
    </message>
    <message>
        <source>mehr als %1 Zwischenantworten (%2 %3) – abgelehnt</source>
        <translation>more than %1 interim answers (%2 %3) – refused</translation>
    </message>
    <message>
        <source>der Server meldet %1 %2, und seine Antwort ist länger als 64 KiB (abgelehnt)</source>
        <translation>the server reports %1 %2, and its answer is longer than 64 KiB (refused)</translation>
    </message>
    <message>
        <source>der Ordner %1 kann nicht angelegt werden: %2</source>
        <translation>the folder %1 cannot be created: %2</translation>
    </message>
    <message>
        <source>Übersprungen</source>
        <translation>Skipped</translation>
    </message>
    <message>
        <source>Suche abgebrochen.</source>
        <translation>Lookup stopped.</translation>
    </message>
    <message>
        <source>%1 ist gesperrt: ein anderes Programm schreibt seit %2 s daran</source>
        <translation>%1 is locked: another program has been writing to it for %2 s</translation>
    </message>
    <message>
        <source>%1 ist größer als %2 MB und wird nicht gelesen</source>
        <translation>%1 is larger than %2 MB and is not read</translation>
    </message>
    <message>
        <source>Eintrag für das Beobachtungsbuch ungültig: %1</source>
        <translation>Entry for the observing log is invalid: %1</translation>
    </message>
    <message>
        <source>&amp;Kataloge</source>
        <translation>&amp;Catalogues</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Stunde</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Diesen Tag gibt es nicht.</source>
        <translation>There is no such day.</translation>
    </message>
    <message>
        <source>PLANUNG %1</source>
        <translation>PLANNING %1</translation>
    </message>
    <message>
        <source>Stand %1 (%2)</source>
        <translation>As of %1 (%2)</translation>
    </message>
    <message>
        <source>Die Notiz verwerfen, ohne sie einzutragen?</source>
        <translation>Discard the note without entering it?</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>OAL 2.1 (*.xml)</source>
        <translation>OAL 2.1 (*.xml)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 gibt es schon. Die Datei ersetzen?</source>
        <translation>%1 already exists. Replace the file?</translation>
    </message>
    <message>
        <source>Ersetzen</source>
        <translation>Replace</translation>
    </message>
</context>
</TS>
