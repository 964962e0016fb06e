#pragma once
// The "Jetzt beobachtbar" window: what stands above 20° now or rises above it
// within two hours, sortable by every column and filtered by kind and
// magnitude. Built off the GUI thread once a minute and whenever the instant
// jumps (planning instant); Return or a double-click selects an entry.
#include <QWidget>
#include <functional>
#include <future>
#include <memory>

#include "planung/jetzt_beobachtbar.hpp"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QTableWidget;
class QTimer;
class Sitzung;

class TForm_Beobachtbar : public QWidget {
    Q_OBJECT
public:
    // `eingabe` gives the instant, the site and the element tables of the
    // moment (the tables are copied before the build); `waehlen` receives the
    // entry text of a picked row.
    TForm_Beobachtbar(std::function<Beobachtbar_Eingabe()> eingabe,
                      std::function<void(const QString&)> waehlen, QWidget* eltern = nullptr);
    ~TForm_Beobachtbar() override;

    // Starts a build when the minute, the instant or the limit changed, and
    // shows a finished one.
    void Aktualisieren();
    // Waits for a build in progress and shows it (tests).
    void Abwarten();
    // Selects the row's object in the main window.
    void Waehlen(int zeile);

protected:
    // Arrows and Return work in the list as soon as the window is shown.
    void showEvent(QShowEvent* e) override;

private:
    QTableWidget* Tabelle = nullptr;
    QDoubleSpinBox* SpinBox_Mag = nullptr;
    QDoubleSpinBox* SpinBox_Deepsky_Mag = nullptr; // NGC and IC objects
    QCheckBox* Arten[Beobachtbar_Arten] = {};      // one per Beobachtbar_Art
    QLabel* Label_Stand = nullptr;
    QLabel* Label_Nacht = nullptr; // the night's timetable over the list

    struct Ergebnis {
        std::shared_ptr<const Beobachtbar_Katalog> katalog;
        std::shared_ptr<const Sonnensystem_Vorrat> vorrat;
        std::vector<Beobachtbar_Zeile> zeilen;
    };
    void Zeigen();
    // A build has returned (called on the GUI thread): its list is shown.
    void Fertig(int bau);

    std::function<Beobachtbar_Eingabe()> eingabe_;
    std::function<void(const QString&)> waehlen_;
    std::shared_ptr<const Beobachtbar_Katalog> katalog_;
    std::shared_ptr<const Sonnensystem_Vorrat> vorrat_; // Moon and planets, looked up once a day
    std::future<Ergebnis> laufend_;
    int bau_ = 0;               // number of the last build started
    std::string schluessel_;    // minute and limit of the list shown or in build
    std::string stand_;         // the instant of the list, zone time
    std::string stand_laufend_; // that of the build in progress
    std::vector<Beobachtbar_Zeile> zeilen_;
    QTimer* Timer_Beobachtbar = nullptr;
};

// What the list is built from: the instant, the site and the element tables of
// the session as its clock tick left them.
Beobachtbar_Eingabe Fenster_Eingabe(const Sitzung& sitzung);
