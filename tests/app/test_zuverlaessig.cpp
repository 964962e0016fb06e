// Nothing lost, nothing stuck: pipes in place of files, the parameter file
// kept current, one window per data folder, settings that cannot be written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <filesystem>

#include "app/einstellungen.hpp"
#include "app/einzelfenster.hpp"
#include "basis/parameter_datei.hpp"
#include "hilfen.hpp"

namespace fs = std::filesystem;

// The names file and the NGC catalogue as pipes: the window starts, a lookup
// ends with a message naming the pipe, the window goes on.
TEST(Zuverlaessig, RohrAlsKatalogLaesstDasFensterWeiterlaufen) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    QTemporaryDir kataloge;
    const fs::path k = kataloge.path().toStdString();
    for (const auto& e : fs::directory_iterator(STELUX_TEST_DATEN "/app"))
        if (e.is_regular_file()) fs::copy_file(e.path(), k / e.path().filename());
    for (const char* name :
         {"Bright_Stars_Proper_Names_SAO.txt", "NGC_IC_Messier_Catalogue_Revised.txt"}) {
        fs::remove(k / name);
        ASSERT_EQ(::mkfifo((k / name).c_str(), 0600), 0);
    }
    // The settings as a pipe too: Qt would read it for ever; the options are the defaults.
    ASSERT_EQ(::mkfifo((k / "stelux.ini").c_str(), 0600), 0);
    Einstellungen_Datei_Setzen((k / "stelux.ini").string());
    const QString alt = QDir::currentPath();
    QDir::setCurrent(kataloge.path());
    ::alarm(60); // a read that blocks ends the test program instead of hanging it
    {
        auto f = std::make_unique<TForm_Main>(o.Start());
        r.meldungen.clear();
        Steuer<QLineEdit>(*f, "Edit_Objekt")->setText("N7000");
        Fehler_Waechter([&] { f->Eingabe_Bestaetigen(); });
        ASSERT_FALSE(r.meldungen.empty());
        EXPECT_TRUE(r.meldungen.back().text.contains("ist keine gewöhnliche Datei (FIFO)"))
            << r.meldungen.back().text.toStdString();
        EXPECT_FALSE(f->Zustand.Objekt_Gueltig());
        f->close();
    }
    ::alarm(0);
    QDir::setCurrent(alt);
}

// A correction or an instrument switch is in the file at once, not only at the stop.
TEST(Zuverlaessig, AenderungSofortInDerParameterdatei) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    auto f = std::make_unique<TForm_Main>(o.Start());
    QTest::mouseClick(Steuer<QPushButton>(*f, "Button_DE_plus"), Qt::LeftButton);
    Steuer<QAction>(*f, "Instrument2")->trigger();
    QTest::mouseClick(Steuer<QPushButton>(*f, "Button2"), Qt::LeftButton);
    EXPECT_EQ(Datei_Lesen(o.Datei(Parameter_Datei_Name)),
              Parameter_Text(f->Zustand.Parameter_Zum_Speichern()));
    EXPECT_EQ(f->Zustand.Parameter_Zum_Speichern().Instrument, 60);
    EXPECT_DOUBLE_EQ(f->Zustand.Parameter().DE_Korr_40, 0.1);
    EXPECT_TRUE(r.meldungen.empty());
    f->close();
}

// The real program: a second window on the same data folder is refused naming
// the first one's process; SIGTERM ends the first with the file written and
// the lock gone.
TEST(Zuverlaessig, ZweitesFensterUndSigterm) {
    Anwendung();
    QTemporaryDir heim;
    const QString h = heim.path();
    QDir().mkpath(h + "/config");
    QDir().mkpath(h + "/Dok");
    Datei_Schreiben((h + "/config/user-dirs.dirs").toStdString(),
                    "XDG_DOCUMENTS_DIR=\"" + (h + "/Dok").toStdString() + "\"\n");
    const std::string daten = (h + "/Dok/Stelux/").toStdString();
    fs::create_directories(daten);
    // Valid, but not as the program writes it: the rewrite shows.
    const std::string hand = "60\n7.5\n47.5\n556\n0\n0\n0.3\n0\n";
    Datei_Schreiben(daten + Parameter_Datei_Name, hand);
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("HOME", h);
    umgebung.insert("XDG_CONFIG_HOME", h + "/config");
    umgebung.insert("QT_QPA_PLATFORM", "offscreen");
    umgebung.insert("LC_ALL", "de_DE.UTF-8"); // the German window: its message is checked
    const auto starten = [&](QProcess& p) {
        p.setProcessEnvironment(umgebung);
        p.setWorkingDirectory(STELUX_TEST_DATEN "/app");
        p.start(STELUX_BINAER_ORDNER "/stelux", {});
        return p.waitForStarted(60000);
    };
    QProcess a, b;
    ASSERT_TRUE(starten(a));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(daten + Sperrdatei_Name); }, 120000));
    ASSERT_TRUE(starten(b));
    QString text;
    const bool gemeldet = QTest::qWaitFor(
        [&] {
            text += QString::fromUtf8(b.readAllStandardError());
            return text.contains("läuft bereits");
        },
        120000);
    b.kill();
    b.waitForFinished(5000);
    EXPECT_TRUE(gemeldet) << text.toStdString();
    EXPECT_TRUE(text.contains(QString("Prozess %1").arg(a.processId()))) << text.toStdString();

    Parameter_Type p{};
    Parameter_Aus_Text(hand, p);
    ::kill(static_cast<pid_t>(a.processId()), SIGTERM);
    ASSERT_TRUE(a.waitForFinished(120000));
    EXPECT_EQ(a.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(a.exitCode(), 0);
    EXPECT_EQ(Datei_Lesen(daten + Parameter_Datei_Name), Parameter_Text(p));
    EXPECT_FALSE(fs::exists(daten + Sperrdatei_Name));
}

// A lock left by a process that no longer runs is taken over.
TEST(Zuverlaessig, VerwaisteSperreWirdUebernommen) {
    Test_Ordner o;
    QProcess tot;
    tot.start("/bin/true", {});
    const qint64 tot_pid = tot.processId();
    ASSERT_TRUE(tot.waitForFinished(60000));
    // A lock file as Qt writes it, its process replaced by one that has ended.
    std::string inhalt;
    {
        QLockFile echt(QString::fromStdString(o.Datei(Sperrdatei_Name)));
        ASSERT_TRUE(echt.tryLock(0));
        inhalt = Datei_Lesen(o.Datei(Sperrdatei_Name));
    }
    inhalt = std::to_string(tot_pid) + inhalt.substr(inhalt.find('\n'));
    Datei_Schreiben(o.Datei(Sperrdatei_Name), inhalt);
    Fenster_Sperre s = Fenster_Sperre_Nehmen(o.pfad);
    EXPECT_TRUE(s.Besetzt.empty()) << s.Besetzt;
    ASSERT_TRUE(s.Sperre);
    // The same folder once more, from this process: refused, naming it.
    const Fenster_Sperre zweite = Fenster_Sperre_Nehmen(o.pfad);
    EXPECT_NE(zweite.Besetzt.find("Prozess " + std::to_string(::getpid())), std::string::npos)
        << zweite.Besetzt;
}

// Settings that cannot be written: one message naming the file and the
// reason, however many changes follow; the window goes on.
TEST(Zuverlaessig, EinstellungenNichtSchreibbarEinmalGemeldet) {
    Test_Ordner o;
    Meldungs_Rekorder r;
    Datei_Schreiben(o.Datei("datei"), "kein Ordner");
    auto f = std::make_unique<TForm_Main>(o.Start());
    Einstellungen_Datei_Setzen(o.Datei("datei/stelux.ini"));
    r.meldungen.clear();
    Steuer<QAction>(*f, "Refraktion1")->trigger();
    Steuer<QAction>(*f, "Refraktion1")->trigger();
    Steuer<QAction>(*f, "Refraktion1")->trigger();
    ASSERT_EQ(r.Anzahl(Meldungsart::Fehler), 1);
    const QString text = r.meldungen[0].text;
    EXPECT_TRUE(text.contains(QString::fromStdString(o.Datei("datei/stelux.ini"))))
        << text.toStdString();
    EXPECT_TRUE(text.contains("ist kein Ordner")) << text.toStdString();
    EXPECT_TRUE(
        Steuer<QAction>(*f, "Refraktion1")->isChecked()); // the option holds for the session
    // A folder that cannot be made: the system's reason, not "fehlt".
    Einstellungen_Datei_Setzen(o.Datei("datei/unter/stelux.ini"));
    r.meldungen.clear();
    Steuer<QAction>(*f, "Refraktion1")->trigger();
    ASSERT_EQ(r.Anzahl(Meldungsart::Fehler), 1);
    EXPECT_TRUE(r.meldungen[0].text.contains("datei/unter kann nicht angelegt werden: Not a "
                                             "directory"))
        << r.meldungen[0].text.toStdString();
    f->close();
}
