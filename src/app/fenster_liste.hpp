#pragma once
// An observing list in a window of its own: the entries ordered for the
// night, sortable by every column. Return (or a double-click) selects the
// row's object through the main window's one selection entry; the space bar
// marks a row done and moves on to the next. The last list file and the done
// marks of every list file are remembered in the settings. Closing the window
// stops a lookup in progress.
#include <QWidget>
#include <atomic>
#include <functional>
#include <future>
#include <set>

#include "planung/listen_ordnung.hpp"

// Settings keys: the last list file; the done marks of a list file are kept
// under Einstellung_Liste_Erledigt + "_" + a hash of its path (without the
// hash: those of the last list, as older versions kept them).
inline constexpr const char* Einstellung_Liste_Datei = "Beobachtungsliste/Datei";
inline constexpr const char* Einstellung_Liste_Erledigt = "Beobachtungsliste/Erledigt";
std::string Liste_Erledigt_Schluessel(const std::string& pfad);

class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;
class Sitzung;

class TForm_Liste : public QWidget {
    Q_OBJECT
public:
    // `waehlen` receives the designation of a picked row.
    TForm_Liste(Sitzung& sitzung, std::function<void(const QString&)> waehlen,
                QWidget* eltern = nullptr);
    ~TForm_Liste() override;

    // Reads `pfad` (UTF-8) and looks its entries up off the GUI thread; the
    // rows appear when that is done, with the done marks when it is the
    // remembered list. An unreadable file throws at once.
    void Laden(const std::string& pfad);
    // Waits for a lookup in progress and shows it (tests).
    void Abwarten();
    // Stops a lookup in progress at its next candidate; nothing is shown.
    void Suche_Abbrechen();
    bool Sucht() const { return laufend_.valid(); }
    // The columns anew at the session's instant (once a minute by its timer).
    void Neu_Rechnen();
    // The row's object into the main window.
    void Waehlen(int zeile);
    // Marks the row done (or not any more) and moves to the next row.
    void Erledigt_Umschalten(int zeile);
    // The list as .skylist (throws on a write error).
    void Speichern(const std::string& pfad);
    const std::vector<Listen_Zeile>& Zeilen() const { return zeilen_; }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Zeigen();
    void Merken();
    void Suche_Uebernehmen();                            // a finished lookup into the table
    std::string Schluessel(const Listen_Zeile& z) const; // of a done mark

    Sitzung& sitzung_;
    std::function<void(const QString&)> waehlen_;
    struct Suche {
        std::vector<Listen_Zeile> zeilen;
        std::vector<std::string> hinweise;
    };
    std::future<Suche> laufend_;
    std::shared_ptr<std::atomic<bool>> abbrechen_; // of the lookup in laufend_
    std::string pfad_laufend_;
    QTimer* Timer_Suche = nullptr;
    std::string pfad_;
    std::vector<Listen_Zeile> zeilen_;
    std::vector<std::string> hinweise_;
    std::set<std::string> erledigt_;
    double gerechnet_ = 0; // minute of the columns shown
    QTableWidget* Tabelle = nullptr;
    QLabel* Label_Liste_Stand = nullptr;
    QPushButton* Button_Liste_Speichern = nullptr;
    QTimer* Timer_Liste = nullptr;
};
