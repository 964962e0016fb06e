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
} // namespace

using Teleskop_Test = Fenster_Test;

TEST_F(Teleskop_Test, Lx200_Basic_Faehrt_M13_An) {
    const QString server = QStandardPaths::findExecutable("indiserver");
    if (server.isEmpty() || QStandardPaths::findExecutable("indi_lx200basic").isEmpty())
        GTEST_SKIP() << "indi-bin is not installed";
    // M13 high in the sky: the driver takes the slew as done (":MS#" answers 0).
    f->Jetzt = [] { return QDateTime(QDate(2026, 12, 7), QTime(11, 0), QTimeZone::utc()); };
    f->Uhr_Takt();
    ASSERT_TRUE(f->Teleskop_Server_Starten(Teleskop_Protokoll::LX200, "127.0.0.1", 0));
    const quint16 lx200 = f->Teleskop(Teleskop_Protokoll::LX200)->Port();
    QProcess indiserver;
    // The driver keeps its configuration under $HOME/.indi: the test's own folder.
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("HOME", QString::fromStdString(o.pfad));
    indiserver.setProcessEnvironment(umgebung);
    const QString setzen = QStandardPaths::findExecutable("indi_setprop");
    const QString lesen = QStandardPaths::findExecutable("indi_getprop");
    // A free port may be taken by another test before indiserver binds it:
    // then it ends at once, and another port is tried.
    QString indi;
    for (int versuch = 0; versuch < 5; ++versuch) {
        indi = QString::number(Freier_Port());
        // Its local socket by a name of its own: another indiserver on the
        // machine may hold the default one.
        indiserver.start(server,
                         {"-p", indi, "-u", "/tmp/stelux_lx200_test_" + indi, "indi_lx200basic"});
        ASSERT_TRUE(indiserver.waitForStarted());
        const bool da = QTest::qWaitFor(
            [&] {
                return indiserver.state() == QProcess::NotRunning ||
                       Ausfuehren(lesen, {"-p", indi, "-t", "1", "LX200 Basic.CONNECTION.*"})
                           .contains("CONNECT");
            },
            30000);
        if (indiserver.state() != QProcess::NotRunning) {
            ASSERT_TRUE(da) << "indi_lx200basic shows no properties";
            break;
        }
    }
    ASSERT_EQ(indiserver.state(), QProcess::Running)
        << indiserver.readAllStandardError().toStdString();
    Ausfuehren(setzen, {"-p", indi, "LX200 Basic.CONNECTION_MODE.CONNECTION_TCP=On"});
    Ausfuehren(
        setzen,
        {"-p", indi, QString("LX200 Basic.DEVICE_ADDRESS.ADDRESS;PORT=127.0.0.1;%1").arg(lx200)});
    Ausfuehren(setzen, {"-p", indi, "LX200 Basic.CONNECTION.CONNECT=On"});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return Ausfuehren(lesen, {"-p", indi, "-t", "1", "LX200 Basic.CONNECTION.CONNECT"})
                .contains("=On");
        },
        30000));
    // A slew to M13's place of date, in the whole seconds the driver sends.
    const Himmelsort datum = J2000_Zu_Datum(M13, f->Zustand.JD_PC());
    const double ra = std::round(datum.RA * 3600) / 3600, de = std::round(datum.DE * 3600) / 3600;
    Ausfuehren(setzen, {"-p", indi,
                        QString("LX200 Basic.EQUATORIAL_EOD_COORD.RA;DEC=%1;%2")
                            .arg(ra, 0, 'f', 9)
                            .arg(de, 0, 'f', 9)});
    EXPECT_TRUE(QTest::qWaitFor([&] { return Objektzeile(*f) == "Ziel von außen · M13"; }, 10000))
        << Objektzeile(*f).toStdString();
    EXPECT_TRUE(Steuer<QLabel>(*f, "Label_Teleskop")->text().contains("LX200: 127.0.0.1:"));
    // The driver polls :GR#/:GD#; its place agrees with the slew's.
    double ra_zurueck = -1, de_zurueck = -1;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QStringList zeilen =
                Ausfuehren(lesen, {"-p", indi, "-t", "1", "LX200 Basic.EQUATORIAL_EOD_COORD.*"})
                    .split('\n');
            for (const QString& z : zeilen) {
                if (z.contains(".RA=")) ra_zurueck = z.section('=', 1).toDouble();
                if (z.contains(".DEC=")) de_zurueck = z.section('=', 1).toDouble();
            }
            return std::fabs(ra_zurueck - ra) < Bogensekunde / 15 &&
                   std::fabs(de_zurueck - de) < Bogensekunde;
        },
        10000))
        << ra_zurueck << " " << de_zurueck;
    indiserver.terminate();
    indiserver.waitForFinished(3000);
}

TEST_F(Teleskop_Test, Binaerer_Goto_Waehlt_Und_Position_Kommt_Zurueck) {
    ASSERT_TRUE(f->Teleskop_Server_Starten(Teleskop_Protokoll::Binaer, "127.0.0.1", 0));
    QTcpSocket c;
    c.connectToHost(QHostAddress::LocalHost, f->Teleskop(Teleskop_Protokoll::Binaer)->Port());
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.state() == QTcpSocket::ConnectedState; }, 5000));
    const Himmelsort ziel{M13.RA + 0.003, M13.DE - 0.04}; // 0.054 degrees off
    const std::string g = Binaer_Goto(ziel, 0);
    c.write(g.data(), static_cast<qint64>(g.size()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Objektzeile(*f) == "Ziel von außen · M13"; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.bytesAvailable() >= 24; }, 3000));
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.bytesAvailable() >= 24; }, 2500));
}

TEST_F(Teleskop_Test, Unrat_Flut_Und_Viele_Clients) {
    ASSERT_TRUE(f->Teleskop_Server_Starten(Teleskop_Protokoll::LX200, "127.0.0.1", 0));
    const quint16 port = f->Teleskop(Teleskop_Protokoll::LX200)->Port();
    int takte = 0;
    QObject::connect(f->findChild<QTimer*>("Timer2"), &QTimer::timeout, [&] { ++takte; });
    f->Objekt_Waehlen("M13");
    const long rss_vorher = Rss_KiB();

    // 50 clients at once: at most 8 are served, the others are closed.
    std::vector<std::unique_ptr<QTcpSocket>> viele;
    for (int i = 0; i < 50; ++i) {
        viele.push_back(std::make_unique<QTcpSocket>());
        viele.back()->connectToHost(QHostAddress::LocalHost, port);
    }
    const auto bedient = [&] { return f->Teleskop(Teleskop_Protokoll::LX200)->Clients().size(); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return bedient() == Teleskop_Clients_Max; }, 5000));
    QTest::qWait(300);
    EXPECT_EQ(bedient(), Teleskop_Clients_Max);
    // Clients that vanish.
    viele.clear();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return f->Teleskop(Teleskop_Protokoll::LX200)->Clients().isEmpty(); }, 3000));

    // Garbage, too long commands and bytes that are not ASCII; a polite
    // client still gets its answer.
    QTcpSocket hoeflich, flut;
    for (QTcpSocket* s : {&hoeflich, &flut}) s->connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(QTest::qWaitFor([&] { return flut.state() == QTcpSocket::ConnectedState; }, 3000));
    hoeflich.write(QByteArray(":Sr ") + QByteArray(200, '9') + "#\xff\xfe:G\x80R#");
    ASSERT_TRUE(QTest::qWaitFor([&] { return hoeflich.bytesAvailable() >= 9; }, 3000));
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return hoeflich.bytesAvailable() >= 10; }, 3000));
    EXPECT_EQ(hoeflich.readAll().size(), 10);
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
    p.Ziel = [&](const Himmelsort&) {
        ++ziele;
        c.abort();
        QTest::qWait(100);
        return Ziel_Rueckmeldung{true, "Ziel von außen"};
    };
    Teleskop_Server s(Teleskop_Protokoll::LX200, p);
    ASSERT_TRUE(s.Starten("127.0.0.1", 0));
    c.connectToHost(QHostAddress::LocalHost, s.Port());
    ASSERT_TRUE(c.waitForConnected(3000));
    c.write(":Sr 01:00:00#:Sd +02*00:00#:MS#:GR#");
    ASSERT_TRUE(QTest::qWaitFor([&] { return ziele == 1; }, 3000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Clients().isEmpty(); }, 3000));
    // The server goes on serving.
    QTcpSocket d;
    d.connectToHost(QHostAddress::LocalHost, s.Port());
    ASSERT_TRUE(d.waitForConnected(3000));
    d.write(":GR#");
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.bytesAvailable() >= 9; }, 3000));
    EXPECT_EQ(d.readAll(), "01:00:00#");
}
