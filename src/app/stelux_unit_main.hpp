#pragma once
// The main window: every display and control of the program, the menus, the
// two timers and the handlers. The observing state is the window's Sitzung;
// the handlers pass the entry and the clock to it and copy its result texts
// into the widgets.
#include <QDateTime>
#include <QLabel>
#include <QMainWindow>
#include <functional>

#include "bedienung/cli_schluessel.hpp"
#include "bedienung/sitzung.hpp"
#include "catalog/namen_suche.hpp"
#include "catalog/namen_vorschlaege.hpp"
#include "catalog/such_kontext.hpp"
#include "catalog/verlauf.hpp"
#include "shared/versions_info.hpp"

class QAction;
class QKeyEvent;
class QComboBox;
class QFrame;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTableWidget;
class QTimer;
class Bahnelemente_Laden;
struct Aktualisierungs_Auftrag;
class TForm_Karte;
class TForm_Beobachtbar;
class Teleskop_Server;
enum class Teleskop_Protokoll;
class TForm_Buch;
class TForm_Liste;
class Indi_Verbindung;

// A label that reacts to a click (mouse button released over it).
class TKlick_Label : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void Klick();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// What the window is started with: its folders, each ending with '/', and the
// version information of the program file.
struct Fenster_Start {
    std::string Temp_Ordner;
    std::string Programm_Ordner;
    std::string Daten_Ordner;
    TFileVersionInfo Versions_Info;
    // Telescope link switches of this run ("[ADRESSE:]PORT", "HOST[:PORT]/GERAET");
    // empty: as the settings say.
    std::string Lx200, Stellarium, Indi;
    // The clock from the first tick on (tests give a fixed instant); empty: the PC's.
    std::function<QDateTime()> Uhr;
};

class TForm_Main : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window from its control table and runs Beim_Start.
    explicit TForm_Main(const Fenster_Start& start);

    // The observing session; the window shows its display record.
    Sitzung Zustand;
    const TFileVersionInfo Versions_Info;

    // The clock the ticks read (tests set a fixed instant).
    std::function<QDateTime()> Jetzt = [] { return QDateTime::currentDateTime(); };

    // Counts for the stop paths: the parameter file is written once per run.
    int Parameter_Schreibvorgaenge = 0;
    int Schliessen_Aufrufe = 0;

    // The two ticks: the clock (5 or 10 times a second) and the positions (twice).
    void Uhr_Takt();
    void Positions_Takt();
    // Enter: the entry's text, unless it is empty or a lone letter (the
    // displayed object then stays).
    void Eingabe_Bestaetigen();
    // The one way an object is selected: Enter, a suggestion, Return in a
    // catalogue list and "Jetzt beobachtbar" all come here. The readings of
    // the new selection are on screen when it returns. False after a miss.
    // `ersatz`, when given, is looked up if `eingabe` names nothing. `ziel`,
    // when given, is a J2000 place sent by the telescope link, selected instead
    // of any text (the entry box and the history stay as they are).
    bool Objekt_Waehlen(const std::string& eingabe, const std::string& ersatz = {},
                        const Himmelsort* ziel = nullptr);
    // The telescope link's server of a protocol (fenster_teleskop.cpp), and
    // starting it on address:port (0: any free port), with a message on failure.
    Teleskop_Server* Teleskop(Teleskop_Protokoll art) const;
    bool Teleskop_Server_Starten(Teleskop_Protokoll art, const QString& adresse, quint16 port);
    // An observing list (UTF-8 path) in its window, as "Beobachtungsliste
    // öffnen…" opens it after the file dialog.
    void Liste_Laden(const std::string& pfad);
    // Planning instant: the window runs on from a chosen local date and time
    // (1900-2100) as if it were now. False, with a message, when refused.
    bool Zeitpunkt_Setzen(const QDateTime& lokal);
    bool Planung() const { return Zustand.Planung(); }
    // True when the 40 cm Schmidt camera is the current instrument.
    bool Schmidt_Aktuell() const;
    // The window becomes the active one: the caret at the end of the entry.
    void Beim_Aktivieren();
    // The element download alone, without asking for the addresses (tests).
    // When it is done the files are installed and the tables reloaded.
    void Bahnelemente_Laden_Starten(const Aktualisierungs_Auftrag& auftrag);
    bool Bahnelemente_Laeuft() const;
    // The telescope's encoders through INDI (fenster_indi.cpp): the client is
    // started with its settings and stopped; while it runs the push-to line is
    // shown four times a second.
    void Indi_Starten(const Indi_Einstellung& einstellung);
    // The encoder client as --indi or the settings ask for it (or none).
    void Indi_Verbinden();
    void Indi_Beenden();
    // The telescope's place of date from the encoders; not Gueltig without a
    // connection that reports one (the LX200 server's :GR#/:GD# answer with it).
    Encoder_Ort Indi_Ort() const;
    // "Abgleich": after the observer confirms, the telescope's offset from the
    // selected object becomes the current instrument's correction.
    bool Abgleichen();

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    // Build-up, start and stop.
    void Aufbauen();
    void Menue_Aufbauen();
    void Tipps_Setzen(); // the tooltips
    void Beim_Start();
    void Beim_Schliessen();
    void Beenden(); // "Datei > Schliessen"
    void Stop_Schreiben();
    // Writes the parameter file after a change (instrument, corrections) and
    // at the session's end; a failure is shown once, when `melden`.
    void Parameter_Sichern(bool melden = true);
    void Elemente_Laden(); // start-up: element tables and their brightness
    void Optionen_Laden();

    // Menu commands.
    void Instrument_Wechseln();
    void Instrument_Menue(); // the two captions from the current instrument
    void Zehntel_Umschalten();
    void Asteroiden_Ordnen();
    void Kometen_Ordnen();
    void Refraktion_Umschalten();
    void Refraktion_Anzeigen();
    void Nachtmodus_Umschalten();
    // "Optionen > Sprache": remembered, in effect at the next start.
    void Sprache_Umschalten(bool englisch);
    void Nachtmodus_Anzeigen();
    // "Optionen > Nachthelligkeit": the steps of night mode, dimmer and
    // brighter by key, remembered.
    void Nachthelligkeit_Menue();
    void Nachthelligkeit_Setzen(int stufe);
    void Zeitpunkt_Erfragen(); // asks for the date and time
    void Zeitpunkt_Jetzt();    // back to the present
    void Uhrfarbe_Setzen();
    void Karte_Zeigen();       // the finder chart window (Ctrl+K)
    void Beobachtbar_Zeigen(); // "Jetzt beobachtbar" (F8)
    // The planned instant in words ("PLANUNG Mittwoch, …"), empty at the
    // present; the side windows show it in their titles and over their content.
    QString Planung_Worte() const;
    void Nebenfenster_Planung();
    QDateTime planung_lokal_;  // the chosen local instant
    void Abgleich_Zeigen();    // "Abgleich…": sightings and the pointing model (Ctrl+G)
    void Zeigemodelle_Laden(); // start-up: both model files, a damaged one said once
    // Observing lists and the log (fenster_listen.cpp).
    void Listen_Menue_Aufbauen();
    void Liste_Erfragen();  // "Datei > Beobachtungsliste öffnen…"
    void Notieren();        // "Notieren" (Ctrl+N)
    void Buch_Zeigen();     // "Datei > Beobachtungsbuch…"
    void Handbuch_Zeigen(); // the manual in a window of the program (F1)
    void Handbuch_Farben(); // its table lines in the mode's colours
    void Eigene_Bearbeiten();
    void Systeminfo_Zeigen();
    void Systeminfo_Schliessen();
    void Versionsinfo_Zeigen();
    void Versionsinfo_Schliessen();
    void Bahnelemente_Erfragen();
    void Bahnelemente_Fertig(Bahnelemente_Laden* laden, bool ok, const QString& meldung);
    // Telescope link (fenster_teleskop.cpp): servers at start, the dialog
    // "Optionen > Teleskop-Verbindung…", the clients in the status bar, a target.
    void Teleskop_Einrichten(const Fenster_Start& start);
    void Teleskop_Verbindung_Zeigen();
    void Teleskop_Status();
    Ziel_Rueckmeldung Teleskop_Ziel(const Himmelsort& j2000, const QString& absender);
    // One rule for every question of the window: a target that arrives while
    // a modal dialog or question is open waits, and is selected (said beside
    // the clients) once the last one has closed; a later target replaces it.
    // So a question saves what it named when it opened.
    bool Frage_Offen() const;
    void Wartendes_Ziel_Pruefen();
    // Held while a question is open beyond its box (the sync: until it is saved).
    class Frage_Halter {
    public:
        explicit Frage_Halter(TForm_Main& f) : f_(f) { ++f_.fragen_; }
        ~Frage_Halter() {
            --f_.fragen_;
            f_.Wartendes_Ziel_Pruefen();
        }
        Frage_Halter(const Frage_Halter&) = delete;
        Frage_Halter& operator=(const Frage_Halter&) = delete;

    private:
        TForm_Main& f_;
    };
    int fragen_ = 0;
    std::optional<Himmelsort> wartendes_ziel_;
    std::string wartender_absender_; // its sender, for the name
    QTimer* ziel_warten_ = nullptr;  // looks for the end of the questions while a target waits
    QTimer* ziel_hinweis_ = nullptr; // how long "taken after the dialog" stays
    QString ziel_text_;              // waiting or taken, beside the clients

    // The correction buttons: one 0.1 step of the current instrument's field.
    void Korrektur_Schritt_Machen(Korrektur_Schritt schritt);
    void DE_Plus() { Korrektur_Schritt_Machen(Korrektur_Schritt::DE_Plus); }
    void DE_Minus() { Korrektur_Schritt_Machen(Korrektur_Schritt::DE_Minus); }
    void SW_Plus() { Korrektur_Schritt_Machen(Korrektur_Schritt::SW_Plus); }
    void SW_Minus() { Korrektur_Schritt_Machen(Korrektur_Schritt::SW_Minus); }

    // Entry, keypad and catalogue lists.
    void Anzeige_Zeigen(const Anzeige& anzeige);    // the display record into the widgets
    void Modell_Zeigen(const Positions_Anzeige& a); // the pointing model beside the readings
    // The fields whose object name is a key of the display table, found once
    // after the build-up; each tick writes those of its area.
    struct Anzeige_Feld {
        QLabel* Label;
        const Cli_Schluessel* Schluessel;
    };
    std::vector<Anzeige_Feld> anzeige_felder_;
    void Anzeige_Felder_Finden();
    void Felder_Zeigen(const Anzeige& anzeige, Anzeige_Bereich bereich);
    void Zeichen_Taste(QChar zeichen); // a key of the keypad appends its caption
    void Eingabe_Loeschen();
    void Eingabe_Ende();
    void Eingabe_Fokus();                             // typing goes on in the entry box
    bool Eingabe_Taste(QKeyEvent* k);                 // a key pressed in the entry box; true: taken
    bool Vorschlag_Taste(QKeyEvent* k);               // the same while the suggestions are open
    bool Listen_Taste(QObject* objekt, QKeyEvent* k); // Return in a catalogue list
    void Suffix_Tasten(bool sichtbar);
    void Liste_Oeffnen(char buchstabe, QLabel* label); // a catalogue label with a list
    void Liste_Schliessen();              // Escape: the entry as before the list, with the keyboard
    void Nummern_Katalog(char buchstabe); // SAO, HIP, NGC, IC
    void Listeneintrag_Uebernehmen();     // the picked list entry into the entry box
    void Panel_Zeigen(QFrame* panel, QPushButton* ok);
    void Panel_Schliessen(QFrame* panel);

    // Suggestions under the entry box while typing (fenster_vorschlaege.cpp).
    void Vorschlaege_Einrichten(); // the list, at window build-up
    void Vorschlaege_Laden();      // the names index, after the element tables
    void Vorschlaege_Zeigen();
    void Vorschlag_Waehlen(int zeile);
    void Vorschlaege_Schliessen();
    // Return with the suggestions open: the typed text when it names an
    // object, else the highlighted suggestion (the first when none is).
    // Under "Meinten Sie:" only a highlighted one is taken.
    void Vorschlag_Bestaetigen();
    void Meinten_Sie_Zeigen(const std::vector<Vorschlag>& vorschlaege); // after a miss
    // The list filled from angezeigt_, under a heading ("Meinten Sie:") when one is given.
    void Vorschlaege_Liste_Fuellen(const QString& ueberschrift);
    Such_Kontext Kontext() { return Zustand.Kontext(); }

    // The controls, each found by its object name from the control table.
    // Clock area.
    QLabel *Label12, *Label_PC_Zeit, *Label5, *Label_UT_Zeit, *Label3, *Label_GMST;
    QLabel *Label2, *Label_ZeitZone, *Label4, *Label_JD, *Label1, *Label_LMST;
    QStatusBar* StatusBar1;
    QLabel* Label_Planung = nullptr; // the band over the clocks at a planned instant
    // Object and pointing area.
    QLabel *Label_Objekt, *Label_Deklination, *Label_DE_Raddeg, *Label13, *Label14,
        *Label_DE_Raddez;
    QPushButton *Button_DE_plus, *Button_DE_minus, *Button1, *Button2;
    QLabel *Label6, *Label_StdRadhrs, *Label16, *Label_StdRadmin;
    QLabel *Label_Hoehe, *Label_Height, *Label17, *Label_Azimut, *Label_Azimuth, *Label19;
    QLabel *Label_Luftmasse, *Label_AirMass, *Label20;
    QLabel* Label_Modell = nullptr; // "Modell 60cm · 9 Terme · RMS 0.8′" while it is applied
    // The black band above the object line: the under-20° marker and the
    // visibility of the selected object.
    QLabel *Label_Hoehenmarke, *Label_Sichtbarkeit;
    QLabel* Label_Nacht = nullptr; // the night's timetable
    QLabel *Label_RA2000, *Label_DE2000, *Label_Con, *Label_RAapp, *Label_DEapp, *Label_Typ,
        *Label_Info;
    // Selection area.
    TKlick_Label *Label_Messier, *Label_Planet, *Label_Asteroid, *Label_Variable, *Label_Fotometrie,
        *Label_Eigene, *Label_Geosynchron, *Label_Komet;
    TKlick_Label *Label_SAO, *Label_HIP, *Label_NGC, *Label_IC;
    QComboBox* Combo;
    QPushButton* Ziffern[10];   // Button_0 .. Button_9
    QPushButton* Buchstaben[6]; // Button_A .. Button_F
    QPushButton *Button_Clear, *Button_Enter;
    QLineEdit* Edit_Objekt;
    QListWidget* Liste_Vorschlaege = nullptr; // up to 12 suggestions, never focused
    // Panels and timers.
    QFrame* Panel_About;
    QLabel *Image1, *Label_FInspektor;
    QTableWidget* StringGrid_VersionsInfo;
    QPushButton* Button_About_OK;
    QFrame* Panel_SysInfo;
    QLabel *Image2, *Label7;
    QPlainTextEdit* Memo_SysInfo;
    QPushButton* Button3;
    QTimer *Timer1, *Timer2;
    // Menu.
    QMenu *File1, *Instrument1, *Option1, *Sprache1, *Hilfe1;
    QMenu* Kataloge1 = nullptr; // the catalogue lists by key (Ctrl+1 .. Ctrl+8)
    QAction *Bahnelemente1, *Exit1, *Instrument2, *Zehntelsekunden, *AsteroidenSort, *KometenSort,
        *Refraktion1, *Aufsuchkarte1, *Nachtmodus1, *Zeitpunkt1, *Zeitpunkt_Jetzt1, *Beobachtbar1,
        *N1, *Eigene1, *N2, *Handbuch1, *SystemInformation1, *N3, *Version2, *Deutsch1, *English1;
    QAction* Abgleich1 = nullptr; // "Optionen > Abgleich…"
    QMenu* Nachthelligkeit1 = nullptr;
    QAction *Dunkler1 = nullptr, *Heller1 = nullptr;
    std::vector<QAction*> nacht_stufen_; // "Stufe 1" .. the brightest
    // Secondary windows, made when first asked for.
    TForm_Karte* Form_Karte = nullptr;
    TForm_Beobachtbar* Form_Beobachtbar = nullptr;
    QAction *Liste1 = nullptr, *Notieren1 = nullptr, *Buch1 = nullptr;
    TForm_Liste* Form_Liste = nullptr;
    TForm_Buch* Form_Buch = nullptr;
    QWidget* Form_Handbuch = nullptr;

    bool vorschlaege_geladen_ = false;
    std::vector<Vorschlag> angezeigt_; // the suggestions in the list
    bool meinten_sie_ = false;         // the list is "Meinten Sie:", its first row the heading
    QString eingabe_vor_liste_;        // the entry before a catalogue list opened

    const std::string temp_ordner_, programm_ordner_; // for the system information
    QWidget* flaeche_ = nullptr;
    Verlauf verlauf_;                       // the confirmed entries, Up/Down in the entry box
    bool parameter_unvollstaendig_ = false; // the start-up read of the parameter file failed
    bool beendet_ = false;                  // the menu stop ran: no second write
    bool sichern_gemeldet_ = false;         // a failed save after a change was shown
    bool aktiviert_ = false;                // Beim_Aktivieren has run
    // The INDI client and what it shows (fenster_indi.cpp).
    void Indi_Aufbauen();
    void Push_To_Takt();
    void Indi_Status_Zeigen();
    Indi_Verbindung* indi_ = nullptr;
    QTimer* push_to_takt_ = nullptr;
    QLabel *Label_PushTo = nullptr, *Label_Indi = nullptr;
    QAction* Teleskop_Abgleich1 = nullptr; // "Optionen > Abgleich mit dem Teleskop…" (encoders)
    Bahnelemente_Laden* laden_ = nullptr;  // a running element download
    Teleskop_Server *lx200_ = nullptr, *binaer_ = nullptr;
    QLabel* Label_Teleskop = nullptr; // connected clients, in the status bar
    QAction* Teleskop1 = nullptr;     // "Optionen > Teleskop-Verbindung…"
    std::string indi_schalter_;       // --indi of this run, for the encoder client
    std::string ziel_absender_;       // the sender of the target being selected, if from outside
};
