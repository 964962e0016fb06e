// The window as the observer meets it, with the real catalogues (working
// directory = STELUX_KATALOG): from the press of Return to complete readings
// painted, and the night switch each way with its repaint.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/einstellungen.hpp"
#include "app/fenster_fehler.hpp"
#include "app/stelux_unit_main.hpp"

namespace {

template <class T> T* Steuer(const QObject& fenster, const char* name) {
    return fenster.findChild<T*>(QString::fromLatin1(name));
}

struct Fenster {
    QTemporaryDir ordner;
    std::unique_ptr<TForm_Main> f;
    Fenster() {
        const std::string pfad = ordner.path().toStdString() + "/";
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

} // namespace

BENCHMARK_MAIN();
