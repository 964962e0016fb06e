#include "app/fenster_nachtmodus.hpp"

#include <QApplication>
#include <QCalendarWidget>
#include <QTextCharFormat>
#include <QToolButton>
#include <QWidget>
#include <cmath>

namespace {
bool aktiv = false;
QPalette app_normal;
// Dynamic properties on a widget in night mode: its own palette and style
// sheet of the normal mode.
constexpr const char* Eigene_Palette = "stelux_normale_palette";
constexpr const char* Eigenes_Blatt = "stelux_normales_blatt";

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
const char* Nacht_Blatt =
    "*, QWidget, QAbstractItemView, QListWidget, QComboBox { background: black; "
    "color: rgb(150,0,0); selection-background-color: rgb(60,0,0); "
    "selection-color: rgb(170,0,0); }"
    "QAbstractItemView::item:selected, QListWidget::item:selected { background: rgb(60,0,0); }"
    "QPushButton { border: 1px solid rgb(90,0,0); }"
    "QPushButton:pressed { background: rgb(40,0,0); }"
    // The style's own bevel of these has a white contrast line.
    "QAbstractSpinBox { border: 1px solid rgb(90,0,0); }"
    "QAbstractSpinBox::up-button, QAbstractSpinBox::down-button, QDateTimeEdit::drop-down "
    "{ background: black; border: 1px solid rgb(90,0,0); }"
    "QAbstractSpinBox::up-arrow, QAbstractSpinBox::down-arrow, QDateTimeEdit::down-arrow "
    "{ width: 0px; height: 0px; }"
    "QHeaderView::section { background: black; color: rgb(150,0,0); border: none; "
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

QColor Nacht_Farbe(const QColor& c, bool vordergrund) {
    const double l = (0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue()) / 255.0;
    const int r = vordergrund
                      ? static_cast<int>(std::lround(100 + l * (Nacht_Rot_Hoechstens - 100)))
                      : static_cast<int>(std::lround(l * 40));
    return QColor(r, 0, 0, c.alpha());
}

QPalette Nacht_Palette(const QPalette& p) {
    QPalette n = p;
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto gruppe = static_cast<QPalette::ColorGroup>(g);
            const auto rolle = static_cast<QPalette::ColorRole>(r);
            if (rolle == QPalette::NoRole) continue;
            n.setColor(gruppe, rolle, Nacht_Farbe(p.color(gruppe, rolle), Vordergrund(rolle)));
        }
    return n;
}

void Nachtmodus_Setzen(bool an) {
    if (an == aktiv) return;
    if (an) {
        app_normal = QApplication::palette();
        aktiv = true;
        QApplication::setPalette(Nacht_Palette(app_normal));
    } else {
        aktiv = false;
        QApplication::setPalette(app_normal);
    }
    for (QWidget* w : QApplication::topLevelWidgets()) Nachtmodus_Anwenden(w);
}

void Nachtmodus_Anwenden(QWidget* wurzel) {
    QList<QWidget*> alle = wurzel->findChildren<QWidget*>();
    alle.prepend(wurzel);
    for (QWidget* w : alle) {
        if (auto* k = qobject_cast<QCalendarWidget*>(w)) Kalender_Farben(k);
        const QVariant eigen = w->property(Eigene_Palette);
        if (aktiv && !eigen.isValid()) {
            // Set on every widget: a window does not always follow the
            // application's palette at once.
            if (w->testAttribute(Qt::WA_SetPalette))
                w->setProperty(Eigene_Palette, QVariant::fromValue(w->palette()));
            else
                w->setProperty(Eigene_Palette, QString()); // inherits its parent's
            w->setPalette(Nacht_Palette(w->palette()));
            // The style draws button edges in its own light tones: a sheet of
            // plain red edges instead.
            if (!w->styleSheet().isEmpty() || w->inherits("QAbstractButton") ||
                w->inherits("QAbstractSpinBox") || w->inherits("QCalendarWidget") ||
                w->inherits("QHeaderView")) {
                w->setProperty(Eigenes_Blatt, w->styleSheet());
                w->setStyleSheet(w->styleSheet() + Nacht_Blatt);
            }
        } else if (!aktiv && eigen.isValid()) {
            w->setPalette(eigen.typeId() == QMetaType::QPalette ? eigen.value<QPalette>()
                                                                : QPalette());
            w->setProperty(Eigene_Palette, QVariant());
            const QVariant blatt = w->property(Eigenes_Blatt);
            if (blatt.isValid()) {
                w->setStyleSheet(blatt.toString());
                w->setProperty(Eigenes_Blatt, QVariant());
            }
        }
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
