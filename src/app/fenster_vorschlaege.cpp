// Suggestions under the entry box while typing, and Return in the catalogue list.
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "app/fenster_fehler.hpp"
#include "app/fenster_sprache.hpp"
#include "app/fenster_texte.hpp"
#include "app/plattform.hpp"
#include "app/stelux_unit_main.hpp"
#include "shared/zahlen.hpp"

namespace {
constexpr int Zeilen_Hoehe = 26;
constexpr int Hoechstens = 12;

} // namespace

void TForm_Main::Vorschlaege_Einrichten() {
    Liste_Vorschlaege = new QListWidget(Edit_Objekt->parentWidget());
    Liste_Vorschlaege->setObjectName("Liste_Vorschlaege");
    Liste_Vorschlaege->setFocusPolicy(Qt::NoFocus);
    Liste_Vorschlaege->setAttribute(Qt::WA_ShowWithoutActivating);
    Liste_Vorschlaege->setFont(QFont(Schrift_Familie("Arial Narrow"), 15));
    Liste_Vorschlaege->setStyleSheet("QListWidget { background: black; color: white; }"
                                     "QListWidget::item:selected { background: #000080; }");
    Liste_Vorschlaege->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Liste_Vorschlaege->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Liste_Vorschlaege->hide();
    connect(Liste_Vorschlaege, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int zeile = Liste_Vorschlaege->row(item) - (meinten_sie_ ? 1 : 0);
        Fehler_Waechter([&] { Vorschlag_Waehlen(zeile); });
    });
    connect(Edit_Objekt, &QLineEdit::textEdited, this,
            [this] { Fehler_Waechter([&] { Vorschlaege_Zeigen(); }); });
    // CE and the catalogue keys set the text without typing: a list of an
    // older text would be stale.
    connect(Edit_Objekt, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.trimmed().size() < 2) Vorschlaege_Schliessen();
    });
}

bool TForm_Main::Vorschlag_Taste(QKeyEvent* k) {
    if (!Liste_Vorschlaege || !Liste_Vorschlaege->isVisible()) return false;
    const int n = Liste_Vorschlaege->count();
    switch (k->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up: {
        // Under "Meinten Sie:" the heading row is never highlighted.
        const int erste = meinten_sie_ ? 1 : 0;
        const int m = n - erste;
        if (m > 0) {
            const int schritt = k->key() == Qt::Key_Down ? 1 : -1;
            const int jetzt = Liste_Vorschlaege->currentRow() - erste;
            const int von = jetzt < 0 ? (schritt > 0 ? -1 : 0) : jetzt;
            Liste_Vorschlaege->setCurrentRow(erste + (von + schritt + m) % m);
        }
        return true;
    }
    case Qt::Key_Escape:
        Vorschlaege_Schliessen();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!k->isAutoRepeat()) Fehler_Waechter([this] { Vorschlag_Bestaetigen(); });
        return true;
    default:
        return false;
    }
}

void TForm_Main::Vorschlag_Bestaetigen() {
    if (angezeigt_.empty()) return Eingabe_Bestaetigen();
    if (meinten_sie_) {
        const int zeile = Liste_Vorschlaege->currentRow() - 1;
        return zeile >= 0 ? Vorschlag_Waehlen(zeile) : Eingabe_Bestaetigen();
    }
    const int zeile = std::max(Liste_Vorschlaege->currentRow(), 0);
    const std::string vorschlag = angezeigt_[static_cast<std::size_t>(zeile)].Eingabe;
    // Only a hit counts for the typed text: a miss falls back to the list.
    Objekt_Waehlen(Edit_Objekt->text().toStdString(), vorschlag);
}

void TForm_Main::Vorschlaege_Laden() {
    // The session's index, read anew with the element tables just loaded.
    Zustand.Namen_Index_Erneuern();
    Zustand.Namen_Index();
    vorschlaege_geladen_ = true;
}

void TForm_Main::Vorschlaege_Zeigen() {
    // A new entry begins: the last miss is no longer reported.
    Zustand.Nicht_Gefunden_Vergessen();
    // A start-up that stopped before the index was built: build it now.
    if (!vorschlaege_geladen_) Vorschlaege_Laden();
    angezeigt_ = Zustand.Namen_Index().Suchen(Edit_Objekt->text().toStdString(), Hoechstens);
    Vorschlaege_Liste_Fuellen(QString());
}

void TForm_Main::Meinten_Sie_Zeigen(const std::vector<Vorschlag>& vorschlaege) {
    angezeigt_ = vorschlaege;
    Vorschlaege_Liste_Fuellen(Ue("Meinten Sie:"));
}

void TForm_Main::Vorschlaege_Liste_Fuellen(const QString& ueberschrift) {
    meinten_sie_ = !ueberschrift.isEmpty();
    if (angezeigt_.empty()) {
        Vorschlaege_Schliessen();
        return;
    }
    Liste_Vorschlaege->clear();
    if (meinten_sie_) {
        auto* kopf = new QListWidgetItem(ueberschrift, Liste_Vorschlaege);
        // Shown in the list's own colours (night mode too), never highlighted.
        kopf->setFlags(Qt::ItemIsEnabled);
        QFont schrift = Liste_Vorschlaege->font();
        schrift.setItalic(true);
        kopf->setFont(schrift);
    }
    for (const Vorschlag& v : angezeigt_) {
        QString zeile = QString::fromStdString(v.Text) + "   (" + Typ_Wort(v.Art);
        if (v.Mag < 90) zeile += ", " + QString::fromStdString(Fest(v.Mag, 1)) + " mag";
        Liste_Vorschlaege->addItem(zeile + ")");
    }
    const QRect e = Edit_Objekt->geometry();
    Liste_Vorschlaege->setGeometry(e.x(), e.bottom() + 1, e.width(),
                                   Liste_Vorschlaege->count() * Zeilen_Hoehe + 4);
    Liste_Vorschlaege->setCurrentRow(-1);
    Liste_Vorschlaege->show();
    Liste_Vorschlaege->raise();
}

void TForm_Main::Vorschlag_Waehlen(int zeile) {
    if (zeile < 0 || zeile >= static_cast<int>(angezeigt_.size())) return;
    const std::string eingabe = angezeigt_[static_cast<std::size_t>(zeile)].Eingabe;
    Objekt_Waehlen(eingabe);
}

void TForm_Main::Vorschlaege_Schliessen() {
    if (!Liste_Vorschlaege) return;
    Liste_Vorschlaege->hide();
    Liste_Vorschlaege->clear();
    angezeigt_.clear();
    meinten_sie_ = false;
}
