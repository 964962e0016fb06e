#include "app/fenster_fehler.hpp"
#include "app/fenster_sprache.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <exception>

namespace {
Meldungs_Anzeige& Ersatz() {
    static Meldungs_Anzeige a;
    return a;
}
} // namespace

void Meldungs_Anzeige_Setzen(Meldungs_Anzeige anzeige) {
    Ersatz() = std::move(anzeige);
}

void Melden(Meldungsart art, const QString& text) {
    if (Ersatz()) return Ersatz()(art, text);
    QWidget* fenster = QApplication::activeWindow();
    if (art == Meldungsart::Fehler)
        QMessageBox::critical(fenster, "Stelux", text);
    else
        QMessageBox::information(fenster, "Stelux", text);
}

namespace {
Frage_Anzeige& Frage_Ersatz() {
    static Frage_Anzeige a;
    return a;
}
} // namespace

void Frage_Anzeige_Setzen(Frage_Anzeige anzeige) {
    Frage_Ersatz() = std::move(anzeige);
}

bool Fragen(const QString& text, const QString& ja) {
    if (Frage_Ersatz()) return Frage_Ersatz()(text);
    QMessageBox box(QMessageBox::Warning, "Stelux", text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* ok = box.addButton(ja, QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(Ue("Abbrechen"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == ok;
}

bool Fehler_Waechter(const std::function<void()>& schritt) {
    try {
        schritt();
        return true;
    } catch (const std::exception& e) {
        Melden(Meldungsart::Fehler, QString::fromStdString(e.what()));
    } catch (...) {
        Melden(Meldungsart::Fehler, Ue("Unbekannter Fehler"));
    }
    return false;
}
