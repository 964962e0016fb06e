#pragma once
// The main window: every display and control of the program, the menus, the
// two timers and the handlers. The observing state is the window's Sitzung;
// the handlers pass the entry and the clock to it and copy its result texts
// into the widgets.
#include <QDateTime>
#include <QLabel>
#include <QMainWindow>
#include <functional>

#include "bedienung/sitzung.hpp"
#include "catalog/namen_suche.hpp"
#include "catalog/namen_vorschlaege.hpp"
#include "catalog/such_kontext.hpp"
#include "catalog/verlauf.hpp"
#include "shared/versions_info.hpp"

class QAction;
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
};

class TForm_Main : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window from its layout and runs FormCreate.
    explicit TForm_Main(const Fenster_Start& start);

    // The observing state; the window shows it.
    Sitzung Zustand;
    const TFileVersionInfo Versions_Info;

    // The clock the ticks read (tests set a fixed instant).
    std::function<QDateTime()> Jetzt = [] { return QDateTime::currentDateTime(); };

    // Counts for the stop paths: the parameter file is written once per run.
    int Parameter_Schreibvorgaenge = 0;
    int FormClose_Aufrufe = 0;

    // Handlers.
    void FormCreate();
    void FormActivate();
    void FormClose();
    void Exit1Click();
    void ZehntelsekundenClick();
    void RefraktionClick();
    void Optionen_Laden();
    void Refraktion_Anzeigen();
    void NachtmodusClick();
    // Planning instant: the window runs on from a chosen local date and time
    // (1900-2100) as if it were now. False, with a message, when refused.
    bool Zeitpunkt_Setzen(const QDateTime& lokal);
    void ZeitpunktClick();       // asks for the date and time
    void Zeitpunkt_JetztClick(); // back to the present
    bool Planung() const { return Zustand.Planung(); }
    void Nachtmodus_Anzeigen();
    void Timer1Timer();
    void Timer2Timer();
    void Instrument2Click();
    void Button_DE_plusClick();
    void Button_DE_minusClick();
    void Button1Click();
    void Button2Click();
    // The sixteen character keys append their caption.
    void Zeichen_Taste(QChar zeichen);
    void Button_0Click() { Zeichen_Taste('0'); }
    void Button_1Click() { Zeichen_Taste('1'); }
    void Button_2Click() { Zeichen_Taste('2'); }
    void Button_3Click() { Zeichen_Taste('3'); }
    void Button_4Click() { Zeichen_Taste('4'); }
    void Button_5Click() { Zeichen_Taste('5'); }
    void Button_6Click() { Zeichen_Taste('6'); }
    void Button_7Click() { Zeichen_Taste('7'); }
    void Button_8Click() { Zeichen_Taste('8'); }
    void Button_9Click() { Zeichen_Taste('9'); }
    void Button_AClick() { Zeichen_Taste('A'); }
    void Button_BClick() { Zeichen_Taste('B'); }
    void Button_CClick() { Zeichen_Taste('C'); }
    void Button_DClick() { Zeichen_Taste('D'); }
    void Button_EClick() { Zeichen_Taste('E'); }
    void Button_FClick() { Zeichen_Taste('F'); }
    void Button_ClearClick();
    void Button_EnterClick();
    void Edit_ObjektKeyUp(int taste);
    // The eight catalogue labels with a list, and the four of numbered catalogues.
    void Liste_Oeffnen(char buchstabe, QLabel* label);
    void Nummern_Katalog(char buchstabe);
    void Label_MessierClick() { Liste_Oeffnen('M', Label_Messier); }
    void Label_PlanetClick() { Liste_Oeffnen('P', Label_Planet); }
    void Label_AsteroidClick() { Liste_Oeffnen('A', Label_Asteroid); }
    void Label_VariableClick() { Liste_Oeffnen('V', Label_Variable); }
    void Label_FotometrieClick() { Liste_Oeffnen('F', Label_Fotometrie); }
    void Label_EigeneClick() { Liste_Oeffnen('E', Label_Eigene); }
    void Label_GeosynchronClick() { Liste_Oeffnen('G', Label_Geosynchron); }
    void Label_KometClick() { Liste_Oeffnen('K', Label_Komet); }
    void Label_SAOClick() { Nummern_Katalog('S'); }
    void Label_HIPClick() { Nummern_Katalog('H'); }
    void Label_NGCClick() { Nummern_Katalog('N'); }
    void Label_ICClick() { Nummern_Katalog('I'); }
    void ComboChange();
    // Suggestions under the entry box while typing (fenster_vorschlaege.cpp).
    void Vorschlaege_Zeigen();
    void Vorschlag_Waehlen(int zeile);
    void Vorschlaege_Schliessen();
    void AsteroidenSortClick();
    void KometenSortClick();
    void Aufsuchkarte1Click(); // opens the finder chart window
    void Handbuch1Click();
    void Eigene1Click();
    void SystemInformation1Click();
    void Version2Click();
    void Button_About_OKClick();
    void Button3Click();

    // True when the 40 cm Schmidt camera is the current instrument.
    bool Schmidt_Aktuell() const;

    // Clock area.
    QLabel *Label12, *Label_PC_Zeit, *Label5, *Label_UT_Zeit, *Label3, *Label_GMST;
    QLabel *Label2, *Label_ZeitZone, *Label4, *Label_JD, *Label1, *Label_LMST;
    QStatusBar* StatusBar1;
    // Object and pointing area.
    QLabel *Label_Objekt, *Label_Deklination, *Label_DE_Raddeg, *Label13, *Label14,
        *Label_DE_Raddez;
    QPushButton *Button_DE_plus, *Button_DE_minus, *Button1, *Button2;
    QLabel *Label6, *Label_StdRadhrs, *Label16, *Label_StdRadmin;
    QLabel *Label_Hoehe, *Label_Height, *Label17, *Label_Azimut, *Label_Azimuth, *Label19;
    QLabel *Label_Luftmasse, *Label_AirMass, *Label20;
    // The black band above the object line: the under-20° marker and the
    // visibility of the selected object.
    QLabel *Label_Hoehenmarke, *Label_Sichtbarkeit;
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
    QMenu *File1, *Instrument1, *Option1, *Hilfe1;
    QAction* Refraktion1 = nullptr;
    QAction *Exit1, *Instrument2, *Zehntelsekunden, *AsteroidenSort, *KometenSort, *N1, *Eigene1,
        *N2, *Handbuch1, *SystemInformation1, *N3, *Version2;
    QAction* Aufsuchkarte1;
    QAction* Nachtmodus1 = nullptr; // F9, also while typing
    QAction *Zeitpunkt1 = nullptr, *Zeitpunkt_Jetzt1 = nullptr;
    TForm_Karte* Form_Karte = nullptr;
    TForm_Beobachtbar* Form_Beobachtbar = nullptr; // "Jetzt beobachtbar" (F8)

    // "Datei > Bahnelemente aktualisieren…": asks for the two addresses, then
    // downloads with a progress dialog; the download alone starts with
    // Bahnelemente_Laden_Starten (tests). Fertig: installed, tables reloaded.
    QAction* Bahnelemente1 = nullptr;
    void Bahnelemente1Click();
    void Bahnelemente_Laden_Starten(const Aktualisierungs_Auftrag& auftrag);
    bool Bahnelemente_Laeuft() const;

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void Aufbauen();
    void Menue_Aufbauen();
    void Stop_Schreiben();
    // Writes the parameter file after a change (instrument, corrections) and
    // at the session's end; a failure is shown once, when `melden`.
    void Parameter_Sichern(bool melden = true);
    void Suffix_Tasten(bool sichtbar);
    void Eingabe_Ende();
    void Elemente_Laden(); // start-up: element tables and their brightness
    void Bahnelemente_Fertig(Bahnelemente_Laden* laden, bool ok, const QString& meldung);
    Such_Kontext Kontext() { return Zustand.Kontext(); }
    void Instrument_Menue();       // the two captions from the current instrument
    void Vorschlaege_Einrichten(); // the list and its keys, at window build-up
    void Vorschlaege_Laden();      // the names index, after the element tables

    Vorschlags_Index vorschlaege_;
    bool vorschlaege_geladen_ = false;
    std::vector<Vorschlag> angezeigt_; // the suggestions in the list

    const std::string temp_ordner_, programm_ordner_; // for the system information
    QWidget* flaeche_ = nullptr;
    Verlauf verlauf_; // the confirmed entries, Up/Down in the entry box
    void Uhrfarbe_Setzen();
    bool parameter_unvollstaendig_ = false; // the start-up read of the parameter file failed
    bool beendet_ = false;                  // the menu stop ran: no second write
    bool sichern_gemeldet_ = false;         // a failed save after a change was shown
    bool aktiviert_ = false;                // FormActivate has run
    Bahnelemente_Laden* laden_ = nullptr;   // a running element download
};
