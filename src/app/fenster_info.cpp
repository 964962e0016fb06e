// Version and system information panels, the manual and the own-objects file.
#include "app/fenster_info.hpp"

#include <QCoreApplication>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>

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

void TForm_Main::Version2Click() {
    Panel_About->raise();
    Panel_About->show();
}

void TForm_Main::Button_About_OKClick() {
    Panel_About->hide();
}

void TForm_Main::Button3Click() {
    Panel_SysInfo->hide();
}

void TForm_Main::SystemInformation1Click() {
    Panel_SysInfo->move(0, 0);
    Panel_SysInfo->raise();
    Panel_SysInfo->show();
    Button3->setFocus();
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

void TForm_Main::Handbuch1Click() {
    const std::string pfad = Zustand.Daten_Ordner() + "Stelux_Anleitung.pdf";
    if (!Dokument_Oeffnen(pfad)) Nicht_Geoeffnet(pfad, "PDF-Anzeige");
}

void TForm_Main::Eigene1Click() {
    const std::string pfad = Zustand.Daten_Ordner() + "Eigene_Objekte.txt";
    if (!Text_Bearbeiten(pfad)) Nicht_Geoeffnet(pfad, "Texteditor");
}
