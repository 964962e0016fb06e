// The telescope link as a planetarium program meets it, with the real
// catalogues (working directory = STELUX_KATALOG): from a goto received to
// the new readings painted (median and worst of 100 gotos), and the LX200
// :GR# round trip over loopback (median and 99th percentile of 10,000), alone
// and with 31 more clients connected (32 in all, the slots of a server).
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "app/einstellungen.hpp"
#include "app/fenster_fehler.hpp"
#include "app/stelux_unit_main.hpp"
#include "app/teleskop_server.hpp"

namespace {
using Uhr = std::chrono::steady_clock;

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
    }
};

Fenster& Das_Fenster() {
    static int argc = 1;
    static char name[] = "bench_teleskop";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("STELUX_KATALOG"))
        QDir::setCurrent(qEnvironmentVariable("STELUX_KATALOG"));
    static Fenster f;
    return f;
}

double Quantil(std::vector<double> w, double q) {
    std::sort(w.begin(), w.end());
    return w[std::min(w.size() - 1, static_cast<std::size_t>(q * static_cast<double>(w.size())))];
}

void Goto_Bis_Ablesung(benchmark::State& state) {
    if (!qEnvironmentVariableIsSet("STELUX_KATALOG")) return state.SkipWithError("STELUX_KATALOG");
    TForm_Main& f = *Das_Fenster().f;
    if (!f.Teleskop_Server_Starten(Teleskop_Protokoll::Binaer, "127.0.0.1", 0))
        return state.SkipWithError("Server");
    QTcpSocket c;
    c.connectToHost(QHostAddress::LocalHost, f.Teleskop(Teleskop_Protokoll::Binaer)->Port());
    if (!c.waitForConnected(3000)) return state.SkipWithError("Verbindung");
    QLabel* zeile = f.findChild<QLabel*>("Label_Objekt");
    // Four places, each named by a catalogue object: every goto changes the line.
    const Himmelsort orte[] = {
        {16.6948, 36.4613}, {0.7123, 41.2692}, {18.8931, 33.0292}, {5.5881, -5.3911}};
    std::vector<double> ms;
    for (auto _ : state) {
        ms.clear();
        for (int i = 0; i < 100; ++i) {
            const QString vorher = zeile->text();
            const std::string g = Binaer_Goto(orte[i % 4], 0);
            const auto t0 = Uhr::now();
            c.write(g.data(), static_cast<qint64>(g.size()));
            c.flush();
            while (zeile->text() == vorher) QCoreApplication::processEvents();
            f.repaint(); // painted, not only set
            ms.push_back(std::chrono::duration<double, std::milli>(Uhr::now() - t0).count());
            c.readAll();
        }
    }
    state.counters["Median_ms"] = Quantil(ms, 0.5);
    state.counters["Max_ms"] = Quantil(ms, 1.0);
}
BENCHMARK(Goto_Bis_Ablesung)->Unit(benchmark::kMillisecond)->Iterations(1);

void GR_Rundlauf(benchmark::State& state) {
    TForm_Main& f = *Das_Fenster().f;
    f.Objekt_Waehlen("M13");
    if (!f.Teleskop_Server_Starten(Teleskop_Protokoll::LX200, "127.0.0.1", 0))
        return state.SkipWithError("Server");
    const quint16 port = f.Teleskop(Teleskop_Protokoll::LX200)->Port();
    // The other clients poll too, each :GR#:GD# once a second as drivers do.
    std::vector<std::unique_ptr<QTcpSocket>> andere;
    for (int i = 0; i < state.range(0); ++i) {
        andere.push_back(std::make_unique<QTcpSocket>());
        andere.back()->connectToHost(QHostAddress::LocalHost, port);
        if (!andere.back()->waitForConnected(3000)) return state.SkipWithError("Verbindung");
    }
    QTimer abfrage;
    QObject::connect(&abfrage, &QTimer::timeout, [&] {
        for (auto& a : andere) {
            a->readAll();
            a->write(":GR#:GD#");
        }
    });
    abfrage.start(1000);
    std::vector<double> us;
    for (auto _ : state) {
        us.clear();
        std::atomic<bool> fertig{false};
        // The client blocks in its own thread; the window serves on its event loop.
        std::thread client([&] {
            const int s = socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in a{};
            a.sin_family = AF_INET;
            a.sin_port = htons(port);
            a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            int eins = 1;
            setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &eins, sizeof eins);
            if (connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) {
                char puffer[64];
                for (int i = 0; i < 10000; ++i) {
                    const auto t0 = Uhr::now();
                    if (send(s, ":GR#", 4, 0) != 4) break;
                    std::size_t n = 0;
                    while (n == 0 || puffer[n - 1] != '#') {
                        const ssize_t r = recv(s, puffer + n, sizeof puffer - n, 0);
                        if (r <= 0) break;
                        n += static_cast<std::size_t>(r);
                    }
                    us.push_back(
                        std::chrono::duration<double, std::micro>(Uhr::now() - t0).count());
                }
            }
            close(s);
            fertig = true;
        });
        while (!fertig) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        client.join();
    }
    if (us.size() < 10000) return state.SkipWithError("Rundlauf abgebrochen");
    state.counters["Median_us"] = Quantil(us, 0.5);
    state.counters["P99_us"] = Quantil(us, 0.99);
}
BENCHMARK(GR_Rundlauf)->Unit(benchmark::kMillisecond)->Iterations(1)->Arg(0)->Arg(31);
} // namespace

BENCHMARK_MAIN();
