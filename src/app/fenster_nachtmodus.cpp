#include "app/fenster_nachtmodus.hpp"

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QTextCharFormat>
#include <QToolButton>
#include <QToolTip>
#include <QWidget>
#include <cmath>
#include <utility>
#include <vector>

namespace {
bool aktiv = false;
QPalette app_normal;
// Dynamic properties on a widget in night mode: its own palette and style
// sheet of the normal mode.
constexpr const char* Eigene_Palette = "stelux_normale_palette";
constexpr const char* Eigenes_Blatt = "stelux_normales_blatt";
constexpr const char* Invers = "stelux_nacht_invers";
// An entry box shown without its frame at night: the style draws the frame of
// the focused box in a light tint of the selection colour (pink for red).
constexpr const char* Rahmen = "stelux_normaler_rahmen";
QPalette tipp_normal;

bool Vordergrund(QPalette::ColorRole r) {
    switch (r) {
    case QPalette::WindowText:
    case QPalette::Text:
    case QPalette::ButtonText:
    case QPalette::BrightText:
    case QPalette::HighlightedText:
    case QPalette::ToolTipText:
    case QPalette::PlaceholderText:
    case QPalette::Link:
    case QPalette::LinkVisited:
        return true;
    default:
        return false;
    }
}

// The style sheets of the lists name their colours; in night mode a sheet of
// the same rules in red and black is laid over them.
// A selection is shown inverted: dark red behind red text would not be readable.
const char* Nacht_Blatt =
    "*, QWidget, QAbstractItemView, QListWidget, QComboBox { background: black; "
    "color: rgb(245,0,0); selection-background-color: rgb(255,0,0); "
    "selection-color: black; }"
    "*:disabled { color: rgb(195,0,0); }"
    "QAbstractItemView::item:selected, QListWidget::item:selected { background: rgb(255,0,0); "
    "color: black; }"
    "QPushButton { border: 1px solid rgb(120,0,0); }"

    "QPushButton:pressed { background: rgb(20,0,0); }"
    // The style's own bevel of these has a white contrast line.
    "QAbstractSpinBox { border: 1px solid rgb(90,0,0); }"
    "QAbstractSpinBox::up-button, QAbstractSpinBox::down-button, QDateTimeEdit::drop-down "
    "{ background: black; border: 1px solid rgb(90,0,0); }"
    "QAbstractSpinBox::up-arrow, QAbstractSpinBox::down-arrow, QDateTimeEdit::down-arrow "
    "{ width: 0px; height: 0px; }"
    // The style shades the scroll bars in grey.
    "QScrollBar { background: black; border: 1px solid rgb(90,0,0); }"
    "QScrollBar:vertical { width: 14px; } QScrollBar:horizontal { height: 14px; }"
    "QScrollBar::handle { background: rgb(110,0,0); min-height: 20px; min-width: 20px; }"
    "QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none; }"
    "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"
    "QHeaderView::section { background: black; color: rgb(245,0,0); border: none; "
    "border-right: 1px solid rgb(60,0,0); border-bottom: 1px solid rgb(60,0,0); }";

// A calendar paints its weekend days in its own red, outside the palette.
void Kalender_Farben(QCalendarWidget* k) {
    for (const Qt::DayOfWeek tag : {Qt::Saturday, Qt::Sunday}) {
        QTextCharFormat f = k->weekdayTextFormat(tag);
        f.setForeground(aktiv ? Nacht_Farbe(Qt::red, true) : QColor(Qt::red));
        k->setWeekdayTextFormat(tag, f);
    }
    // The month arrows are coloured pictures: drawn arrows in the text colour instead.
    for (const auto& [name, pfeil] : {std::pair{"qt_calendar_prevmonth", Qt::LeftArrow},
                                      std::pair{"qt_calendar_nextmonth", Qt::RightArrow}})
        if (auto* b = k->findChild<QToolButton*>(name))
            b->setArrowType(aktiv ? pfeil : Qt::NoArrow);
}
} // namespace

bool Nachtmodus_Aktiv() {
    return aktiv;
}

// Text from 240 to 255 red, grounds from 0 to 20: at least 4.5 : 1 between
// any text and any ground (WCAG relative luminance).
QColor Nacht_Farbe(const QColor& c, bool vordergrund) {
    const double l = (0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue()) / 255.0;
    const int r = vordergrund
                      ? static_cast<int>(std::lround(240 + l * (Nacht_Rot_Hoechstens - 240)))
                      : static_cast<int>(std::lround(l * 20));
    return QColor(r, 0, 0, c.alpha());
}

QPalette Nacht_Palette(const QPalette& p) {
    QPalette n = p;
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto gruppe = static_cast<QPalette::ColorGroup>(g);
            const auto rolle = static_cast<QPalette::ColorRole>(r);
            if (rolle == QPalette::NoRole) continue;
            QColor c = Nacht_Farbe(p.color(gruppe, rolle), Vordergrund(rolle));
            if (gruppe == QPalette::Disabled && Vordergrund(rolle))
                c = QColor(Nacht_Rot_Gesperrt, 0, 0);
            n.setColor(gruppe, rolle, c);
        }
    // The selection inverted.
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        const auto gruppe = static_cast<QPalette::ColorGroup>(g);
        n.setColor(gruppe, QPalette::Highlight, QColor(Nacht_Rot_Hoechstens, 0, 0));
        n.setColor(gruppe, QPalette::HighlightedText, Qt::black);
    }
    return n;
}

namespace {
// Black on the brightest red.
QPalette Invers_Palette(const QPalette& p) {
    QPalette n = p;
    n.setColor(QPalette::Window, QColor(Nacht_Rot_Hoechstens, 0, 0));
    n.setColor(QPalette::WindowText, Qt::black);
    return n;
}
} // namespace

void Nacht_Invers(QWidget* w) {
    w->setProperty(Invers, true);
}

void Nachtmodus_Setzen(bool an) {
    if (an == aktiv) return;
    if (an) {
        app_normal = QApplication::palette();
        tipp_normal = QToolTip::palette();
        aktiv = true;
        QApplication::setPalette(Nacht_Palette(app_normal));
        QToolTip::setPalette(Nacht_Palette(tipp_normal));
    } else {
        aktiv = false;
        QApplication::setPalette(app_normal);
        QToolTip::setPalette(tipp_normal);
    }
    for (QWidget* w : QApplication::topLevelWidgets()) Nachtmodus_Anwenden(w);
}

namespace {
bool Braucht_Blatt(const QWidget* w) {
    // The style draws button edges in its own light tones: a sheet of plain
    // red edges instead.
    return !w->styleSheet().isEmpty() || w->inherits("QAbstractButton") ||
           w->inherits("QAbstractSpinBox") || w->inherits("QCalendarWidget") ||
           w->inherits("QScrollBar") || w->inherits("QHeaderView");
}
} // namespace

// In passes, so that the way back is exact: first what every widget has,
// then the sheets, then the palettes. A sheet reaches the children of its
// widget and keeps the palette it found on each, to give back when it goes.
void Nachtmodus_Anwenden(QWidget* wurzel) {
    QList<QWidget*> alle = wurzel->findChildren<QWidget*>();
    alle.prepend(wurzel);
    for (QWidget* w : alle)
        if (auto* k = qobject_cast<QCalendarWidget*>(w)) Kalender_Farben(k);
    if (aktiv) {
        std::vector<std::pair<QWidget*, QPalette>> neu;
        for (QWidget* w : alle) {
            if (w->property(Eigene_Palette).isValid()) continue;
            if (w->testAttribute(Qt::WA_SetPalette))
                w->setProperty(Eigene_Palette, QVariant::fromValue(w->palette()));
            else
                w->setProperty(Eigene_Palette, QString()); // inherits its parent's
            // Set on every widget: a window does not always follow the
            // application's palette at once.
            const QPalette nacht = Nacht_Palette(w->palette());
            neu.emplace_back(w, w->property(Invers).toBool() ? Invers_Palette(nacht) : nacht);
        }
        for (const auto& [w, p] : neu)
            if (Braucht_Blatt(w)) {
                w->setProperty(Eigenes_Blatt, w->styleSheet());
                w->setStyleSheet(w->styleSheet() + Nacht_Blatt);
            }
        for (const auto& [w, p] : neu) {
            w->setPalette(p);
            if (auto* e = qobject_cast<QLineEdit*>(w); e && e->hasFrame()) {
                e->setProperty(Rahmen, true);
                e->setFrame(false);
            }
        }
        return;
    }
    for (QWidget* w : alle)
        if (auto* e = qobject_cast<QLineEdit*>(w); e && e->property(Rahmen).isValid()) {
            e->setFrame(true);
            e->setProperty(Rahmen, QVariant());
        }
    // The sheets first: a sheet gives back the palette it found when it
    // came, which for a window opened at night is a night one.
    for (QWidget* w : alle) {
        const QVariant blatt = w->property(Eigenes_Blatt);
        if (!blatt.isValid()) continue;
        w->setStyleSheet(blatt.toString());
        w->setProperty(Eigenes_Blatt, QVariant());
    }
    // Then the palettes, children before their parents: a widget that
    // inherits takes its parent's palette when that is set.
    for (auto it = alle.rbegin(); it != alle.rend(); ++it) {
        QWidget* w = *it;
        const QVariant eigen = w->property(Eigene_Palette);
        if (!eigen.isValid()) continue;
        if (eigen.typeId() == QMetaType::QPalette) {
            w->setPalette(eigen.value<QPalette>());
        } else {
            w->setPalette(QPalette());
            w->setAttribute(Qt::WA_SetPalette, false);
        }
        w->setProperty(Eigene_Palette, QVariant());
    }
}

void Schriftfarbe_Setzen(QWidget* w, const QColor& farbe) {
    QPalette p = w->palette();
    if (!aktiv) {
        p.setColor(QPalette::WindowText, farbe);
        w->setPalette(p);
        return;
    }
    const QVariant eigen = w->property(Eigene_Palette);
    QPalette normal = eigen.typeId() == QMetaType::QPalette ? eigen.value<QPalette>() : p;
    // Text in its background's colour hides it: so in night mode too.
    const bool verborgen = farbe == normal.color(QPalette::Window);
    normal.setColor(QPalette::WindowText, farbe);
    w->setProperty(Eigene_Palette, QVariant::fromValue(normal));
    p.setColor(QPalette::WindowText,
               verborgen ? p.color(QPalette::Window) : Nacht_Farbe(farbe, true));
    w->setPalette(p);
}

void Schrift_Verbergen(QWidget* w) {
    const QVariant eigen = w->property(Eigene_Palette);
    const QPalette normal =
        eigen.typeId() == QMetaType::QPalette ? eigen.value<QPalette>() : w->palette();
    Schriftfarbe_Setzen(w, normal.color(QPalette::Window));
}
