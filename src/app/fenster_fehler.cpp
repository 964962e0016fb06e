#include "app/fenster_fehler.hpp"

#include <QApplication>
#include <QMessageBox>
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

bool Fehler_Waechter(const std::function<void()>& schritt) {
    try {
        schritt();
        return true;
    } catch (const std::exception& e) {
        Melden(Meldungsart::Fehler, QString::fromStdString(e.what()));
    } catch (...) {
        Melden(Meldungsart::Fehler, "Unbekannter Fehler");
    }
    return false;
}
