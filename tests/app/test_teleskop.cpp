// The telescope link against the running window: a real LX200 client
// (indiserver with indi_lx200basic), the binary protocol, and hostile clients.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/teleskop_server.hpp"
#include "hilfen.hpp"
#include "shared/konstanten.hpp"

namespace {
constexpr double Bogensekunde = 1.0 / 3600.0;
// M13 of the small test catalogue: 16h41m41.4s +36d27'37".
const Himmelsort M13{16 + 41.0 / 60 + 41.4 / 3600, 36 + 27.0 / 60 + 37.0 / 3600};

QString Objektzeile(const TForm_Main& f) {
    return Steuer<QLabel>(f, "Label_Objekt")->text();
}

// A port free on every address, also of connections still in TIME_WAIT
// (bound without SO_REUSEADDR, as indiserver binds).
quint16 Freier_Port() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_ANY);
    socklen_t n = sizeof a;
    quint16 port = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &n) == 0)
        port = ntohs(a.sin_port);
    close(s);
    return port;
}

// Runs a program to its end while the window's event loop keeps serving.
QString Ausfuehren(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    if (!QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 15000)) p.kill();
    return QString::fromUtf8(p.readAllStandardOutput());
}

long Rss_KiB() {
    long seiten = 0, rss = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &seiten, &rss) != 2) rss = 0;
        std::fclose(f);
    }
    return rss * 4;
}

// An indiserver with one LX200 driver on a free port and its own local
// socket (another indiserver on the machine holds the default one), the
// driver's configuration under the test's home.
struct Indi_Lx200 {
    QProcess server;
    QString port, geraet;
    QString Lesen(const QString& was) const {
        return Ausfuehren(QStandardPaths::findExecutable("indi_getprop"),
                          {"-p", port, "-t", "1", geraet + "." + was});
    }
    void Setzen(const QString& was) const {
        Ausfuehren(QStandardPaths::findExecutable("indi_setprop"),
                   {"-p", port, geraet + "." + was});
    }
    // The driver's place of date; false while it is not there.
    bool Ort(double& ra, double& de) const {
        ra = de = -100;
        for (const QString& z : Lesen("EQUATORIAL_EOD_COORD.*").split('\n')) {
            if (z.contains(".RA=")) ra = z.section('=', 1).toDouble();
            if (z.contains(".DEC=")) de = z.section('=', 1).toDouble();
        }
        return ra > -100 && de > -100;
    }
    ~Indi_Lx200() {
        server.terminate();
        if (!server.waitForFinished(5000)) server.kill();
    }
};

// Starts `treiber`; the device name is what the driver calls itself.
bool Indi_Starten(Indi_Lx200& t, const QString& treiber, const std::string& heim) {
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("HOME", QString::fromStdString(heim));
    umgebung.insert("XDG_CONFIG_HOME", QString::fromStdString(heim + ".config"));
    t.server.setProcessEnvironment(umgebung);
    // A free port may be taken by another test before indiserver binds it:
    // then it ends at once, and another port is tried.
    for (int versuch = 0; versuch < 5; ++versuch) {
        t.port = QString::number(Freier_Port());
        t.server.start(QStandardPaths::findExecutable("indiserver"),
                       {"-p", t.port, "-u",
                        QString::fromStdString(heim + "indi_" + t.port.toStdString()), treiber});
        if (!t.server.waitForStarted()) return false;
        QString zeile;
        (void)QTest::qWaitFor(
            [&] {
                zeile = Ausfuehren(QStandardPaths::findExecutable("indi_getprop"),
                                   {"-p", t.port, "-t", "1", "*.CONNECTION.CONNECT"});
                return t.server.state() == QProcess::NotRunning || zeile.contains("CONNECT=");
            },
            30000);
        if (t.server.state() == QProcess::Running) {
            t.geraet = zeile.section(".CONNECTION", 0, 0).trimmed();
            return !t.geraet.isEmpty();
        }
    }
    return false;
}
} // namespace

// The window on the program's own clock: a fixed instant, never the PC's.
struct Teleskop_Test : Fenster_Test {
    static QDateTime Fest() {
        return QDateTime(QDate(2026, 12, 7), QTime(21, 0), QTimeZone::utc());
    }
    void SetUp() override {
        Fenster_Test::SetUp();
        f->Jetzt = Fest;
        f->Uhr_Takt();
    }
};

TEST_F(Teleskop_Test, Lx200_Treiber_Fahren_Und_Gleichen_Ab) {
    if (QStandardPaths::findExecutable("indiserver").isEmpty() ||
        QStandardPaths::findExecutable("indi_lx200generic").isEmpty())
        GTEST_SKIP() << "indi-bin is not installed";
    // M13 high in the sky; a place at -60 degrees never rises here.
    f->Jetzt = [] { return QDateTime(QDate(2026, 12, 7), QTime(11, 0), QTimeZone::utc()); };
    f->Uhr_Takt();
    ASSERT_TRUE(f->Teleskop_Server_Starten(Teleskop_Protokoll::LX200, "127.0.0.1", 0));
    const quint16 lx200 = f->Teleskop(Teleskop_Protokoll::LX200)->Port();
    const Himmelsort m13 = J2000_Zu_Datum(M13, f->Zustand.JD_PC());
    for (const char* treiber : {"indi_lx200basic", "indi_lx200generic"}) {
        SCOPED_TRACE(treiber);
        Indi_Lx200 t;
        ASSERT_TRUE(Indi_Starten(t, treiber, o.pfad))
            << t.server.readAllStandardError().toStdString();
        t.Setzen("CONNECTION_MODE.CONNECTION_TCP=On");
        t.Setzen(QString("DEVICE_ADDRESS.ADDRESS;PORT=127.0.0.1;%1").arg(lx200));
        QElapsedTimer uhr;
        uhr.start();
        t.Setzen("CONNECTION.CONNECT=On");
        // Every query of the connect answered: well below the drivers' 5 s wait.
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return t.Lesen("CONNECTION.CONNECT").contains("=On"); }, 30000));
        const qint64 ms = uhr.elapsed();
        std::printf("%s verbunden nach %lld ms (mit indi_getprop-Abfragen)\n", treiber,
                    static_cast<long long>(ms));
        EXPECT_LT(ms, 15000);
        // Below the horizon, then above, then a sync; whole seconds as the
        // drivers send them. Each read back to 1" and the state Ok.
        struct Schritt {
            Himmelsort Ort;
            bool Sync;
            const char* Zeile;
        };
        const Schritt schritte[] = {
            {{6.5 + 13.0 / 3600, -(60.0 + 15.0 / 60 + 7.0 / 3600)}, false, ""},
            {m13, false, "Ziel von außen · M13"},
            {{m13.RA + 20.0 / 3600, m13.DE - 0.01}, true, "Ziel von außen · M13"}};
        for (const Schritt& s : schritte) {
            const double ra = std::round(s.Ort.RA * 3600) / 3600,
                         de = std::round(s.Ort.DE * 3600) / 3600;
            t.Setzen(s.Sync ? "ON_COORD_SET.SYNC=On" : "ON_COORD_SET.TRACK=On");
            t.Setzen(
                QString("EQUATORIAL_EOD_COORD.RA;DEC=%1;%2").arg(ra, 0, 'f', 9).arg(de, 0, 'f', 9));
            double ra_z = 0, de_z = 0;
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    return t.Ort(ra_z, de_z) && std::fabs(ra_z - ra) < Bogensekunde / 15 &&
                           std::fabs(de_z - de) < Bogensekunde &&
                           t.Lesen("EQUATORIAL_EOD_COORD._STATE").contains("=Ok");
                },
                30000))
                << ra_z << " " << de_z << " "
                << t.Lesen("EQUATORIAL_EOD_COORD._STATE").toStdString();
            EXPECT_TRUE(Objektzeile(*f).startsWith("Ziel von außen"))
                << Objektzeile(*f).toStdString();
            if (*s.Zeile) {
                EXPECT_EQ(Objektzeile(*f), s.Zeile);
            }
        }
        t.Setzen("CONNECTION.DISCONNECT=On");
    }
}

TEST_F(Teleskop_Test, Binaerer_Goto_Waehlt_Und_Position_Kommt_Zurueck) {
    ASSERT_TRUE(f->Teleskop_Server_Starten(Teleskop_Protokoll::Binaer, "127.0.0.1", 0));
    QTcpSocket c;
    c.connectToHost(QHostAddress::LocalHost, f->Teleskop(Teleskop_Protokoll::Binaer)->Port());
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.state() == QTcpSocket::ConnectedState; }, 15000));
    const Himmelsort ziel{M13.RA + 0.003, M13.DE - 0.04}; // 0.054 degrees off
    const std::string g = Binaer_Goto(ziel, 0);
    c.write(g.data(), static_cast<qint64>(g.size()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Objektzeile(*f) == "Ziel von außen · M13"; }, 15000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.bytesAvailable() >= 24; }, 15000));
    const QByteArray m = c.read(24);
    EXPECT_EQ(m[0], 24);
    const auto wort = [&](int i) {
        quint32 w = 0;
        for (int k = 3; k >= 0; --k) w = (w << 8) | static_cast<quint8>(m[i + k]);
        return w;
    };
    EXPECT_NEAR(Binaer_RA_Std(wort(12)), ziel.RA, Bogensekunde / 15);
    EXPECT_NEAR(Binaer_DE_Grad(static_cast<qint32>(wort(16))), ziel.DE, Bogensekunde);
    EXPECT_EQ(wort(20), 0u); // status ok
    // Once a second the place again, unasked.
    c.readAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.bytesAvailable() >= 24; }, 15000));
}

TEST_F(Teleskop_Test, Unrat_Flut_Und_Viele_Clients) {
    ASSERT_TRUE(f->Teleskop_Server_Starten(Teleskop_Protokoll::LX200, "127.0.0.1", 0));
    const quint16 port = f->Teleskop(Teleskop_Protokoll::LX200)->Port();
    int takte = 0;
    QObject::connect(f->findChild<QTimer*>("Timer2"), &QTimer::timeout, [&] { ++takte; });
    f->Objekt_Waehlen("M13");
    const long rss_vorher = Rss_KiB();

    // 50 clients at once: the 32 that came last are served.
    std::vector<std::unique_ptr<QTcpSocket>> viele;
    for (int i = 0; i < 50; ++i) {
        viele.push_back(std::make_unique<QTcpSocket>());
        viele.back()->connectToHost(QHostAddress::LocalHost, port);
    }
    const auto bedient = [&] { return f->Teleskop(Teleskop_Protokoll::LX200)->Clients().size(); };
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return bedient() == Teleskop_Clients_Max &&
                   viele.back()->state() == QTcpSocket::ConnectedState;
        },
        15000));
    // Clients that vanish.
    viele.clear();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return f->Teleskop(Teleskop_Protokoll::LX200)->Clients().isEmpty(); }, 15000));

    // Garbage, too long commands and bytes that are not ASCII; a polite
    // client still gets its answer.
    QTcpSocket hoeflich, flut;
    for (QTcpSocket* s : {&hoeflich, &flut}) s->connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(QTest::qWaitFor([&] { return flut.state() == QTcpSocket::ConnectedState; }, 15000));
    hoeflich.write(QByteArray(":Sr ") + QByteArray(200, '9') + "#\xff\xfe:G\x80R#");
    ASSERT_TRUE(QTest::qWaitFor([&] { return hoeflich.bytesAvailable() >= 9; }, 15000));
    const Teleskop_Ort o = f->Zustand.Teleskop_Ort_Lesen();
    EXPECT_EQ(hoeflich.readAll().toStdString(), Lx200_RA_Text(o.Datum.RA, true) + "#");
    // A flood of several MB/s is cut off; the ticks go on meanwhile.
    const QByteArray brei(64 * 1024, ':');
    QElapsedTimer uhr;
    uhr.start();
    takte = 0;
    while (uhr.elapsed() < 2000) {
        if (flut.state() == QTcpSocket::ConnectedState && flut.bytesToWrite() < 1 << 20)
            flut.write(brei);
        QTest::qWait(5);
    }
    EXPECT_EQ(flut.state(), QTcpSocket::UnconnectedState);
    EXPECT_GE(takte, 3);
    EXPECT_LT(Rss_KiB() - rss_vorher, 20 * 1024);
    hoeflich.write(":GD#");
    ASSERT_TRUE(QTest::qWaitFor([&] { return hoeflich.bytesAvailable() >= 10; }, 15000));
    EXPECT_EQ(hoeflich.readAll().size(), 10);
}

TEST_F(Teleskop_Test, Stille_Clients_Sperren_Niemanden_Aus) {
    f->Objekt_Waehlen("M13");
    for (Teleskop_Protokoll art : {Teleskop_Protokoll::LX200, Teleskop_Protokoll::Binaer}) {
        ASSERT_TRUE(f->Teleskop_Server_Starten(art, "127.0.0.1", 0));
        const quint16 port = f->Teleskop(art)->Port();
        // 40 connections that never say a word (nor read on the binary port).
        std::vector<std::unique_ptr<QTcpSocket>> still;
        for (int i = 0; i < 40; ++i) {
            still.push_back(std::make_unique<QTcpSocket>());
            still.back()->setReadBufferSize(1);
            still.back()->connectToHost(QHostAddress::LocalHost, port);
        }
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return f->Teleskop(art)->Clients().size() == Teleskop_Clients_Max; }, 15000));
        QTcpSocket c;
        c.connectToHost(QHostAddress::LocalHost, port);
        ASSERT_TRUE(c.waitForConnected(15000));
        if (art == Teleskop_Protokoll::LX200) c.write(":GR#");
        // Served, not aborted: a position message or the answer.
        const qint64 n = art == Teleskop_Protokoll::LX200 ? 9 : 24;
        ASSERT_TRUE(QTest::qWaitFor([&] { return c.bytesAvailable() >= n; }, 10000))
            << static_cast<int>(art);
        EXPECT_EQ(c.state(), QTcpSocket::ConnectedState);
        if (art == Teleskop_Protokoll::LX200)
            EXPECT_EQ(c.readAll().toStdString(),
                      Lx200_RA_Text(f->Zustand.Teleskop_Ort_Lesen().Datum.RA, true) + "#");
        else
            EXPECT_EQ(c.read(24)[0], 24);
        EXPECT_EQ(f->Teleskop(art)->Clients().size(), Teleskop_Clients_Max);
        f->Teleskop(art)->Beenden();
    }
}

TEST_F(Teleskop_Test, Offen_Im_Netz_Und_Absender) {
    // Bound to every address: the status line says so while it listens.
    ASSERT_TRUE(f->Teleskop_Server_Starten(Teleskop_Protokoll::LX200, "0.0.0.0", 0));
    const quint16 port = f->Teleskop(Teleskop_Protokoll::LX200)->Port();
    QLabel* status = Steuer<QLabel>(*f, "Label_Teleskop");
    EXPECT_TRUE(status->isVisible());
    EXPECT_EQ(status->text(), QString("LX200 offen im Netz: 0.0.0.0:%1").arg(port));
    // A target from another address (127.0.0.2 stands for another computer)
    // is named after its sender; Meade's degree sign as hand boxes send it.
    QTcpSocket c;
    ASSERT_TRUE(c.bind(QHostAddress("127.0.0.2"), 0));
    c.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(c.waitForConnected(15000));
    const Himmelsort d = J2000_Zu_Datum(M13, f->Zustand.JD_PC());
    const std::string sd = Lx200_DE_Text(d.DE, true);
    c.write(QByteArray::fromStdString(":Sr " + Lx200_RA_Text(d.RA, true) + "#:Sd " +
                                      sd.substr(0, 3) + "\xDF" + sd.substr(4) + "#:MS#"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.bytesAvailable() >= 3; }, 15000));
    EXPECT_EQ(c.readAll(), "110");
    EXPECT_EQ(Objektzeile(*f), "Ziel von außen (127.0.0.2) · M13");
    EXPECT_TRUE(status->text().startsWith(
        QString("LX200 offen im Netz: 0.0.0.0:%1 · Teleskop – LX200: 127.0.0.2:").arg(port)))
        << status->text().toStdString();
    // Loopback only: no word of the network.
    c.abort();
    ASSERT_TRUE(f->Teleskop_Server_Starten(Teleskop_Protokoll::LX200, "127.0.0.1", 0));
    EXPECT_FALSE(status->isVisible());
}

TEST_F(Teleskop_Test, Dialog_Schaltet_Und_Merkt) {
    const quint16 port = Freier_Port();
    bool warnung = false;
    QTimer::singleShot(0, [&] {
        QWidget* d = QApplication::activeModalWidget();
        ASSERT_TRUE(d);
        Steuer<QCheckBox>(*d, "Check_Lx200")->setChecked(true);
        Steuer<QSpinBox>(*d, "Spin_Lx200_Port")->setValue(port);
        // Any address but loopback is network access: the dialog warns.
        Steuer<QLineEdit>(*d, "Edit_Lx200_Adresse")->setText("0.0.0.0");
        warnung = Steuer<QLabel>(*d, "Label_Teleskop_Warnung")->isVisibleTo(d);
        Steuer<QLineEdit>(*d, "Edit_Lx200_Adresse")->setText("127.0.0.1");
        EXPECT_FALSE(Steuer<QLabel>(*d, "Label_Teleskop_Warnung")->isVisibleTo(d));
        QTest::keyClick(Steuer<QLineEdit>(*d, "Edit_Lx200_Adresse"), Qt::Key_Return);
    });
    Steuer<QAction>(*f, "Teleskop1")->trigger();
    EXPECT_TRUE(warnung);
    ASSERT_TRUE(f->Teleskop(Teleskop_Protokoll::LX200)->Laeuft());
    EXPECT_EQ(f->Teleskop(Teleskop_Protokoll::LX200)->Port(), port);
    EXPECT_FALSE(f->Teleskop(Teleskop_Protokoll::Binaer)->Laeuft());
    // Remembered: the next window starts the server again.
    f.reset();
    f = std::make_unique<TForm_Main>(o.Start());
    f->Jetzt = Fest;
    EXPECT_TRUE(f->Teleskop(Teleskop_Protokoll::LX200)->Laeuft());
    // Escape leaves everything as it was.
    QTimer::singleShot(0, [&] {
        QWidget* d = QApplication::activeModalWidget();
        ASSERT_TRUE(d);
        Steuer<QCheckBox>(*d, "Check_Lx200")->setChecked(false);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    Steuer<QAction>(*f, "Teleskop1")->trigger();
    EXPECT_TRUE(f->Teleskop(Teleskop_Protokoll::LX200)->Laeuft());
}

TEST_F(Teleskop_Test, Schalter) {
    // A switch wins over the settings for its run.
    Fenster_Start start = o.Start();
    const quint16 port = Freier_Port();
    start.Stellarium = "127.0.0.1:" + std::to_string(port);
    f.reset();
    f = std::make_unique<TForm_Main>(start);
    f->Jetzt = Fest;
    EXPECT_EQ(f->Teleskop(Teleskop_Protokoll::Binaer)->Port(), port);
    EXPECT_FALSE(f->Teleskop(Teleskop_Protokoll::LX200)->Laeuft());
    // A bad value ends the program before any window, naming the switch.
    const std::pair<const char*, const char*> falsch[] = {{"--lx200", "127.0.0.1:70000"},
                                                          {"--lx200", "nirgends:4030"},
                                                          {"--stellarium-port", "4030x"},
                                                          {"--indi", "localhost:7624"},
                                                          {"--indi", "localhost:0/Teleskop"}};
    for (const auto& [schalter, wert] : falsch) {
        QProcess p;
        p.start(STELUX_BINAER_ORDNER "/stelux", {schalter, wert});
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitCode(), 2) << wert;
        EXPECT_TRUE(p.readAllStandardError().contains(schalter)) << wert;
    }
    // --help: the switches, exit 0, no window (no display needed either).
    QProcess hilfe;
    QProcessEnvironment ohne = QProcessEnvironment::systemEnvironment();
    ohne.insert("QT_QPA_PLATFORM", "kein-bildschirm");
    hilfe.setProcessEnvironment(ohne);
    hilfe.start(STELUX_BINAER_ORDNER "/stelux", {"--help"});
    ASSERT_TRUE(hilfe.waitForFinished(10000));
    EXPECT_EQ(hilfe.exitCode(), 0);
    const QString text = QString::fromUtf8(hilfe.readAllStandardOutput());
    for (const char* s : {"--lx200", "--stellarium-port", "--indi", "Aufruf: stelux"})
        EXPECT_TRUE(text.contains(s)) << s;
}

TEST(Teleskop_Server, Client_Geht_Waehrend_Der_Auswahl) {
    Anwendung();
    // A selection that shows a message runs a nested event loop; the client
    // that sent the target vanishes meanwhile and must not be freed under it.
    QTcpSocket c;
    int ziele = 0;
    Teleskop_Partner p;
    p.Ort = [] { return Teleskop_Ort{true, {1.0, 2.0}}; };
    p.JD = [] { return JD2000; };
    p.Ziel = [&](const Himmelsort&, const QString&) {
        ++ziele;
        c.abort();
        QTest::qWait(100);
        return Ziel_Rueckmeldung{true, "Ziel von außen"};
    };
    Teleskop_Server s(Teleskop_Protokoll::LX200, p);
    ASSERT_TRUE(s.Starten("127.0.0.1", 0));
    c.connectToHost(QHostAddress::LocalHost, s.Port());
    ASSERT_TRUE(c.waitForConnected(15000));
    c.write(":Sr 01:00:00#:Sd +02*00:00#:MS#:GR#");
    ASSERT_TRUE(QTest::qWaitFor([&] { return ziele == 1; }, 15000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Clients().isEmpty(); }, 15000));
    // The server goes on serving.
    QTcpSocket d;
    d.connectToHost(QHostAddress::LocalHost, s.Port());
    ASSERT_TRUE(d.waitForConnected(15000));
    d.write(":GR#");
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.bytesAvailable() >= 9; }, 15000));
    EXPECT_EQ(d.readAll(), "01:00:00#");
}
