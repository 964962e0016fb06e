#pragma once
// Shared pieces of the window tests: one application object, a temporary
// data folder, and a recorder in place of the message boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QPushButton>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/fenster_fehler.hpp"
#include "app/stelux_unit_main.hpp"

QApplication& Anwendung();

// A control of a window by its object name (the names of the control table);
// a missing one fails the test.
template <class T> T* Steuer(const QObject& fenster, const char* name) {
    T* w = fenster.findChild<T*>(QString::fromLatin1(name));
    if (!w) throw std::logic_error(std::string("no control ") + name);
    return w;
}
// The digit keys Button_0 .. Button_9 and the suffix keys Button_A .. Button_F.
QPushButton* Ziffer(const QObject& fenster, int ziffer);
QPushButton* Buchstabe(const QObject& fenster, int nummer);

// Reads a whole file as bytes; empty when missing.
std::string Datei_Lesen(const std::string& pfad);
void Datei_Schreiben(const std::string& pfad, const std::string& bytes);

// Records every message instead of showing it; restores the boxes at the end.
struct Meldungs_Rekorder {
    struct Meldung {
        Meldungsart art;
        QString text;
    };
    std::vector<Meldung> meldungen;
    Meldungs_Rekorder();
    ~Meldungs_Rekorder();
    int Anzahl(Meldungsart art) const;
};

// The clock the windows of the tests start with: from an evening at the
// observatory on, running as the process runs (tests that need a fixed
// instant set their own).
QDateTime Test_Zeit();

// A temporary data folder (ending with '/') holding small element files;
// Start() gives it to a window as its three folders, with the fixed clock.
struct Test_Ordner {
    QTemporaryDir dir;
    std::string pfad;
    Test_Ordner();
    std::string Datei(const std::string& name) const { return pfad + name; }
    Fenster_Start Start() const { return {pfad, pfad, pfad, {}, {}, {}, {}, Test_Zeit}; }
};

// The window shown and active, with the small catalogues of the tests as
// working directory and an empty data folder (start-up messages cleared).
struct Fenster_Test : ::testing::Test {
    Test_Ordner o;
    Meldungs_Rekorder r;
    QString alt = QDir::currentPath();
    std::unique_ptr<TForm_Main> f;
    void SetUp() override;
    void TearDown() override;
};

// While it lives, the system refuses every byte of a file past the first
// `bytes` (as a full disk does part-way through a write); SIGXFSZ is ignored.
class Dateigroesse_Begrenzt {
public:
    explicit Dateigroesse_Begrenzt(unsigned long bytes);
    ~Dateigroesse_Begrenzt();
    Dateigroesse_Begrenzt(const Dateigroesse_Begrenzt&) = delete;
    Dateigroesse_Begrenzt& operator=(const Dateigroesse_Begrenzt&) = delete;

private:
    unsigned long vorher_cur_;
    void (*signal_vorher_)(int);
};
