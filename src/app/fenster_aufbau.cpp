// The main window built from its control table (fenster_tabelle.cpp), the
// menu tree, and the wiring of the handlers.
#include <QAbstractItemView>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <stdexcept>
#include <string>

#include "app/einstellungen.hpp"
#include "app/fenster_fehler.hpp"
#include "app/fenster_nachtmodus.hpp"
#include "app/fenster_neben.hpp"
#include "app/fenster_sprache.hpp"
#include "app/fenster_tabelle.hpp"
#include "app/plattform.hpp"
#include "app/stelux_unit_main.hpp"
#include "pointing/instrument.hpp"

void TKlick_Label::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit Klick();
}

namespace {

QColor Qt_Farbe(Design_Farbe f) {
    return QColor(f.r, f.g, f.b);
}

Qt::Alignment Qt_Ausrichtung(Ausrichtung a) {
    switch (a) {
    case Ausrichtung::Links_Oben:
        return Qt::AlignLeft | Qt::AlignTop;
    case Ausrichtung::Rechts_Oben:
        return Qt::AlignRight | Qt::AlignTop;
    case Ausrichtung::Mitte_Oben:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Ausrichtung::Links_Mitte:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case Ausrichtung::Mitte:
        return Qt::AlignCenter;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

void Farben(QWidget* w, const QColor& grund, const QColor& schrift) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, grund);
    p.setColor(QPalette::Base, grund);
    p.setColor(QPalette::WindowText, schrift);
    p.setColor(QPalette::Text, schrift);
    p.setColor(QPalette::ButtonText, schrift);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// The control of a row, with what its kind always has.
QWidget* Erzeugen(const Steuerelement& s, QWidget* eltern) {
    // Captions in the window's language; sample readings have no translation.
    const QString text = s.text ? Ue(s.text) : QString();
    switch (s.art) {
    case Steuer_Art::Label:
        return new QLabel(text, eltern);
    case Steuer_Art::Klick_Label: {
        auto* l = new TKlick_Label(text, eltern);
        l->setCursor(Qt::PointingHandCursor);
        return l;
    }
    case Steuer_Art::Taste: {
        auto* k = new QPushButton(text, eltern);
        k->setFocusPolicy(Qt::NoFocus); // typing stays in the edit box
        return k;
    }
    case Steuer_Art::Knopf:
        return new QPushButton(text, eltern);
    case Steuer_Art::Statuszeile: {
        auto* z = new QStatusBar(eltern);
        z->setSizeGripEnabled(false);
        return z;
    }
    case Steuer_Art::Auswahl: {
        auto* c = new QComboBox(eltern);
        c->setEditable(false);
        c->setMaxVisibleItems(25);
        return c;
    }
    case Steuer_Art::Eingabe:
        return new QLineEdit(text, eltern);
    case Steuer_Art::Tafel: {
        auto* p = new QFrame(eltern);
        p->setFrameStyle(QFrame::Panel | QFrame::Raised);
        return p;
    }
    case Steuer_Art::Gitter: {
        constexpr int zeilen = 17;
        auto* g = new QTableWidget(zeilen, 2, eltern);
        g->horizontalHeader()->hide();
        g->verticalHeader()->hide();
        g->setColumnWidth(0, 165);
        g->setColumnWidth(1, 165);
        for (int r = 0; r < zeilen; ++r) g->setRowHeight(r, 19);
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
        g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return g;
    }
    case Steuer_Art::Notizfeld: {
        auto* m = new QPlainTextEdit(eltern);
        m->setReadOnly(true);
        m->setLineWrapMode(QPlainTextEdit::NoWrap);
        return m;
    }
    }
    return nullptr;
}

// Every row of the table in its order, each under its parent.
void Steuerelemente_Erzeugen(QWidget* flaeche) {
    for (const Steuerelement& s : Fenster_Tabelle()) {
        QWidget* eltern = s.eltern ? flaeche->findChild<QWidget*>(s.eltern) : flaeche;
        if (!eltern) throw std::logic_error(std::string("parent before its child: ") + s.name);
        QWidget* w = Erzeugen(s, eltern);
        w->setObjectName(s.name);
        w->setGeometry(s.x, s.y, s.b, s.h);
        if (s.font.familie) w->setFont(Schrift(s.font.familie, s.font.pixel, s.font.fett));
        if (auto* l = qobject_cast<QLabel*>(w)) l->setAlignment(Qt_Ausrichtung(s.ausrichtung));
        if (s.grund.gesetzt()) Farben(w, Qt_Farbe(s.grund), Qt_Farbe(s.schrift));
        if (s.durchsichtig) {
            w->setAttribute(Qt::WA_TranslucentBackground);
            w->setAutoFillBackground(false);
        }
    }
}

// The control of an object name, for its member pointer.
template <class T> void Binden(QWidget* flaeche, T*& ziel, const char* name) {
    ziel = flaeche->findChild<T*>(name);
    if (!ziel) throw std::logic_error(std::string("no control ") + name);
}

} // namespace

void TForm_Main::Aufbauen() {
    setObjectName("Form_Main");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(Schrift("MS Sans Serif", 13));
    Nachtstil_Einrichten();
    // Disabled texts of the style are too faint to read (under 2 : 1): a grey
    // that keeps 3 : 1 on the light grounds and stays below the enabled black.
    QPalette app = QApplication::palette();
    for (const auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        app.setColor(QPalette::Disabled, rolle, QColor(120, 120, 120));
    // White on the style's light blue selection is 3.7 : 1: a deeper blue.
    for (const auto gruppe : {QPalette::Active, QPalette::Inactive})
        app.setColor(gruppe, QPalette::Highlight, QColor(0, 84, 160));
    if (!Nachtmodus_Aktiv()) QApplication::setPalette(app);
    flaeche_ = new QWidget(this);
    flaeche_->setObjectName("Client");
    flaeche_->setFixedSize(Flaeche_Breite, Flaeche_Hoehe);
    // Only the background: the buttons and menus keep the system's colours.
    QPalette grund = flaeche_->palette();
    grund.setColor(QPalette::Window, Qt::black);
    flaeche_->setPalette(grund);
    flaeche_->setAutoFillBackground(true);
    setCentralWidget(flaeche_);
    QWidget* f = flaeche_;
    Steuerelemente_Erzeugen(f);

#define STELUX_BINDEN(m) Binden(f, m, #m)
    STELUX_BINDEN(Label12);
    STELUX_BINDEN(Label_PC_Zeit);
    STELUX_BINDEN(Label5);
    STELUX_BINDEN(Label_UT_Zeit);
    STELUX_BINDEN(Label3);
    STELUX_BINDEN(Label_GMST);
    STELUX_BINDEN(Label2);
    STELUX_BINDEN(Label_ZeitZone);
    STELUX_BINDEN(Label4);
    STELUX_BINDEN(Label_JD);
    STELUX_BINDEN(Label1);
    STELUX_BINDEN(Label_LMST);
    STELUX_BINDEN(StatusBar1);
    STELUX_BINDEN(Label_Objekt);
    STELUX_BINDEN(Label_Deklination);
    STELUX_BINDEN(Label_DE_Raddeg);
    STELUX_BINDEN(Label13);
    STELUX_BINDEN(Label14);
    STELUX_BINDEN(Label_DE_Raddez);
    STELUX_BINDEN(Button_DE_plus);
    STELUX_BINDEN(Button_DE_minus);
    STELUX_BINDEN(Button1);
    STELUX_BINDEN(Button2);
    STELUX_BINDEN(Label6);
    STELUX_BINDEN(Label_StdRadhrs);
    STELUX_BINDEN(Label16);
    STELUX_BINDEN(Label_StdRadmin);
    STELUX_BINDEN(Label_Hoehe);
    STELUX_BINDEN(Label_Height);
    STELUX_BINDEN(Label17);
    STELUX_BINDEN(Label_Azimut);
    STELUX_BINDEN(Label_Azimuth);
    STELUX_BINDEN(Label19);
    STELUX_BINDEN(Label_Luftmasse);
    STELUX_BINDEN(Label_AirMass);
    STELUX_BINDEN(Label20);
    STELUX_BINDEN(Label_Modell);
    STELUX_BINDEN(Label_Hoehenmarke);
    STELUX_BINDEN(Label_Planung);
    STELUX_BINDEN(Label_Sichtbarkeit);
    STELUX_BINDEN(Label_Nacht);
    STELUX_BINDEN(Label_RA2000);
    STELUX_BINDEN(Label_DE2000);
    STELUX_BINDEN(Label_Con);
    STELUX_BINDEN(Label_RAapp);
    STELUX_BINDEN(Label_DEapp);
    STELUX_BINDEN(Label_Typ);
    STELUX_BINDEN(Label_Info);
    STELUX_BINDEN(Label_Messier);
    STELUX_BINDEN(Label_Planet);
    STELUX_BINDEN(Label_Asteroid);
    STELUX_BINDEN(Label_Variable);
    STELUX_BINDEN(Label_Fotometrie);
    STELUX_BINDEN(Label_Eigene);
    STELUX_BINDEN(Label_Geosynchron);
    STELUX_BINDEN(Label_Komet);
    STELUX_BINDEN(Label_SAO);
    STELUX_BINDEN(Label_HIP);
    STELUX_BINDEN(Label_NGC);
    STELUX_BINDEN(Label_IC);
    STELUX_BINDEN(Combo);
    STELUX_BINDEN(Button_Clear);
    STELUX_BINDEN(Button_Enter);
    STELUX_BINDEN(Edit_Objekt);
    STELUX_BINDEN(Panel_About);
    STELUX_BINDEN(Image1);
    STELUX_BINDEN(Label_FInspektor);
    STELUX_BINDEN(StringGrid_VersionsInfo);
    STELUX_BINDEN(Button_About_OK);
    STELUX_BINDEN(Panel_SysInfo);
    STELUX_BINDEN(Image2);
    STELUX_BINDEN(Label7);
    STELUX_BINDEN(Memo_SysInfo);
    STELUX_BINDEN(Button3);
#undef STELUX_BINDEN
    for (int i = 0; i < 10; ++i) Binden(f, Ziffern[i], ("Button_" + std::to_string(i)).c_str());
    for (int i = 0; i < 6; ++i)
        Binden(f, Buchstaben[i], (std::string("Button_") + static_cast<char>('A' + i)).c_str());

    // The drop-down list: a plain list below the combo with 25 rows, not a
    // popup centred on the current entry that would cover the window and run
    // off the screen.
    QPalette liste = Combo->palette();
    liste.setColor(QPalette::Button, Qt::black);
    Combo->setPalette(liste);
    Combo->setStyleSheet("QComboBox { combobox-popup: 0; }");
    Combo->view()->setStyleSheet("QAbstractItemView { background: black; color: white; }"
                                 "QAbstractItemView::item { height: 24px; }");
    // The keys of the entry box, the catalogue list and the two panels.
    Edit_Objekt->installEventFilter(this);
    Combo->installEventFilter(this);
    Combo->view()->installEventFilter(this);
    for (QFrame* panel : {Panel_About, Panel_SysInfo}) {
        panel->installEventFilter(this);
        for (QWidget* w : panel->findChildren<QWidget*>()) w->installEventFilter(this);
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(200);
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(500);

    Nacht_Invers(Label_Planung);

    Menue_Aufbauen();
    Vorschlaege_Einrichten();

    // Wiring: every entry from the event loop runs through the error guard.
    const auto bei = [this](auto* sender, auto signal, void (TForm_Main::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { Fehler_Waechter([&] { (this->*handler)(); }); });
    };
    bei(Timer1, &QTimer::timeout, &TForm_Main::Uhr_Takt);
    bei(Timer2, &QTimer::timeout, &TForm_Main::Positions_Takt);
    bei(Button_DE_plus, &QPushButton::clicked, &TForm_Main::DE_Plus);
    bei(Button_DE_minus, &QPushButton::clicked, &TForm_Main::DE_Minus);
    bei(Button1, &QPushButton::clicked, &TForm_Main::SW_Plus);
    bei(Button2, &QPushButton::clicked, &TForm_Main::SW_Minus);
    bei(Button_Clear, &QPushButton::clicked, &TForm_Main::Eingabe_Loeschen);
    bei(Button_Enter, &QPushButton::clicked, &TForm_Main::Eingabe_Bestaetigen);
    bei(Button_About_OK, &QPushButton::clicked, &TForm_Main::Versionsinfo_Schliessen);
    bei(Button3, &QPushButton::clicked, &TForm_Main::Systeminfo_Schliessen);
    // The keypad appends its captions; a catalogue label opens its list or
    // puts its kind letter into the entry box.
    const auto bei_klick = [this](auto* sender, auto signal, auto schritt) {
        connect(sender, signal, this, [schritt] { Fehler_Waechter(schritt); });
    };
    for (QPushButton* k : Ziffern)
        bei_klick(k, &QPushButton::clicked, [this, k] { Zeichen_Taste(k->text().at(0)); });
    for (QPushButton* k : Buchstaben)
        bei_klick(k, &QPushButton::clicked, [this, k] { Zeichen_Taste(k->text().at(0)); });
    const std::pair<TKlick_Label*, char> listen[] = {
        {Label_Messier, 'M'},     {Label_Planet, 'P'},     {Label_Asteroid, 'A'},
        {Label_Variable, 'V'},    {Label_Fotometrie, 'F'}, {Label_Eigene, 'E'},
        {Label_Geosynchron, 'G'}, {Label_Komet, 'K'}};
    for (const auto& [label, buchstabe] : listen)
        bei_klick(label, &TKlick_Label::Klick,
                  [this, l = label, b = buchstabe] { Liste_Oeffnen(b, l); });
    const std::pair<TKlick_Label*, char> nummern[] = {
        {Label_SAO, 'S'}, {Label_HIP, 'H'}, {Label_NGC, 'N'}, {Label_IC, 'I'}};
    for (const auto& [label, buchstabe] : nummern)
        bei_klick(label, &TKlick_Label::Klick, [this, b = buchstabe] { Nummern_Katalog(b); });
    // Only a pick by the observer fires the change, not an index set by the program.
    connect(Combo, &QComboBox::activated, this,
            [this] { Fehler_Waechter([&] { Listeneintrag_Uebernehmen(); }); });
}

void TForm_Main::Menue_Aufbauen() {
    QMenuBar* leiste = menuBar();
    leiste->setObjectName("MainMenu1");
    leiste->setNativeMenuBar(false);
    File1 = leiste->addMenu(Ue("&Datei"));
    File1->setObjectName("File1");
    Bahnelemente1 = File1->addAction(Ue("Bahnelemente aktualisieren…"));
    Bahnelemente1->setObjectName("Bahnelemente1");
    Exit1 = File1->addAction(Ue("&Schliessen"));
    Exit1->setObjectName("Exit1");
    // Each catalogue list by key as by a click on its label.
    Kataloge1 = leiste->addMenu(Ue("&Kataloge"));
    Kataloge1->setObjectName("Kataloge1");
    const std::pair<TKlick_Label*, char> listen[] = {
        {Label_Messier, 'M'},     {Label_Planet, 'P'},     {Label_Asteroid, 'A'},
        {Label_Variable, 'V'},    {Label_Fotometrie, 'F'}, {Label_Eigene, 'E'},
        {Label_Geosynchron, 'G'}, {Label_Komet, 'K'}};
    int taste = Qt::Key_1;
    for (const auto& [label, buchstabe] : listen) {
        QAction* a = Kataloge1->addAction(label->text());
        a->setObjectName(QString("Liste_") + buchstabe);
        a->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(taste++)));
        connect(a, &QAction::triggered, this, [this, l = label, b = buchstabe] {
            activateWindow();
            Fehler_Waechter([&] { Liste_Oeffnen(b, l); });
        });
    }
    Instrument1 = leiste->addMenu(Ue(std::string(Caption_Schmidt_Kamera).c_str()));
    Instrument1->setObjectName("Instrument1");
    Instrument2 = Instrument1->addAction(Ue(std::string(Caption_Cassegrain).c_str()));
    Instrument2->setObjectName("Instrument2");
    Option1 = leiste->addMenu(Ue("&Optionen"));
    Option1->setObjectName("Option1");
    Zehntelsekunden = Option1->addAction(Ue("&Zehntelsekunden"));
    Zehntelsekunden->setObjectName("Zehntelsekunden");
    Zehntelsekunden->setCheckable(true);
    AsteroidenSort = Option1->addAction(Ue("Asteroiden nach Helligkeit sortieren"));
    AsteroidenSort->setObjectName("AsteroidenSort");
    AsteroidenSort->setCheckable(true);
    KometenSort = Option1->addAction(Ue("Kometen nach Helligkeit sortieren"));
    KometenSort->setObjectName("KometenSort");
    KometenSort->setCheckable(true);
    Refraktion1 = Option1->addAction(Ue("Refraktion berücksichtigen"));
    Refraktion1->setObjectName("Refraktion1");
    Refraktion1->setCheckable(true);
    Aufsuchkarte1 = Option1->addAction(Ue("&Aufsuchkarte"));
    Aufsuchkarte1->setObjectName("Aufsuchkarte1");
    Aufsuchkarte1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    Nachtmodus1 = Option1->addAction(Ue("&Nachtmodus"));
    Nachtmodus1->setObjectName("Nachtmodus1");
    Nachtmodus1->setCheckable(true);
    Nachtmodus1->setShortcut(QKeySequence(Qt::Key_F9));
    Nachthelligkeit_Menue();
    Zeitpunkt1 = Option1->addAction(Ue("Zeitpunkt wählen…"));
    Zeitpunkt1->setObjectName("Zeitpunkt1");
    Zeitpunkt_Jetzt1 = Option1->addAction(Ue("Zeitpunkt: jetzt"));
    Zeitpunkt_Jetzt1->setObjectName("Zeitpunkt_Jetzt1");
    Zeitpunkt_Jetzt1->setEnabled(false);
    Beobachtbar1 = Option1->addAction(Ue("Jetzt &beobachtbar"));
    Beobachtbar1->setObjectName("Beobachtbar1");
    Beobachtbar1->setShortcut(QKeySequence(Qt::Key_F8));
    Abgleich1 = Option1->addAction(Ue("Ab&gleich…"));
    Abgleich1->setObjectName("Abgleich1");
    Abgleich1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    Teleskop1 = Option1->addAction(Ue("&Teleskop-Verbindung…"));
    Teleskop1->setObjectName("Teleskop1");
    Sprache1 = Option1->addMenu(Ue("&Sprache"));
    Sprache1->setObjectName("Sprache1");
    Deutsch1 = Sprache1->addAction("Deutsch");
    Deutsch1->setObjectName("Deutsch1");
    English1 = Sprache1->addAction("English");
    English1->setObjectName("English1");
    auto* sprachen = new QActionGroup(Sprache1);
    for (QAction* a : {Deutsch1, English1}) {
        a->setCheckable(true);
        sprachen->addAction(a);
    }
    (Sprache_Aktiv() == Sprache::Englisch ? English1 : Deutsch1)->setChecked(true);
    connect(Deutsch1, &QAction::triggered, this, [this] { Sprache_Umschalten(false); });
    connect(English1, &QAction::triggered, this, [this] { Sprache_Umschalten(true); });
    N1 = leiste->addSeparator();
    N1->setObjectName("N1");
    Eigene1 = leiste->addAction(Ue("&Edit Eigene"));
    Eigene1->setObjectName("Eigene1");
    N2 = leiste->addSeparator();
    N2->setObjectName("N2");
    Hilfe1 = leiste->addMenu(Ue("&Hilfe"));
    Hilfe1->setObjectName("Hilfe1");
    Handbuch1 = Hilfe1->addAction(Ue("Stelux Handbuch"));
    Handbuch1->setObjectName("Handbuch1");
    Handbuch1->setShortcut(QKeySequence(Qt::Key_F1));
    SystemInformation1 = Hilfe1->addAction(Ue("System-Infos"));
    SystemInformation1->setObjectName("SystemInformation1");
    N3 = Hilfe1->addSeparator();
    N3->setObjectName("N3");
    Version2 = Hilfe1->addAction(Ue("Versions-Infos"));
    Version2->setObjectName("Version2");

    // After a menu command typing goes on in the entry box of the main
    // window, which is active again after a dialog; not after a command that
    // opens a window of its own or a panel with its OK button.
    // A key pressed in a side window leaves the keyboard there.
    const auto bei = [this](QAction* a, void (TForm_Main::*handler)(), bool zurueck = true) {
        connect(a, &QAction::triggered, this, [this, handler, zurueck] {
            const QWidget* vorher = QApplication::activeWindow();
            Fehler_Waechter([&] { (this->*handler)(); });
            if (!zurueck || (vorher && vorher != this)) return;
            activateWindow();
            Eingabe_Fokus();
        });
    };
    bei(Exit1, &TForm_Main::Beenden, false);
    bei(Bahnelemente1, &TForm_Main::Bahnelemente_Erfragen);
    bei(Instrument2, &TForm_Main::Instrument_Wechseln);
    // Each option is remembered as the observer sets it.
    const auto merken = [this](QAction* a, const char* schluessel) {
        connect(a, &QAction::triggered, this, [a, schluessel] {
            Fehler_Waechter([&] { Einstellung_Schreiben(schluessel, a->isChecked()); });
        });
    };
    merken(Zehntelsekunden, Einstellung_Zehntelsekunden);
    merken(AsteroidenSort, Einstellung_Asteroiden_Sort);
    merken(KometenSort, Einstellung_Kometen_Sort);
    bei(Zehntelsekunden, &TForm_Main::Zehntel_Umschalten);
    bei(AsteroidenSort, &TForm_Main::Asteroiden_Ordnen);
    bei(KometenSort, &TForm_Main::Kometen_Ordnen);
    bei(Refraktion1, &TForm_Main::Refraktion_Umschalten);
    bei(Aufsuchkarte1, &TForm_Main::Karte_Zeigen, false);
    bei(Nachtmodus1, &TForm_Main::Nachtmodus_Umschalten);
    bei(Zeitpunkt1, &TForm_Main::Zeitpunkt_Erfragen);
    bei(Zeitpunkt_Jetzt1, &TForm_Main::Zeitpunkt_Jetzt);
    bei(Beobachtbar1, &TForm_Main::Beobachtbar_Zeigen, false);
    bei(Abgleich1, &TForm_Main::Abgleich_Zeigen);
    bei(Teleskop1, &TForm_Main::Teleskop_Verbindung_Zeigen);
    bei(Eigene1, &TForm_Main::Eigene_Bearbeiten, false); // an editor of its own
    bei(Handbuch1, &TForm_Main::Handbuch_Zeigen, false);
    bei(SystemInformation1, &TForm_Main::Systeminfo_Zeigen, false);
    bei(Version2, &TForm_Main::Versionsinfo_Zeigen, false);
    Listen_Menue_Aufbauen();
    Indi_Aufbauen();
    Tipps_Setzen();
    // The menu's keys act from every window of the program; F9 also in a
    // dialog that holds the keyboard (the night must not wait for OK).
    for (QAction* a : findChildren<QAction*>())
        if (!a->shortcut().isEmpty()) a->setShortcutContext(Qt::ApplicationShortcut);
    Dialog_Tasten_Einrichten(this, {Nachtmodus1});
}

void TForm_Main::Tipps_Setzen() {
    const auto tipp = [](QWidget* w, const char* text) { w->setToolTip(Ue(text)); };
    for (int i = 0; i < 10; ++i)
        Ziffern[i]->setToolTip(Ue("Ziffer %1 an die Eingabe anhängen").arg(i));
    for (int i = 0; i < 6; ++i)
        Buchstaben[i]->setToolTip(Ue("Zusatzbuchstaben %1 anhängen (NGC, IC)").arg(QChar('A' + i)));
    tipp(Button_Clear, "Eingabe löschen");
    tipp(Button_Enter, "Objekt der Eingabe suchen und anzeigen (Eingabetaste)");
    tipp(Button_DE_plus, "Deklinationskorrektur des Instruments um 0.1° erhöhen");
    tipp(Button_DE_minus, "Deklinationskorrektur des Instruments um 0.1° verringern");
    tipp(Button1, "Stundenwinkelkorrektur des Instruments um 0.1 min erhöhen");
    tipp(Button2, "Stundenwinkelkorrektur des Instruments um 0.1 min verringern");
    tipp(Button_About_OK, "Schließen (Eingabetaste oder Esc)");
    tipp(Button3, "Schließen (Eingabetaste oder Esc)");
    // A command with a key says its key.
    for (QAction* a : menuBar()->findChildren<QAction*>())
        if (!a->shortcut().isEmpty())
            a->setToolTip(a->text().remove('&') + " (" +
                          a->shortcut().toString(QKeySequence::NativeText) + ")");
    for (QMenu* m : menuBar()->findChildren<QMenu*>()) m->setToolTipsVisible(true);
}
