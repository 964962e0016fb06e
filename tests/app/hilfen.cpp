#include "hilfen.hpp"

#include <sys/resource.h>

#include <QElapsedTimer>
#include <QTest>
#include <csignal>

#include <fstream>
#include <iterator>

#include "app/einstellungen.hpp"

QApplication& Anwendung() {
    static int argc = 1;
    static char name[] = "test_app";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

QPushButton* Ziffer(const QObject& fenster, int ziffer) {
    return Steuer<QPushButton>(fenster, ("Button_" + std::to_string(ziffer)).c_str());
}

QPushButton* Buchstabe(const QObject& fenster, int nummer) {
    return Steuer<QPushButton>(fenster, (std::string("Button_") + char('A' + nummer)).c_str());
}

std::string Datei_Lesen(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void Datei_Schreiben(const std::string& pfad, const std::string& bytes) {
    std::ofstream f(pfad, std::ios::binary);
    f << bytes;
}

Meldungs_Rekorder::Meldungs_Rekorder() {
    Meldungs_Anzeige_Setzen([this](Meldungsart art, const QString& text) {
        meldungen.push_back({art, text});
    });
}

Meldungs_Rekorder::~Meldungs_Rekorder() {
    Meldungs_Anzeige_Setzen({});
}

int Meldungs_Rekorder::Anzahl(Meldungsart art) const {
    int n = 0;
    for (const auto& m : meldungen) n += m.art == art;
    return n;
}

QDateTime Test_Zeit() {
    static QElapsedTimer seit;
    if (!seit.isValid()) seit.start();
    return QDateTime(QDate(2026, 12, 7), QTime(21, 0), Qt::UTC).addMSecs(seit.elapsed());
}

Test_Ordner::Test_Ordner() {
    Anwendung();
    pfad = dir.path().toStdString() + "/";
    Einstellungen_Datei_Setzen(pfad + "einstellungen.ini");
    // A few element lines, so that start-up runs through.
    for (const char* name : {"Asteroiden.txt", "Kometen.txt"})
        Datei_Schreiben(Datei(name), Datei_Lesen(std::string(STELUX_TEST_DATEN "/app/") + name));
}

Dateigroesse_Begrenzt::Dateigroesse_Begrenzt(unsigned long bytes) {
    rlimit grenze{};
    getrlimit(RLIMIT_FSIZE, &grenze);
    vorher_cur_ = grenze.rlim_cur;
    signal_vorher_ = std::signal(SIGXFSZ, SIG_IGN);
    grenze.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &grenze);
}

Dateigroesse_Begrenzt::~Dateigroesse_Begrenzt() {
    rlimit grenze{};
    getrlimit(RLIMIT_FSIZE, &grenze);
    grenze.rlim_cur = vorher_cur_;
    setrlimit(RLIMIT_FSIZE, &grenze);
    std::signal(SIGXFSZ, signal_vorher_);
}

void Fenster_Test::SetUp() {
    QDir::setCurrent(STELUX_TEST_DATEN "/app");
    f = std::make_unique<TForm_Main>(o.Start());
    r.meldungen.clear(); // the element files are missing in the data folder
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get(), 60000));
}

void Fenster_Test::TearDown() {
    f->close();
    QDir::setCurrent(alt);
}
