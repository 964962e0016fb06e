#include "app/fenster_neben.hpp"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <string>

#include "app/einstellungen.hpp"

namespace {
constexpr const char* Platziert = "stelux_platziert";
constexpr const char* Titel_Zusatz = "stelux_planung_titel";

std::string Schluessel(const QWidget* f) {
    return "Fenster/" + f->objectName().toStdString();
}

// Remembers the frame's place and size whenever the window is hidden.
class Merker : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Hide) {
            auto* f = static_cast<QWidget*>(o);
            const QRect g = f->geometry();
            Einstellung_Text_Schreiben(Schluessel(f).c_str(), QString("%1,%2,%3,%4")
                                                                  .arg(g.x())
                                                                  .arg(g.y())
                                                                  .arg(g.width())
                                                                  .arg(g.height())
                                                                  .toStdString());
        }
        return false;
    }
};

QRect Gemerkt(const QWidget* f) {
    const QStringList t =
        QString::fromStdString(Einstellung_Text_Lesen(Schluessel(f).c_str(), "")).split(',');
    if (t.size() != 4) return {};
    bool ok[4];
    const QRect r(t[0].toInt(&ok[0]), t[1].toInt(&ok[1]), t[2].toInt(&ok[2]), t[3].toInt(&ok[3]));
    if (!(ok[0] && ok[1] && ok[2] && ok[3]) || r.width() < 100 || r.height() < 80) return {};
    // Only when it is wholly on a screen as it is now.
    for (const QScreen* s : QGuiApplication::screens())
        if (s->availableGeometry().contains(r)) return r;
    return {};
}

class Dialog_Tasten : public QObject {
public:
    Dialog_Tasten(const QList<QAction*>& aktionen, QObject* eltern)
        : QObject(eltern), aktionen_(aktionen) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        QWidget* dialog = QApplication::activeModalWidget();
        auto* w = qobject_cast<QWidget*>(o);
        if (!dialog || !w || w->window() != dialog) return false;
        const QKeySequence taste(static_cast<QKeyEvent*>(e)->keyCombination());
        for (QAction* a : aktionen_)
            if (a->isEnabled() && a->shortcut() == taste) {
                if (!static_cast<QKeyEvent*>(e)->isAutoRepeat()) a->trigger();
                return true;
            }
        return false;
    }

private:
    QList<QAction*> aktionen_;
};
} // namespace

void Dialog_Tasten_Einrichten(QObject* haupt, const QList<QAction*>& aktionen) {
    // Owned by the main window: gone with it (the application skips a deleted filter).
    qApp->installEventFilter(new Dialog_Tasten(aktionen, haupt));
}

QRect Nebenfenster_Platz(const QSize& soll, const QRect& h, int haupt_oben, const QRect& bild) {
    const int rand = 4, titel = 30; // frame edge and title bar (estimated)
    enum Seite { Rechts, Links, Unten, Oben };
    const QRect streifen[] = {QRect(QPoint(h.right() + 1, bild.top()), bild.bottomRight()),
                              QRect(bild.topLeft(), QPoint(h.left() - 1, bild.bottom())),
                              QRect(QPoint(bild.left(), h.bottom() + 1), bild.bottomRight()),
                              QRect(bild.topLeft(), QPoint(bild.right(), h.top() - 1))};
    QRect best;
    for (int seite = Rechts; seite <= Oben; ++seite) {
        const QRect& s = streifen[seite];
        const int b = std::min(soll.width(), s.width() - 2 * rand);
        const int hh = std::min(soll.height(), s.height() - titel - 2 * rand);
        if (b < 320 || hh < 240 || long(b) * hh <= long(best.width()) * best.height()) continue;
        const int x_innen = s.left() + rand, x_rechts = s.right() - rand - b;
        const int y_innen = s.top() + titel, y_unten = s.bottom() - rand - hh;
        if (seite == Rechts || seite == Links)
            best = QRect(seite == Rechts ? x_innen : x_rechts,
                         std::clamp(h.top() + titel, y_innen, y_unten), b, hh);
        else
            best = QRect(std::clamp(h.left() + rand, x_innen, x_rechts),
                         seite == Unten ? y_innen : y_unten, b, hh);
    }
    if (!best.isNull()) return best;
    // The lowest reading ends about 580 px below the top of the main
    // window's client area.
    const int y = std::min(haupt_oben + 580, bild.bottom() - 240) + titel;
    const int b = std::min(soll.width(), bild.width() - 2 * rand);
    const int hh = std::max(200, std::min(soll.height(), bild.bottom() - rand - y));
    return QRect(std::clamp(h.right() - rand - b, bild.left() + rand, bild.right() - rand - b), y,
                 b, hh);
}

namespace {
// Escape anywhere in the window closes it, before any of its controls sees
// the key; a popup and a table cell being edited keep their Escape.
class Escape_Schliesst : public QObject {
public:
    Escape_Schliesst(QWidget* fenster, QWidget* haupt)
        : QObject(fenster), fenster_(fenster), haupt_(haupt) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_Escape)
            return false;
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->window() != fenster_ || QApplication::activePopupWidget()) return false;
        const QWidget* eltern = w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr;
        if (qobject_cast<const QAbstractItemView*>(eltern)) return false;
        fenster_->close();
        haupt_->activateWindow();
        return true;
    }

private:
    QWidget *fenster_, *haupt_;
};
} // namespace

void Nebenfenster_Einrichten(QWidget* fenster, QWidget* haupt) {
    fenster->installEventFilter(new Merker(fenster));
    qApp->installEventFilter(new Escape_Schliesst(fenster, haupt));
}

void Nebenfenster_Zeigen(QWidget* fenster, QWidget* haupt) {
    if (!fenster->property(Platziert).toBool()) {
        fenster->setProperty(Platziert, true);
        QRect r = Gemerkt(fenster);
        if (r.isNull()) {
            const QScreen* s = haupt->screen() ? haupt->screen() : QGuiApplication::primaryScreen();
            r = Nebenfenster_Platz(fenster->size(), haupt->frameGeometry(), haupt->geometry().top(),
                                   s->availableGeometry());
        }
        fenster->setGeometry(r);
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

void Planung_Zeigen(QWidget* fenster, const QString& text) {
    auto* zeile = fenster->findChild<QLabel*>("Label_Planung_Fenster", Qt::FindDirectChildrenOnly);
    if (!zeile) {
        zeile = new QLabel(fenster);
        zeile->setObjectName("Label_Planung_Fenster");
        QFont schrift = zeile->font();
        schrift.setBold(true);
        zeile->setFont(schrift);
        if (auto* aufbau = qobject_cast<QBoxLayout*>(fenster->layout()))
            aufbau->insertWidget(0, zeile);
    }
    zeile->setText(text);
    zeile->setVisible(!text.isEmpty());
    // The title without the previous instant, then with the new one.
    QString titel = fenster->windowTitle();
    const QString alt = fenster->property(Titel_Zusatz).toString();
    if (!alt.isEmpty() && titel.endsWith(alt)) titel.chop(alt.size());
    const QString neu = text.isEmpty() ? QString() : QString::fromUtf8(" – ") + text;
    fenster->setProperty(Titel_Zusatz, neu);
    fenster->setWindowTitle(titel + neu);
}
