// The INDI client against a real indiserver with the simulated telescope:
// the push-to line shrinks to "Im Feld" as the telescope reaches the target,
// and the sync turns the remaining offset into the instrument's correction.
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <cmath>

#include "app/fenster_nachtmodus.hpp"
#include "app/stelux_unit_main.hpp"
#include "app/teleskop_server.hpp"
#include "basis/parameter_datei.hpp"
#include "hilfen.hpp"

namespace {

// A port nobody listens on right now.
int Freier_Port() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

// Runs the event loop until `bedingung` holds or `ms` have passed.
template <class B> bool Warten(B bedingung, int ms) {
    QElapsedTimer t;
    t.start();
    while (!bedingung() && t.elapsed() < ms) QTest::qWait(50);
    return bedingung();
}

struct Indi : Fenster_Test {
    QProcess server;
    int port = Freier_Port();
    void TearDown() override {
        server.kill();
        server.waitForFinished();
        Fenster_Test::TearDown();
    }
    QString Zeile() const { return Steuer<QLabel>(*f, "Label_PushTo")->text(); }
    QString Status() const { return Steuer<QLabel>(*f, "Label_Indi")->text(); }
    // indiserver with the simulated telescope on a port of its own, and the
    // window's client connected to it (no object selected yet).
    void Simulator_Starten() {
        // The client starts first: it keeps trying until the server is up.
        f->Indi_Starten({"127.0.0.1", port, "Telescope Simulator"});
        EXPECT_TRUE(Steuer<QLabel>(*f, "Label_PushTo")->isVisible());
        ASSERT_TRUE(Warten([&] { return Status().contains("keine Verbindung"); }, 10000))
            << Status().toStdString();
        // The driver keeps its configuration under $HOME/.indi: the test's folder.
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("HOME", QString::fromStdString(o.pfad));
        server.setProcessEnvironment(umgebung);
        // A port taken in between by a parallel test: another one, the client after it.
        for (int versuch = 0; versuch < 3; ++versuch) {
            // Its local socket by a name of its own: another indiserver on the
            // machine holds the default one.
            server.start("indiserver", {"-p", QString::number(port), "-u",
                                        QString("/tmp/stelux_indi_test_%1").arg(port),
                                        "indi_simulator_telescope"});
            ASSERT_TRUE(server.waitForStarted());
            if (!server.waitForFinished(1000)) break;
            port = Freier_Port();
            f->Indi_Starten({"127.0.0.1", port, "Telescope Simulator"});
        }

        // Connected (after retries 1, 2, 4 … s apart: a slow start on a busy machine
        // takes a while), the device connected by the client, no object yet.
        ASSERT_TRUE(Warten([&] { return Zeile() == "Teleskop: kein Objekt gewählt"; }, 60000))
            << Zeile().toStdString() << " / " << Status().toStdString();
    }
    // Moves the simulated telescope to a place of date and waits until it is
    // there (the right ascension within a minute: the mount need not track).
    void Fahren(double ra, double de) {
        QProcess::execute("indi_setprop",
                          {"-p", QString::number(port),
                           QString("Telescope Simulator.EQUATORIAL_EOD_COORD.RA;DEC=%1;%2")
                               .arg(ra, 0, 'f', 6)
                               .arg(de, 0, 'f', 6)});
        const auto da = [&] {
            const Encoder_Ort o = f->Indi_Ort();
            return o.Gueltig && std::fabs(o.RA - ra) < 0.02 && std::fabs(o.DE - de) < 0.01;
        };
        ASSERT_TRUE(Warten(da, 60000))
            << f->Indi_Ort().RA << " " << f->Indi_Ort().DE << " for " << ra << " " << de;
    }
};

} // namespace

TEST_F(Indi, PushToZumZielUndAbgleich) {
    if (!QFile::exists("/usr/bin/indiserver"))
        GTEST_SKIP() << "indi-bin fehlt (einrichten.sh testen)";
    Simulator_Starten();
    if (HasFatalFailure()) return;
    EXPECT_EQ(Status(), "INDI: Telescope Simulator verbunden");
    ASSERT_TRUE(f->Objekt_Waehlen("M31"));
    ASSERT_TRUE(Warten([&] { return Zeile().startsWith("Noch "); }, 2000)) << Zeile().toStdString();
    EXPECT_TRUE(Steuer<QAction>(*f, "Teleskop_Abgleich1")->isEnabled());

    // The 60 cm with its 15' field.
    if (f->Schmidt_Aktuell()) Steuer<QAction>(*f, "Instrument2")->trigger();
    ASSERT_FALSE(f->Schmidt_Aktuell());

    // Slewed to M31's place of date: in the field, green, and what is left
    // to turn is below the display's last digits.
    const Objekt_Werte& w = f->Zustand.Stand().Werte;
    QProcess::execute("indi_setprop",
                      {"-p", QString::number(port),
                       QString("Telescope Simulator.EQUATORIAL_EOD_COORD.RA;DEC=%1;%2")
                           .arg(w.RAapp, 0, 'f', 6)
                           .arg(w.DEapp, 0, 'f', 6)});
    // Settled: the same line for a second.
    QString vorige;
    QElapsedTimer seit;
    seit.start();
    const auto steht = [&] {
        if (Zeile() != vorige) {
            vorige = Zeile();
            seit.restart();
        }
        return vorige.startsWith("Im Feld") && seit.elapsed() > 1000;
    };
    ASSERT_TRUE(Warten(steht, 60000)) << Zeile().toStdString();
    EXPECT_TRUE(
        QRegularExpression(R"(^Im Feld\n0\.0[0-2]°[^\n]*\n0\.[0-2] min)").match(Zeile()).hasMatch())
        << Zeile().toStdString();
    EXPECT_EQ(Steuer<QLabel>(*f, "Label_PushTo")->palette().color(QPalette::WindowText),
              QColor(0, 192, 0));

    // At night on the dark red fill within the field, and green again by day.
    QLabel* zeile = Steuer<QLabel>(*f, "Label_PushTo");
    Nachtmodus_Setzen(true);
    QTest::qWait(400);
    EXPECT_TRUE(zeile->autoFillBackground());
    EXPECT_EQ(zeile->palette().color(QPalette::Window),
              QColor(Nacht_Ton(Nacht_Stufe()).Flaeche, 0, 0));
    EXPECT_EQ(zeile->palette().color(QPalette::WindowText),
              QColor(Nacht_Ton(Nacht_Stufe()).Text, 0, 0));
    Nachtmodus_Setzen(false);
    QTest::qWait(400);
    EXPECT_FALSE(zeile->autoFillBackground());
    EXPECT_EQ(zeile->palette().color(QPalette::WindowText), QColor(0, 192, 0));

    // The sync, confirmed: nothing left to turn; refused, nothing changes.
    Frage_Anzeige_Setzen([](const QString&) { return false; });
    const Parameter_Type vorher = f->Zustand.Parameter_Zum_Speichern();
    EXPECT_FALSE(f->Abgleichen());
    EXPECT_EQ(DE_Korrektur(f->Zustand.Parameter_Zum_Speichern(), f->Schmidt_Aktuell()),
              DE_Korrektur(vorher, f->Schmidt_Aktuell()));
    Frage_Anzeige_Setzen([](const QString&) { return true; });
    EXPECT_TRUE(f->Abgleichen());
    Frage_Anzeige_Setzen({});
    EXPECT_EQ(Zeile(), "Im Feld\n0.00°\n0.0 min");

    // The server gone: said so, and the line says there is no place.
    server.kill();
    ASSERT_TRUE(Warten([&] { return Status().contains("keine Verbindung"); }, 10000));
    EXPECT_EQ(Zeile(), "Teleskop: kein Ort");
    EXPECT_FALSE(Steuer<QAction>(*f, "Teleskop_Abgleich1")->isEnabled());
    f->Indi_Beenden();
    EXPECT_FALSE(Steuer<QLabel>(*f, "Label_PushTo")->isVisible());
}

TEST_F(Indi, UeberflutenderServerHaeltDasFensterNicht) {
    // A server that sends a 1 MB BLOB and 4 MB of garbage, then a place.
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* s = server.nextPendingConnection();
        s->write("<setBLOBVector device=\"T\" name=\"B\"><oneBLOB name=\"b\">" +
                 QByteArray(1 << 20, 'A') + "</oneBLOB></setBLOBVector>");
        s->write(QByteArray(4 << 20, '<'));
        s->write(">\n<defNumberVector device=\"T\" name=\"EQUATORIAL_EOD_COORD\" state=\"Ok\">"
                 "<defNumber name=\"RA\">1.5</defNumber><defNumber name=\"DEC\">20</defNumber>"
                 "</defNumberVector>");
    });
    ASSERT_TRUE(f->Objekt_Waehlen("M31"));
    f->Indi_Starten({"127.0.0.1", server.serverPort(), "T"});
    // The clock ticks on while the bytes come in, and the place after them is read.
    const QString uhr = Steuer<QLabel>(*f, "Label_PC_Zeit")->text();
    ASSERT_TRUE(Warten([&] { return Zeile().startsWith("Noch "); }, 20000))
        << Zeile().toStdString();
    EXPECT_TRUE(Warten([&] { return Steuer<QLabel>(*f, "Label_PC_Zeit")->text() != uhr; }, 3000));
    EXPECT_EQ(Status(), "INDI: T verbunden");
}

TEST_F(Indi, ZielVonAussenWaehrendDerAbgleichsfrage) {
    if (!QFile::exists("/usr/bin/indiserver"))
        GTEST_SKIP() << "indi-bin fehlt (einrichten.sh testen)";
    Simulator_Starten();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(f->Objekt_Waehlen("M31"));
    if (f->Schmidt_Aktuell()) Steuer<QAction>(*f, "Instrument2")->trigger();
    ASSERT_FALSE(f->Schmidt_Aktuell());
    // The telescope 0.5 deg north of M31 and 0.03 h (1.8 min of time) east.
    const Objekt_Werte w = f->Zustand.Stand().Werte;
    Fahren(w.RAapp + 0.03, w.DEapp + 0.5);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(f->Teleskop_Server_Starten(Teleskop_Protokoll::LX200, "127.0.0.1", 0));
    QTcpSocket lx200;
    lx200.connectToHost(QHostAddress::LocalHost, f->Teleskop(Teleskop_Protokoll::LX200)->Port());
    ASSERT_TRUE(lx200.waitForConnected(5000));

    // While the question is open a planetarium program sends a goto.
    const std::string m31 = f->Zustand.Stand().Position.Objekt.Zeile;
    const Parameter_Type vorher = f->Zustand.Parameter_Zum_Speichern();
    QString frage;
    Frage_Anzeige_Setzen([&](const QString& text) {
        frage = text;
        lx200.write(":Sr 05:18:00#:Sd +46*00:00#:MS#");
        EXPECT_TRUE(QTest::qWaitFor([&] { return lx200.bytesAvailable() >= 3; }, 5000));
        EXPECT_EQ(f->Zustand.Stand().Position.Objekt.Zeile, m31);
        EXPECT_TRUE(Steuer<QLabel>(*f, "Label_Teleskop")->text().contains("wartet"));
        return true;
    });
    EXPECT_TRUE(f->Abgleichen());
    Frage_Anzeige_Setzen({});
    // The correction and the parameter file hold the offset the question named.
    const QRegularExpressionMatch genannt =
        QRegularExpression(R"(Noch ([0-9.]+)° nach Süden · ([0-9.]+) min nach Westen)")
            .match(frage);
    ASSERT_TRUE(genannt.hasMatch()) << frage.toStdString();
    Parameter_Type p;
    Parameter_Lesen(o.pfad, p);
    for (const Parameter_Type& k : {f->Zustand.Parameter_Zum_Speichern(), p}) {
        EXPECT_NEAR(k.DE_Korr_60, vorher.DE_Korr_60 + genannt.captured(1).toDouble(), 0.006);
        EXPECT_NEAR(k.SW_Korr_60, vorher.SW_Korr_60 - genannt.captured(2).toDouble(), 0.06);
        EXPECT_NEAR(k.DE_Korr_60, 0.5, 0.02); // the encoders' offset from M31
    }
    // Then the target waiting is selected, and said so.
    EXPECT_TRUE(Warten(
        [&] { return Steuer<QLabel>(*f, "Label_Objekt")->text().startsWith("Ziel von außen"); },
        5000));
    EXPECT_TRUE(Steuer<QLabel>(*f, "Label_Teleskop")->text().contains("nach dem Dialog"));
}
