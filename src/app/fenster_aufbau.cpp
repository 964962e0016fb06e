// The layout of the main window: every control at its place, size, colour,
// font and design text, the menu tree, and the wiring of the handlers.
#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>

#include "app/einstellungen.hpp"
#include "app/fenster_beobachtbar.hpp"
#include "app/fenster_fehler.hpp"
#include "app/plattform.hpp"
#include "app/stelux_unit_main.hpp"
#include "pointing/instrument.hpp"

void TKlick_Label::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit Klick();
}

namespace {

// Colours of the window's scheme.
const QColor Schwarz(0, 0, 0);
const QColor Uhr_Grund(48, 48, 48);
const QColor Grau(128, 128, 128);
const QColor Dunkler_Schatten(64, 64, 64); // 3-D dark shadow
const QColor Weiss(255, 255, 255);
const QColor Oliv(128, 128, 0);
const QColor Fenstertext(0, 0, 0);
const QColor Kastanie(128, 0, 0);
const QColor Inaktiver_Titel(128, 128, 128);
const QColor Aktiver_Titel(10, 36, 106);
const QColor Geldgruen(192, 220, 192);

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

template <class T = QLabel>
T* Label(QWidget* eltern, const char* name, const char* text, int x, int y, int b, int h,
         const QColor& grund, const QColor& schrift, const QFont& font,
         Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignTop) {
    auto* l = new T(QString::fromUtf8(text), eltern);
    l->setObjectName(name);
    l->setGeometry(x, y, b, h);
    l->setFont(font);
    l->setAlignment(ausrichtung);
    Farben(l, grund, schrift);
    return l;
}

QPushButton* Knopf(QWidget* eltern, const char* name, const char* text, int x, int y, int b, int h,
                   const QFont& font) {
    auto* k = new QPushButton(QString::fromUtf8(text), eltern);
    k->setObjectName(name);
    k->setGeometry(x, y, b, h);
    k->setFont(font);
    k->setFocusPolicy(Qt::NoFocus); // typing stays in the edit box
    return k;
}

} // namespace

void TForm_Main::Aufbauen() {
    setObjectName("Form_Main");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(Schrift("MS Sans Serif", 13));
    flaeche_ = new QWidget(this);
    flaeche_->setObjectName("Client");
    flaeche_->setFixedSize(1018, 710);
    // Only the background: the buttons and menus keep the system's colours.
    QPalette grund = flaeche_->palette();
    grund.setColor(QPalette::Window, Schwarz);
    flaeche_->setPalette(grund);
    flaeche_->setAutoFillBackground(true);
    setCentralWidget(flaeche_);
    QWidget* f = flaeche_;

    // Clock area.
    const QFont uhr = Schrift("Arial", 25, true);
    const auto links = Qt::AlignLeft | Qt::AlignTop;
    Label12 = Label(f, "Label12", "PC Zeit", 181, 590, 100, 30, Uhr_Grund, Grau, uhr);
    Label_PC_Zeit =
        Label(f, "Label_PC_Zeit", "0000-00-00 00:00:00", 281, 590, 257, 30, Uhr_Grund, Grau, uhr);
    Label5 = Label(f, "Label5", "UT Zeit", 181, 620, 100, 30, Uhr_Grund, Grau, uhr);
    Label_UT_Zeit =
        Label(f, "Label_UT_Zeit", "0000-00-00 00:00:00", 281, 620, 257, 30, Uhr_Grund, Grau, uhr);
    Label3 = Label(f, "Label3", "GMST   ", 181, 650, 234, 30, Uhr_Grund, Grau, uhr,
                   Qt::AlignRight | Qt::AlignTop);
    Label_GMST = Label(f, "Label_GMST", "00:00:00", 416, 650, 123, 30, Uhr_Grund, Grau, uhr);
    Label2 = Label(f, "Label2", "Z.zone", 551, 590, 88, 30, Uhr_Grund, Grau, uhr);
    Label_ZeitZone = Label(f, "Label_ZeitZone", "UT+1h", 639, 590, 180, 30, Uhr_Grund, Grau, uhr);
    Label4 = Label(f, "Label4", "J.D.", 551, 620, 88, 30, Uhr_Grund, Grau, uhr);
    Label_JD = Label(f, "Label_JD", "2451545.0000", 639, 620, 180, 30, Uhr_Grund, Grau, uhr);
    Label1 = Label(f, "Label1", "LMST", 551, 650, 88, 30, Uhr_Grund, Grau, uhr);
    Label_LMST = Label(f, "Label_LMST", "00:00:00", 639, 650, 180, 30, Uhr_Grund, Grau, uhr);
    StatusBar1 = new QStatusBar(f);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setGeometry(0, 685, 1018, 25);
    StatusBar1->setSizeGripEnabled(false);
    Farben(StatusBar1, QColor(240, 240, 240), Fenstertext);

    // Object and pointing area.
    // The fixed font at the size where the longest caption fits its label.
    const QFont kreis = Schrift("8514oem", 23, true);
    const QFont zeile = Schrift("Fixedsys", 18, true);
    const auto rechts = Qt::AlignRight | Qt::AlignTop;
    const auto mitte = Qt::AlignHCenter | Qt::AlignTop;
    Label_Objekt = Label(f, "Label_Objekt", "Objekt-Bezeichnung (Alias; Distanz)", 1, 345, 1016, 42,
                         Dunkler_Schatten, Dunkler_Schatten, Schrift("Arial", 33),
                         Qt::AlignHCenter | Qt::AlignVCenter);
    Label_Deklination = Label(f, "Label_Deklination", "Deklination*", 181, 395, 196, 32,
                              Dunkler_Schatten, Grau, kreis);
    Label_DE_Raddeg = Label(f, "Label_DE_Raddeg", "+07", 377, 395, 55, 32, Dunkler_Schatten, Weiss,
                            kreis, rechts);
    Label14 = Label(f, "Label14", ".", 432, 397, 14, 30, Dunkler_Schatten, Weiss, kreis, mitte);
    Label13 = Label(f, "Label13", "°", 432, 395, 14, 22, Dunkler_Schatten, Weiss, kreis, mitte);
    Label13->setAttribute(Qt::WA_TranslucentBackground);
    Label13->setAutoFillBackground(false);
    Label_DE_Raddez =
        Label(f, "Label_DE_Raddez", "0", 446, 395, 68, 32, Dunkler_Schatten, Weiss, kreis);
    Label6 = Label(f, "Label6", "Stundenwinkel*", 181, 427, 196, 32, Dunkler_Schatten, Grau, kreis);
    Label_StdRadhrs =
        Label(f, "Label_StdRadhrs", "11", 377, 427, 55, 32, Dunkler_Schatten, Weiss, kreis, rechts);
    Label16 = Label(f, "Label16", "h", 431, 427, 17, 32, Dunkler_Schatten, Weiss, kreis, mitte);
    Label_StdRadmin = Label(f, "Label_StdRadmin", "51.4", 448, 427, 66, 32, Dunkler_Schatten, Weiss,
                            kreis, mitte);
    const QFont klein = Schrift("MS Sans Serif", 11, true);
    Button_DE_plus = Knopf(f, "Button_DE_plus", "+", 500, 397, 14, 14, klein);
    Button_DE_minus = Knopf(f, "Button_DE_minus", "-", 500, 413, 14, 14, klein);
    Button1 = Knopf(f, "Button1", "+", 378, 429, 14, 14, klein);
    Button2 = Knopf(f, "Button2", "-", 378, 445, 14, 14, klein);
    Label_Hoehe = Label(f, "Label_Hoehe", "Höhe", 517, 395, 141, 32, Dunkler_Schatten, Grau, kreis);
    Label_Height =
        Label(f, "Label_Height", "45.0°", 658, 395, 96, 32, Dunkler_Schatten, Weiss, kreis, rechts);
    Label17 = Label(f, "Label17", "", 754, 395, 65, 32, Dunkler_Schatten, Weiss, kreis, rechts);
    Label_Azimut =
        Label(f, "Label_Azimut", "Azimut", 517, 427, 141, 32, Dunkler_Schatten, Grau, kreis);
    Label_Azimuth = Label(f, "Label_Azimuth", "180.0°", 658, 427, 96, 32, Dunkler_Schatten, Weiss,
                          kreis, rechts);
    Label19 = Label(f, "Label19", "", 754, 427, 65, 32, Dunkler_Schatten, Weiss, kreis, rechts);
    Label_Luftmasse =
        Label(f, "Label_Luftmasse", "Luftmasse", 517, 459, 141, 32, Dunkler_Schatten, Grau, kreis);
    Label_AirMass = Label(f, "Label_AirMass", "1.000", 658, 459, 96, 32, Dunkler_Schatten, Weiss,
                          kreis, rechts);
    Label20 = Label(f, "Label20", "", 754, 459, 65, 32, Dunkler_Schatten, Weiss, kreis, rechts);
    Label_RA2000 = Label(f, "Label_RA2000", "RA(J2000) 00:00:00.0h", 181, 494, 230, 21, Oliv,
                         Fenstertext, zeile, links);
    Label_DE2000 = Label(f, "Label_DE2000", "DE(J2000) +00:00:00°", 411, 494, 230, 21, Oliv,
                         Fenstertext, zeile, links);
    Label_Con = Label(f, "Label_Con", "Con: ARI", 641, 494, 178, 21, Oliv, Fenstertext, zeile);
    Label_RAapp = Label(f, "Label_RAapp", "RA(appar) 00:00:00.0h", 181, 515, 230, 21, Oliv,
                        Fenstertext, zeile);
    Label_DEapp = Label(f, "Label_DEapp", "DE(appar) +00:00:00°", 411, 515, 230, 21, Oliv,
                        Fenstertext, zeile);
    Label_Typ = Label(f, "Label_Typ", "Typ: OCL", 641, 515, 178, 21, Oliv, Fenstertext, zeile);
    Label_Info = Label(f, "Label_Info", "", 181, 537, 638, 21, Oliv, Fenstertext, zeile);
    Label_Sichtbarkeit = Label(f, "Label_Sichtbarkeit", "", 1, 268, 1016, 30, Schwarz, Grau,
                               Schrift("Arial", 18, true), Qt::AlignCenter);
    Label_Hoehenmarke = Label(f, "Label_Hoehenmarke", "", 1, 304, 1016, 36, Schwarz,
                              QColor(255, 96, 96), Schrift("Arial", 24, true), Qt::AlignCenter);
    // The "+"/"-" buttons lie over the reading labels.
    for (QPushButton* k : {Button_DE_plus, Button_DE_minus, Button1, Button2}) k->raise();

    // Selection area: catalogue labels, list, keypad, edit box.
    const QFont katalog = Schrift("Arial", 23, true);
    const auto senkrecht = Qt::AlignLeft | Qt::AlignVCenter;
    const auto zentriert = Qt::AlignCenter;
    struct Katalog_Def {
        TKlick_Label** ziel;
        const char *name, *text;
        int x, y, b;
        Qt::Alignment a;
    };
    const Katalog_Def kataloge[] = {
        {&Label_Messier, "Label_Messier", "Messier", 3, 3, 172, senkrecht},
        {&Label_Planet, "Label_Planet", "Planet", 3, 36, 172, senkrecht},
        {&Label_Asteroid, "Label_Asteroid", "Asteroid", 3, 69, 172, senkrecht},
        {&Label_Variable, "Label_Variable", "Veränderlicher", 3, 102, 172, senkrecht},
        {&Label_Fotometrie, "Label_Fotometrie", "Fotometrie", 3, 135, 172, senkrecht},
        {&Label_Eigene, "Label_Eigene", "eigenes Objekt", 3, 168, 172, senkrecht},
        {&Label_Geosynchron, "Label_Geosynchron", "Geostat. Satell.", 3, 200, 172, senkrecht},
        {&Label_Komet, "Label_Komet", "Komet", 3, 232, 172, senkrecht},
        {&Label_SAO, "Label_SAO", "SAO", 727, 3, 68, zentriert},
        {&Label_HIP, "Label_HIP", "HIP", 798, 3, 68, zentriert},
        {&Label_NGC, "Label_NGC", "NGC", 875, 3, 68, zentriert},
        {&Label_IC, "Label_IC", "IC", 948, 3, 68, zentriert},
    };
    for (const auto& k : kataloge) {
        *k.ziel = Label<TKlick_Label>(f, k.name, k.text, k.x, k.y, k.b, 30, Kastanie,
                                      Inaktiver_Titel, katalog, k.a);
        (*k.ziel)->setCursor(Qt::PointingHandCursor);
    }

    Combo = new QComboBox(f);
    Combo->setObjectName("Combo");
    Combo->setEditable(false);
    Combo->setGeometry(177, 2, 325, 32);
    Combo->setMaxVisibleItems(25);
    Combo->setFont(Schrift("Arial Narrow", 20));
    Farben(Combo, Schwarz, Weiss);
    QPalette liste = Combo->palette();
    liste.setColor(QPalette::Button, Schwarz);
    Combo->setPalette(liste);
    // A plain drop-down list below the combo with 25 rows, not a popup centred on
    // the current entry that would cover the window and run off the screen.
    Combo->setStyleSheet("QComboBox { combobox-popup: 0; }");
    Combo->view()->setStyleSheet("QAbstractItemView { background: black; color: white; }"
                                 "QAbstractItemView::item { height: 24px; }");

    const QFont ziffer = Schrift("Arial", 23);
    const QFont buchstabe = Schrift("Arial", 20);
    const int spalten[3] = {728, 775, 822};
    for (int i = 1; i <= 9; ++i) {
        const QByteArray name = "Button_" + QByteArray::number(i);
        Ziffern[i] = Knopf(f, name.constData(), QByteArray::number(i).constData(),
                           spalten[(i - 1) % 3], 40 + 37 * ((i - 1) / 3), 45, 35, ziffer);
    }
    Ziffern[0] = Knopf(f, "Button_0", "0", 775, 151, 45, 35, ziffer);
    Button_Clear = Knopf(f, "Button_Clear", "CE", 728, 151, 45, 35, buchstabe);
    const int buchstaben_spalten[3] = {877, 924, 971};
    for (int i = 0; i < 6; ++i) {
        const char text[2] = {static_cast<char>('A' + i), 0};
        const QByteArray name = QByteArray("Button_") + text;
        Buchstaben[i] = Knopf(f, name.constData(), text, buchstaben_spalten[i % 3],
                              40 + 37 * (i / 3), 45, 35, buchstabe);
    }
    Button_Enter = Knopf(f, "Button_Enter", "Enter", 877, 151, 140, 35, Schrift("Arial", 27, true));

    Edit_Objekt = new QLineEdit("omi Cet", f);
    Edit_Objekt->setObjectName("Edit_Objekt");
    Edit_Objekt->setGeometry(512, 189, 505, 35);
    Edit_Objekt->setFont(Schrift("Arial Narrow", 27, true));
    Farben(Edit_Objekt, Aktiver_Titel, Geldgruen);
    Edit_Objekt->installEventFilter(this);

    // Panels.
    // A raised panel with its small image and its title.
    const auto panel = [&](const char* name, QRect lage, const char* bild, QLabel*& image,
                           const char* titel_name, const char* titel, int titel_breite,
                           QLabel*& titel_label) {
        auto* p = new QFrame(f);
        p->setObjectName(name);
        p->setFrameStyle(QFrame::Panel | QFrame::Raised);
        p->setGeometry(lage);
        Farben(p, QColor(240, 240, 240), Fenstertext);
        image = new QLabel("★", p);
        image->setObjectName(bild);
        image->setGeometry(8, 8, 32, 32);
        image->setFont(Schrift("Arial", 28));
        titel_label = new QLabel(titel, p);
        titel_label->setObjectName(titel_name);
        titel_label->setGeometry(48, 12, titel_breite, 24);
        titel_label->setFont(Schrift("Arial", 16, true));
        return p;
    };
    Panel_About = panel("Panel_About", QRect(651, 688, 345, 473), "Image1", Image1,
                        "Label_FInspektor", "Stelux Versions-Information", 290, Label_FInspektor);
    StringGrid_VersionsInfo = new QTableWidget(17, 2, Panel_About);
    StringGrid_VersionsInfo->setObjectName("StringGrid_VersionsInfo");
    StringGrid_VersionsInfo->setGeometry(6, 48, 333, 17 * 19 + 4);
    StringGrid_VersionsInfo->setFont(Schrift("Courier", 13, true));
    StringGrid_VersionsInfo->horizontalHeader()->hide();
    StringGrid_VersionsInfo->verticalHeader()->hide();
    StringGrid_VersionsInfo->setColumnWidth(0, 165);
    StringGrid_VersionsInfo->setColumnWidth(1, 165);
    for (int r = 0; r < 17; ++r) StringGrid_VersionsInfo->setRowHeight(r, 19);
    StringGrid_VersionsInfo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid_VersionsInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Button_About_OK = new QPushButton("OK", Panel_About);
    Button_About_OK->setObjectName("Button_About_OK");
    Button_About_OK->setGeometry(135, 473 - 45, 75, 30);

    Panel_SysInfo = panel("Panel_SysInfo", QRect(888, 688, 644, 578), "Image2", Image2, "Label7",
                          "Stelux System-Information", 400, Label7);
    Memo_SysInfo = new QPlainTextEdit(Panel_SysInfo);
    Memo_SysInfo->setObjectName("Memo_SysInfo");
    Memo_SysInfo->setGeometry(8, 48, 628, 480);
    Memo_SysInfo->setReadOnly(true);
    Memo_SysInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Button3 = new QPushButton("OK", Panel_SysInfo);
    Button3->setObjectName("Button3");
    Button3->setGeometry(284, 578 - 42, 75, 30);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(200);
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(500);

    Menue_Aufbauen();
    Vorschlaege_Einrichten();

    // Wiring: every entry from the event loop runs through the error guard.
    const auto bei = [this](auto* sender, auto signal, void (TForm_Main::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { Fehler_Waechter([&] { (this->*handler)(); }); });
    };
    bei(Timer1, &QTimer::timeout, &TForm_Main::Timer1Timer);
    bei(Timer2, &QTimer::timeout, &TForm_Main::Timer2Timer);
    bei(Button_DE_plus, &QPushButton::clicked, &TForm_Main::Button_DE_plusClick);
    bei(Button_DE_minus, &QPushButton::clicked, &TForm_Main::Button_DE_minusClick);
    bei(Button1, &QPushButton::clicked, &TForm_Main::Button1Click);
    bei(Button2, &QPushButton::clicked, &TForm_Main::Button2Click);
    bei(Button_Clear, &QPushButton::clicked, &TForm_Main::Button_ClearClick);
    bei(Button_Enter, &QPushButton::clicked, &TForm_Main::Button_EnterClick);
    bei(Button_About_OK, &QPushButton::clicked, &TForm_Main::Button_About_OKClick);
    bei(Button3, &QPushButton::clicked, &TForm_Main::Button3Click);
    void (TForm_Main::*const tasten[16])() = {
        &TForm_Main::Button_0Click, &TForm_Main::Button_1Click, &TForm_Main::Button_2Click,
        &TForm_Main::Button_3Click, &TForm_Main::Button_4Click, &TForm_Main::Button_5Click,
        &TForm_Main::Button_6Click, &TForm_Main::Button_7Click, &TForm_Main::Button_8Click,
        &TForm_Main::Button_9Click, &TForm_Main::Button_AClick, &TForm_Main::Button_BClick,
        &TForm_Main::Button_CClick, &TForm_Main::Button_DClick, &TForm_Main::Button_EClick,
        &TForm_Main::Button_FClick};
    for (int i = 0; i < 10; ++i) bei(Ziffern[i], &QPushButton::clicked, tasten[i]);
    for (int i = 0; i < 6; ++i) bei(Buchstaben[i], &QPushButton::clicked, tasten[10 + i]);
    const std::pair<TKlick_Label*, void (TForm_Main::*)()> labels[] = {
        {Label_Messier, &TForm_Main::Label_MessierClick},
        {Label_Planet, &TForm_Main::Label_PlanetClick},
        {Label_Asteroid, &TForm_Main::Label_AsteroidClick},
        {Label_Variable, &TForm_Main::Label_VariableClick},
        {Label_Fotometrie, &TForm_Main::Label_FotometrieClick},
        {Label_Eigene, &TForm_Main::Label_EigeneClick},
        {Label_Geosynchron, &TForm_Main::Label_GeosynchronClick},
        {Label_Komet, &TForm_Main::Label_KometClick},
        {Label_SAO, &TForm_Main::Label_SAOClick},
        {Label_HIP, &TForm_Main::Label_HIPClick},
        {Label_NGC, &TForm_Main::Label_NGCClick},
        {Label_IC, &TForm_Main::Label_ICClick}};
    for (const auto& [label, handler] : labels) bei(label, &TKlick_Label::Klick, handler);
    // Only a pick by the observer fires the change, not an index set by the program.
    connect(Combo, &QComboBox::activated, this,
            [this] { Fehler_Waechter([&] { ComboChange(); }); });
}

void TForm_Main::Menue_Aufbauen() {
    QMenuBar* leiste = menuBar();
    leiste->setObjectName("MainMenu1");
    leiste->setNativeMenuBar(false);
    File1 = leiste->addMenu("&Datei");
    File1->setObjectName("File1");
    Bahnelemente1 = File1->addAction(QString::fromUtf8("Bahnelemente aktualisieren…"));
    Bahnelemente1->setObjectName("Bahnelemente1");
    Exit1 = File1->addAction("&Schliessen");
    Exit1->setObjectName("Exit1");
    Instrument1 = leiste->addMenu(
        QString::fromUtf8(Caption_Schmidt_Kamera.data(), Caption_Schmidt_Kamera.size()));
    Instrument1->setObjectName("Instrument1");
    Instrument2 = Instrument1->addAction(
        QString::fromUtf8(Caption_Cassegrain.data(), Caption_Cassegrain.size()));
    Instrument2->setObjectName("Instrument2");
    Option1 = leiste->addMenu("&Optionen");
    Option1->setObjectName("Option1");
    Zehntelsekunden = Option1->addAction("&Zehntelsekunden");
    Zehntelsekunden->setObjectName("Zehntelsekunden");
    Zehntelsekunden->setCheckable(true);
    AsteroidenSort = Option1->addAction("Asteroiden nach Helligkeit sortieren");
    AsteroidenSort->setObjectName("AsteroidenSort");
    AsteroidenSort->setCheckable(true);
    KometenSort = Option1->addAction("Kometen nach Helligkeit sortieren");
    KometenSort->setObjectName("KometenSort");
    KometenSort->setCheckable(true);
    Refraktion1 = Option1->addAction(QString::fromUtf8("Refraktion berücksichtigen"));
    Refraktion1->setObjectName("Refraktion1");
    Refraktion1->setCheckable(true);
    Aufsuchkarte1 = Option1->addAction("&Aufsuchkarte");
    Aufsuchkarte1->setObjectName("Aufsuchkarte1");
    Aufsuchkarte1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    Nachtmodus1 = Option1->addAction("&Nachtmodus");
    Nachtmodus1->setObjectName("Nachtmodus1");
    Nachtmodus1->setCheckable(true);
    Nachtmodus1->setShortcut(QKeySequence(Qt::Key_F9));
    Zeitpunkt1 = Option1->addAction(QString::fromUtf8("Zeitpunkt wählen…"));
    Zeitpunkt1->setObjectName("Zeitpunkt1");
    Zeitpunkt_Jetzt1 = Option1->addAction("Zeitpunkt: jetzt");
    Zeitpunkt_Jetzt1->setObjectName("Zeitpunkt_Jetzt1");
    Zeitpunkt_Jetzt1->setEnabled(false);
    Beobachtbar_Menue(this, Option1);
    N1 = leiste->addSeparator();
    N1->setObjectName("N1");
    Eigene1 = leiste->addAction("&Edit Eigene");
    Eigene1->setObjectName("Eigene1");
    N2 = leiste->addSeparator();
    N2->setObjectName("N2");
    Hilfe1 = leiste->addMenu("&Hilfe");
    Hilfe1->setObjectName("Hilfe1");
    Handbuch1 = Hilfe1->addAction("Stelux Handbuch");
    Handbuch1->setObjectName("Handbuch1");
    SystemInformation1 = Hilfe1->addAction("System-Infos");
    SystemInformation1->setObjectName("SystemInformation1");
    N3 = Hilfe1->addSeparator();
    N3->setObjectName("N3");
    Version2 = Hilfe1->addAction("Versions-Infos");
    Version2->setObjectName("Version2");

    const auto bei = [this](QAction* a, void (TForm_Main::*handler)()) {
        connect(a, &QAction::triggered, this,
                [this, handler] { Fehler_Waechter([&] { (this->*handler)(); }); });
    };
    bei(Exit1, &TForm_Main::Exit1Click);
    bei(Bahnelemente1, &TForm_Main::Bahnelemente1Click);
    bei(Instrument2, &TForm_Main::Instrument2Click);
    // Each option is remembered as the observer sets it.
    const auto merken = [this](QAction* a, const char* schluessel) {
        connect(a, &QAction::triggered, this, [a, schluessel] {
            Fehler_Waechter([&] { Einstellung_Schreiben(schluessel, a->isChecked()); });
        });
    };
    merken(Zehntelsekunden, Einstellung_Zehntelsekunden);
    merken(AsteroidenSort, Einstellung_Asteroiden_Sort);
    merken(KometenSort, Einstellung_Kometen_Sort);
    bei(Zehntelsekunden, &TForm_Main::ZehntelsekundenClick);
    bei(AsteroidenSort, &TForm_Main::AsteroidenSortClick);
    bei(KometenSort, &TForm_Main::KometenSortClick);
    bei(Refraktion1, &TForm_Main::RefraktionClick);
    bei(Aufsuchkarte1, &TForm_Main::Aufsuchkarte1Click);
    bei(Nachtmodus1, &TForm_Main::NachtmodusClick);
    bei(Zeitpunkt1, &TForm_Main::ZeitpunktClick);
    bei(Zeitpunkt_Jetzt1, &TForm_Main::Zeitpunkt_JetztClick);
    bei(Eigene1, &TForm_Main::Eigene1Click);
    bei(Handbuch1, &TForm_Main::Handbuch1Click);
    bei(SystemInformation1, &TForm_Main::SystemInformation1Click);
    bei(Version2, &TForm_Main::Version2Click);
}
