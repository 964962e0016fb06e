// The window as the observer meets it, with the real catalogues (working
// directory = STELUX_KATALOG): from the press of Return to complete readings
// painted, the night switch each way with its repaint, and the pointing-model
// dialog fitting 200 sightings from the key to the result shown.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <fstream>
#include <memory>
#include <random>

#include "app/einstellungen.hpp"
#include "app/fenster_fehler.hpp"
#include "app/stelux_unit_main.hpp"

namespace {

template <class T> T* Steuer(const QObject& fenster, const char* name) {
    return fenster.findChild<T*>(QString::fromLatin1(name));
}

struct Fenster {
    QTemporaryDir ordner;
    std::string pfad;
    std::unique_ptr<TForm_Main> f;
    Fenster() {
        pfad = ordner.path().toStdString() + "/";
        Einstellungen_Datei_Setzen(pfad + "einstellungen.ini");
        Meldungs_Anzeige_Setzen([](Meldungsart, const QString&) {});
        f = std::make_unique<TForm_Main>(Fenster_Start{pfad, pfad, pfad, {}, {}, {}, {}});
        f->show();
        (void)QTest::qWaitForWindowExposed(f.get());
        Steuer<QTimer>(*f, "Timer1")->stop();
        Steuer<QTimer>(*f, "Timer2")->stop();
        Steuer<QLineEdit>(*f, "Edit_Objekt")->setFocus();
    }
};

Fenster& Das_Fenster() {
    static int argc = 1;
    static char name[] = "bench_fenster";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    static Fenster f;
    return f;
}

void Return_Bis_Ablesung(benchmark::State& state) {
    if (!qEnvironmentVariableIsSet("STELUX_KATALOG")) return state.SkipWithError("STELUX_KATALOG");
    QDir::setCurrent(qEnvironmentVariable("STELUX_KATALOG"));
    TForm_Main& f = *Das_Fenster().f;
    const char* eingaben[] = {"M31", "Sirius", "PMars", "N7000", "Beteigeuze", "Mond"};
    std::size_t i = 0;
    for (auto _ : state) {
        Steuer<QLineEdit>(f, "Edit_Objekt")->setText(eingaben[i++ % std::size(eingaben)]);
        QTest::keyPress(Steuer<QLineEdit>(f, "Edit_Objekt"), Qt::Key_Return);
        f.repaint(); // painted, not only set
        if (!f.Zustand.Objekt_Gueltig()) state.SkipWithError("nicht gefunden");
        QTest::keyRelease(Steuer<QLineEdit>(f, "Edit_Objekt"), Qt::Key_Return);
    }
}
BENCHMARK(Return_Bis_Ablesung)->Unit(benchmark::kMillisecond);

void Nachtmodus_Umschalten(benchmark::State& state) {
    TForm_Main& f = *Das_Fenster().f;
    for (auto _ : state) {
        Steuer<QAction>(f, "Nachtmodus1")->trigger();
        f.repaint();
    }
    if (Steuer<QAction>(f, "Nachtmodus1")->isChecked())
        Steuer<QAction>(f, "Nachtmodus1")->trigger();
}
BENCHMARK(Nachtmodus_Umschalten)->Unit(benchmark::kMillisecond);

// A brightness step of night mode, one up and one down by their keys, each
// with its repaint.
void Nachtstufe_Wechseln(benchmark::State& state) {
    TForm_Main& f = *Das_Fenster().f;
    QLineEdit* edit = Steuer<QLineEdit>(f, "Edit_Objekt");
    if (!Steuer<QAction>(f, "Nachtmodus1")->isChecked())
        Steuer<QAction>(f, "Nachtmodus1")->trigger();
    bool heller = true;
    for (auto _ : state) {
        QTest::keyClick(edit, Qt::Key_F9, heller ? Qt::ControlModifier : Qt::ShiftModifier);
        f.repaint();
        heller = !heller;
    }
    Steuer<QAction>(f, "Nachtmodus1")->trigger();
}
BENCHMARK(Nachtstufe_Wechseln)->Unit(benchmark::kMillisecond);

// F8 in a fresh window: from the key to the table filled with the list.
void F8_Bis_Tabelle(benchmark::State& state) {
    if (!qEnvironmentVariableIsSet("STELUX_KATALOG")) return state.SkipWithError("STELUX_KATALOG");
    QDir::setCurrent(qEnvironmentVariable("STELUX_KATALOG"));
    Das_Fenster();
    for (auto _ : state) {
        state.PauseTiming();
        Fenster neu;
        QTableWidget* tabelle = nullptr;
        state.ResumeTiming();
        QTest::keyClick(Steuer<QLineEdit>(*neu.f, "Edit_Objekt"), Qt::Key_F8);
        while (!(tabelle = Steuer<QTableWidget>(*neu.f, "Tabelle_Beobachtbar")) ||
               tabelle->rowCount() == 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        state.PauseTiming();
        neu.f->close();
        neu.f.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(F8_Bis_Tabelle)->Unit(benchmark::kMillisecond)->Iterations(5);

// "Anpassen" in the dialog (Ctrl+G) with 200 sightings of 40 stars spread
// over the sky, 1' of noise: from the key to the result and the table shown.
void Abgleich_200(benchmark::State& state) {
    Fenster& fenster = Das_Fenster();
    TForm_Main& f = *fenster.f;
    std::mt19937 zufall(24);
    std::uniform_real_distribution<double> h(-5, 5), d(-25, 75);
    std::normal_distribution<double> rauschen(0, 1.0 / 60);
    for (const char* cm : {"40", "60"}) {
        std::ofstream a(fenster.pfad + "Abgleich_" + cm + ".txt", std::ios::binary);
        a.precision(12);
        a << "Zeit (UT);Bezeichnung\r\n";
        for (int i = 0; i < 200; ++i) {
            const double sw = std::fmod(h(zufall) + 24, 24), de = d(zufall);
            a << "2026-12-07T2" << i / 60 % 4 << ":" << (i % 60 < 10 ? "0" : "") << i % 60
              << ":00;Stern " << i % 40 << ";" << cm << ";"
              << std::fmod(sw + 0.2 / 60 + rauschen(zufall) / 15 + 24, 24) << ";"
              << de - 0.1 + rauschen(zufall) << ";" << sw << ";" << de << "\r\n";
        }
    }
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* knopf = d ? d->findChild<QPushButton*>("Button_Abgleich_Anpassen") : nullptr;
        if (!knopf) {
            state.SkipWithError("kein Dialog");
            for (auto _ : state) {
            }
            return;
        }
        knopf->setFocus();
        for (auto _ : state) {
            QElapsedTimer t;
            t.start();
            QTest::keyClick(knopf, Qt::Key_Space);
            d->repaint(); // painted, not only set
            state.SetIterationTime(static_cast<double>(t.nsecsElapsed()) * 1e-9);
        }
        d->reject();
    });
    f.activateWindow();
    Steuer<QAction>(f, "Abgleich1")->trigger(); // Ctrl+G
}
BENCHMARK(Abgleich_200)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
