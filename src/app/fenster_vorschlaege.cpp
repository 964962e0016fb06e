// Suggestions under the entry box while typing, and Return in the catalogue list.
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "app/fenster_fehler.hpp"
#include "app/stelux_unit_main.hpp"
#include "shared/zahlen.hpp"

namespace {
constexpr int Zeilen_Hoehe = 26;
constexpr int Hoechstens = 12;

bool Return_Taste(const QKeyEvent* k) {
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}

// Keys of the entry box while suggestions are shown, and Return in the list.
// Installed after the window's own filter, so it sees the keys first.
class Vorschlag_Tasten : public QObject {
public:
    Vorschlag_Tasten(TForm_Main* fenster) : QObject(fenster), f_(fenster) {}

    bool eventFilter(QObject* objekt, QEvent* e) override {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        const bool druck = e->type() == QEvent::KeyPress;
        if (objekt == f_->Combo) {
            // Return confirms the picked entry as the Enter key does (on release,
            // so the key does not reach the entry box afterwards).
            if (Return_Taste(k) && !druck && !k->isAutoRepeat() && f_->Combo->isVisible()) {
                Fehler_Waechter([&] { f_->Button_EnterClick(); });
                return true;
            }
            return false;
        }
        if (objekt != f_->Edit_Objekt) return false;
        QListWidget* liste = f_->Liste_Vorschlaege;
        if (!liste || !liste->isVisible()) return false;
        const int n = liste->count();
        switch (k->key()) {
        case Qt::Key_Down:
        case Qt::Key_Up:
            if (druck && n > 0) {
                const int schritt = k->key() == Qt::Key_Down ? 1 : -1;
                liste->setCurrentRow((liste->currentRow() + schritt + n) % n);
            }
            return true;
        case Qt::Key_Escape:
            if (druck) f_->Vorschlaege_Schliessen();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (liste->currentRow() < 0) return false; // the entry as typed
            if (!druck && !k->isAutoRepeat()) {
                const int zeile = liste->currentRow();
                Fehler_Waechter([&] { f_->Vorschlag_Waehlen(zeile); });
            }
            return true;
        default:
            return false;
        }
    }

private:
    TForm_Main* f_;
};
} // namespace

void TForm_Main::Vorschlaege_Einrichten() {
    Liste_Vorschlaege = new QListWidget(Edit_Objekt->parentWidget());
    Liste_Vorschlaege->setObjectName("Liste_Vorschlaege");
    Liste_Vorschlaege->setFocusPolicy(Qt::NoFocus);
    Liste_Vorschlaege->setAttribute(Qt::WA_ShowWithoutActivating);
    Liste_Vorschlaege->setFont(QFont("Arial Narrow", 15));
    Liste_Vorschlaege->setStyleSheet("QListWidget { background: black; color: white; }"
                                     "QListWidget::item:selected { background: #000080; }");
    Liste_Vorschlaege->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Liste_Vorschlaege->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Liste_Vorschlaege->hide();
    connect(Liste_Vorschlaege, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int zeile = Liste_Vorschlaege->row(item);
        Fehler_Waechter([&] { Vorschlag_Waehlen(zeile); });
    });
    connect(Edit_Objekt, &QLineEdit::textEdited, this,
            [this] { Fehler_Waechter([&] { Vorschlaege_Zeigen(); }); });
    // CE and the catalogue keys set the text without typing: a list of an
    // older text would be stale.
    connect(Edit_Objekt, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.trimmed().size() < 2) Vorschlaege_Schliessen();
    });
    auto* tasten = new Vorschlag_Tasten(this);
    Edit_Objekt->installEventFilter(tasten);
    Combo->installEventFilter(tasten);
}

void TForm_Main::Vorschlaege_Laden() {
    vorschlaege_ = Vorschlags_Index_Bauen(Kontext());
    vorschlaege_geladen_ = true;
}

void TForm_Main::Vorschlaege_Zeigen() {
    // A new entry begins: the last miss is no longer reported.
    Zustand.Nicht_Gefunden_Vergessen();
    // A start-up that stopped before the index was built: build it now.
    if (!vorschlaege_geladen_) Vorschlaege_Laden();
    angezeigt_ = vorschlaege_.Suchen(Edit_Objekt->text().toStdString(), Hoechstens);
    if (angezeigt_.empty()) {
        Vorschlaege_Schliessen();
        return;
    }
    Liste_Vorschlaege->clear();
    for (const Vorschlag& v : angezeigt_) {
        QString zeile = QString::fromStdString(v.Text) + "   (" + QString::fromStdString(v.Art);
        if (v.Mag < 90) zeile += ", " + QString::fromStdString(Fest(v.Mag, 1)) + " mag";
        Liste_Vorschlaege->addItem(zeile + ")");
    }
    const QRect e = Edit_Objekt->geometry();
    Liste_Vorschlaege->setGeometry(e.x(), e.bottom() + 1, e.width(),
                                   static_cast<int>(angezeigt_.size()) * Zeilen_Hoehe + 4);
    Liste_Vorschlaege->setCurrentRow(-1);
    Liste_Vorschlaege->show();
    Liste_Vorschlaege->raise();
}

void TForm_Main::Vorschlag_Waehlen(int zeile) {
    if (zeile < 0 || zeile >= static_cast<int>(angezeigt_.size())) return;
    const std::string eingabe = angezeigt_[static_cast<std::size_t>(zeile)].Eingabe;
    Vorschlaege_Schliessen();
    Edit_Objekt->setText(QString::fromStdString(eingabe));
    Edit_Objekt->setFocus();
    Button_EnterClick();
}

void TForm_Main::Vorschlaege_Schliessen() {
    if (!Liste_Vorschlaege) return;
    Liste_Vorschlaege->hide();
    Liste_Vorschlaege->clear();
    angezeigt_.clear();
}
