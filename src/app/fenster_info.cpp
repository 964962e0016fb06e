// Version and system information panels, the manual and the own-objects file.
#include "app/fenster_info.hpp"
#include "app/fenster_sprache.hpp"

#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QUrl>
#include <filesystem>

#include "app/fenster_nachtmodus.hpp"
#include "app/plattform.hpp"
#include "app/stelux_unit_main.hpp"
#include "app/system_info.hpp"
#include "app/versionsinfo.hpp"
#include "shared/fehler.hpp"

void Versionsinfo_Anzeigen(QTableWidget* grid) {
    const auto zeilen = Versionsinfo_Zeilen(
        Versionsinfo_Lesen(QCoreApplication::applicationFilePath().toStdString()));
    for (int r = 0; r < static_cast<int>(zeilen.size()) && r < grid->rowCount(); ++r) {
        grid->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(zeilen[r].first)));
        grid->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(zeilen[r].second)));
    }
}

// Each panel takes the focus into its OK button; Return and Escape close it.
void TForm_Main::Versionsinfo_Zeigen() {
    Panel_Zeigen(Panel_About, Button_About_OK);
}

void TForm_Main::Versionsinfo_Schliessen() {
    Panel_Schliessen(Panel_About);
}

void TForm_Main::Systeminfo_Schliessen() {
    Panel_Schliessen(Panel_SysInfo);
}

void TForm_Main::Systeminfo_Zeigen() {
    Panel_SysInfo->move(0, 0);
    Panel_Zeigen(Panel_SysInfo, Button3);
    Memo_SysInfo->clear();
    Memo_SysInfo->setFont(Schrift("Courier", 13));

    System_Angaben a;
    a.Dateiversion = Versions_Info.FileVersion;
    a.Computer_Name = Computer_Name();
    a.Benutzer_Name = Benutzer_Name();
    a.Temp_Ordner = temp_ordner_;
    a.Programm_Ordner = programm_ordner_;
    a.Daten_Ordner = Zustand.Daten_Ordner();
    a.Zone = Zeitzone_Abfragen();
    for (const std::string& zeile : System_Log(a))
        Memo_SysInfo->appendPlainText(QString::fromStdString(zeile));
}

namespace {
// What the observer is told when no program opened the file.
[[noreturn]] void Nicht_Geoeffnet(const std::string& pfad, const char* art) {
    std::error_code fehler;
    if (!std::filesystem::exists(pfad, fehler)) throw Datei_Nicht_Gefunden(pfad);
    throw Ein_Ausgabe_Fehler(std::string("Kein Programm zum Öffnen gefunden (") + art +
                             "): " + pfad);
}
} // namespace

void TForm_Main::Handbuch_Zeigen() {
    // The manual is built into the program; the PDF in the data folder is the
    // copy for printing.
    if (!Form_Handbuch) {
        auto* text = new QTextBrowser(this);
        text->setWindowFlag(Qt::Window);
        text->setObjectName("Form_Handbuch");
        text->setWindowTitle(Ue("Stelux – Handbuch"));
        text->setOpenExternalLinks(false);
        // The English manual when the window is English and it is built in;
        // else the German one.
        const char* englisch = "qrc:/handbuch/anleitung_en.html";
        const char* quelle = Sprache_Aktiv() == Sprache::Englisch &&
                                     QFile::exists(QUrl(englisch).path().prepend(':'))
                                 ? englisch
                                 : "qrc:/handbuch/anleitung.html";
        text->setSource(QUrl(quelle));
        if (text->toPlainText().isEmpty()) throw Datei_Nicht_Gefunden(quelle);
        text->resize(760, 820);
        text->installEventFilter(this); // Escape closes it
        Form_Handbuch = text;
    }
    Nachtmodus_Anwenden(Form_Handbuch);
    Handbuch_Farben();
    Form_Handbuch->show();
    Form_Handbuch->raise();
    Form_Handbuch->activateWindow();
}

// The document draws its table lines in a grey of its own, outside the palette.
void TForm_Main::Handbuch_Farben() {
    auto* text = qobject_cast<QTextBrowser*>(Form_Handbuch);
    if (!text) return;
    const QString linie = Nachtmodus_Aktiv() ? "#a00000" : "#808080";
    text->document()->setDefaultStyleSheet("table, td, th { border-color: " + linie + "; }");
    text->reload();
}

void TForm_Main::Eigene_Bearbeiten() {
    const std::string pfad = Zustand.Daten_Ordner() + "Eigene_Objekte.txt";
    if (!Text_Bearbeiten(pfad)) Nicht_Geoeffnet(pfad, "Texteditor");
}
