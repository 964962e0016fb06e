#pragma once
// The observing log: the "Notieren" dialog that adds an entry, and the
// "Beobachtungsbuch" window that shows the entries by night, edits a note,
// deletes an entry after asking and exports all or one night's entries.
#include <QDialog>
#include <QWidget>
#include <functional>

#include "buch/beobachtungsbuch.hpp"

// Settings key: the folder of the last export.
inline constexpr const char* Einstellung_Buch_Export_Ordner = "Beobachtungsbuch/Export_Ordner";

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class Sitzung;

// The note of one observation: text, seeing 1–5, transparency, eyepiece or exposure.
class TForm_Notieren : public QDialog {
    Q_OBJECT
public:
    // `speichern` writes the entry when the observer confirms; the dialog
    // closes only when it went through, so a failed write loses no note.
    TForm_Notieren(const QString& objekt, std::function<void(const TForm_Notieren&)> speichern,
                   QWidget* eltern = nullptr);
    // The dialog's fields into the entry.
    void Uebernehmen(Buch_Eintrag& e) const;
    // Escape or "Abbrechen": asks first when something was typed.
    void reject() override;

    QLineEdit* Edit_Notiz = nullptr;
    QComboBox* ComboBox_Seeing = nullptr;
    QLineEdit* Edit_Transparenz = nullptr;
    QLineEdit* Edit_Okular = nullptr;
};

class TForm_Buch : public QWidget {
    Q_OBJECT
public:
    TForm_Buch(Sitzung& sitzung, QWidget* eltern = nullptr);
    // Reads the log anew and shows the chosen night's entries.
    void Laden();
    // The note of the entry in table row `zeile` (rewrites the log).
    void Notiz_Aendern(int zeile, const std::string& notiz);
    // Deletes the entry in table row `zeile` after asking (rewrites the log).
    void Loeschen(int zeile);
    // The shown entries into `pfad`: .xml OAL 2.1, .csv, .skylist. For OAL the
    // observer and focal lengths are asked for once.
    void Exportieren(const std::string& pfad);
    // The export's file from a save dialog (empty: none chosen).
    QString Export_Erfragen();
    const Beobachtungsbuch& Buch() const { return buch_; }

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Zeigen();
    std::vector<std::size_t> Gezeigt() const; // indices of the entries of the chosen night
    bool Beobachter_Erfragen();
    void Eintrag_Aendern(int zeile,
                         const std::function<void(Beobachtungsbuch&, std::size_t)>& aendern);

    Sitzung& sitzung_;
    Beobachtungsbuch buch_;
    bool zeigen_laeuft_ = false;
    QComboBox* ComboBox_Nacht = nullptr;
    QTableWidget* Tabelle = nullptr;
    QLabel* Label_Buch_Stand = nullptr;
    QPushButton* Button_Buch_Export = nullptr;
};
