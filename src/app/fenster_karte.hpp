#pragma once
// The finder chart window: the selected object's field, redrawn when the
// selection changes and, for a moving body, as time goes on.
#include <QWidget>
#include <functional>
#include <future>
#include <memory>

#include "app/karte_zeichnen.hpp"
#include "bedienung/sitzung.hpp"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTimer;

class TForm_Karte : public QWidget {
    Q_OBJECT
public:
    // `zustand` is the main window's observing state: the selected object, the
    // instant and the lookup's context for the track of a moving body; `titel`
    // gives the object as the main window names it.
    TForm_Karte(Sitzung& zustand, std::function<std::string()> titel, QWidget* eltern = nullptr);
    ~TForm_Karte() override;

    // Colours: screen, print or night (the night mode passes its flag here).
    void Schema_Setzen(Karten_Schema schema);
    Karten_Schema Schema() const { return schema_; }
    // One step through the zoom levels: +1 smaller field, -1 larger.
    void Zoom(int schritt);
    // Looks at the selection and the clock; redraws what changed.
    void Aktualisieren();
    // The planned instant in words under the chart's title; empty: now.
    void Zeitpunkt_Setzen(const std::string& text);
    // Waits for the star index (tests).
    void Index_Abwarten();

    const Karten_Inhalt& Inhalt() const { return inhalt_; }
    const Karten_Optionen& Optionen() const { return optionen_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    class Flaeche;
    void Optionen_Geaendert();
    void Neu_Berechnen();

    Sitzung& zustand_;
    std::function<std::string()> titel_;
    std::string zeitpunkt_;
    Karten_Optionen optionen_;
    Karten_Schema schema_ = Karten_Schema::Bildschirm;
    std::shared_future<std::shared_ptr<const Stern_Index>> laden_;
    std::shared_ptr<const Stern_Index> index_;
    std::string fehler_; // why there is no chart
    Karten_Inhalt inhalt_;
    std::vector<Bahn_Punkt> bahn_;
    std::string schluessel_;      // what the chart shows; recomputed when it changes
    std::string bahn_schluessel_; // object and minute of the track
    Flaeche* flaeche_ = nullptr;
    QLabel* Label_Feld = nullptr;
    QCheckBox* CheckBox_Spiegel = nullptr;
    QSpinBox* SpinBox_Drehung = nullptr;
    QComboBox* Combo_Schema = nullptr;
    QDoubleSpinBox* SpinBox_Cassegrain = nullptr;
    QDoubleSpinBox* SpinBox_Schmidt = nullptr;
    QTimer* Timer_Karte = nullptr;
};
