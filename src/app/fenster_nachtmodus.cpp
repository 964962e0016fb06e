#include "app/fenster_nachtmodus.hpp"

#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTextCharFormat>
#include <QToolButton>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {
bool aktiv = false;
int stufe_ = Nacht_Stufe_Vorgabe;
QPalette app_normal;
bool native_dialoge_aus = false; // the attribute as it was before the night
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
// the same rules in red and black is laid over them. A selection is a dark
// red fill behind the brightest text.
QString Nacht_Blatt() {
    const Nacht_Toene t = Nacht_Ton(stufe_);
    const auto rot = [](int r) { return QString("rgb(%1,0,0)").arg(r); };
    return QString("*, QWidget, QAbstractItemView, QListWidget, QComboBox { background: black; "
                   "color: %1; selection-background-color: %2; selection-color: %3; }"
                   "*:disabled { color: %4; }"
                   "QAbstractItemView::item:selected, QListWidget::item:selected { background: %2; "
                   "color: %3; }"
                   "QPushButton { border: 1px solid rgb(120,0,0); }"
                   "QPushButton:pressed { background: rgb(20,0,0); }"
                   // The style's own bevel of these has a white contrast line.
                   "QAbstractSpinBox { border: 1px solid rgb(90,0,0); }"
                   "QAbstractSpinBox::up-button, QAbstractSpinBox::down-button, "
                   "QDateTimeEdit::drop-down { background: black; border: 1px solid rgb(90,0,0); }"
                   "QAbstractSpinBox::up-arrow, QAbstractSpinBox::down-arrow, "
                   "QDateTimeEdit::down-arrow { width: 0px; height: 0px; }"
                   // The style shades the scroll bars in grey.
                   "QScrollBar { background: black; border: 1px solid rgb(90,0,0); }"
                   "QScrollBar:vertical { width: 14px; } QScrollBar:horizontal { height: 14px; }"
                   "QScrollBar::handle { background: rgb(110,0,0); min-height: 20px; "
                   "min-width: 20px; }"
                   "QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; "
                   "border: none; }"
                   "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"
                   "QHeaderView::section { background: black; color: %1; border: none; "
                   "border-right: 1px solid rgb(60,0,0); border-bottom: 1px solid rgb(60,0,0); }")
        .arg(rot(t.Text_Min), rot(t.Flaeche), rot(t.Text), rot(t.Gesperrt));
}

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

namespace {
// WCAG 2 relative luminance of a red channel, and the contrast of two.
double Leuchtdichte_Rot(int r) {
    const double v = r / 255.0;
    return 0.2126 * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
}
double Kontrast_Rot(int a, int b) {
    const double la = Leuchtdichte_Rot(a), lb = Leuchtdichte_Rot(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
} // namespace

// Text on black needs R 183 for 3 : 1, on the brightest ground (12) 185: the
// dimmest step lies just above that, disabled text between it and the plain
// text. The fill is the brightest red (at most 120) behind which the
// brightest text keeps 3 : 1, with a little room for rounding.
Nacht_Toene Nacht_Ton(int stufe) {
    constexpr int text[Nacht_Stufen] = {194, 200, 215, 235, 255};
    constexpr int text_min[Nacht_Stufen] = {190, 192, 205, 224, 240};
    const int i = std::clamp(stufe, 1, Nacht_Stufen) - 1;
    Nacht_Toene t{text[i], text_min[i], std::max(186, text_min[i] - 36), 0, 12};
    for (int f = 120; f > 0 && t.Flaeche == 0; --f)
        if (Kontrast_Rot(t.Text, f) >= 3.05) t.Flaeche = f;
    return t;
}

int Nacht_Stufe() {
    return stufe_;
}

void Nacht_Stufe_Setzen(int stufe) {
    stufe = std::clamp(stufe, 1, Nacht_Stufen);
    if (stufe == stufe_) return;
    if (!aktiv) {
        stufe_ = stufe;
        return;
    }
    // Back to the normal colours and into the night again at the new step:
    // the way back stays exact.
    Nachtmodus_Setzen(false);
    stufe_ = stufe;
    Nachtmodus_Setzen(true);
}

QColor Nacht_Farbe(const QColor& c, bool vordergrund) {
    const Nacht_Toene t = Nacht_Ton(stufe_);
    const double l = (0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue()) / 255.0;
    const int r = vordergrund
                      ? static_cast<int>(std::lround(t.Text_Min + l * (t.Text - t.Text_Min)))
                      : static_cast<int>(std::lround(l * t.Grund_Max));
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
                c = QColor(Nacht_Ton(stufe_).Gesperrt, 0, 0);
            n.setColor(gruppe, rolle, c);
        }
    // The selection: the brightest text on the fill.
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        const auto gruppe = static_cast<QPalette::ColorGroup>(g);
        n.setColor(gruppe, QPalette::Highlight, QColor(Nacht_Ton(stufe_).Flaeche, 0, 0));
        n.setColor(gruppe, QPalette::HighlightedText, QColor(Nacht_Ton(stufe_).Text, 0, 0));
    }
    return n;
}

QPalette Nacht_Band_Palette(const QPalette& p) {
    QPalette n = p;
    n.setColor(QPalette::Window, QColor(Nacht_Ton(stufe_).Flaeche, 0, 0));
    n.setColor(QPalette::WindowText, QColor(Nacht_Ton(stufe_).Text, 0, 0));
    return n;
}

void Nacht_Invers(QWidget* w) {
    w->setProperty(Invers, true);
}

namespace {
// Every pixel as red of its luminance, no brighter than the step's brightest
// text; the alpha kept.
QImage Rot_Bild(QImage bild) {
    const int hoechst = Nacht_Ton(stufe_).Text;
    bild = bild.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < bild.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = zeile[x];
            const int l = (299 * qRed(p) + 587 * qGreen(p) + 114 * qBlue(p)) / 1000;
            zeile[x] = qRgba(l * hoechst / 255, 0, 0, qAlpha(p));
        }
    }
    return bild;
}

// An icon in red. The file dialog asks for the same icons again and again:
// those are kept (by icon and step).
QIcon Rot_Icon(const QIcon& icon) {
    if (icon.isNull()) return icon;
    static QHash<quint64, QIcon> fertig;
    const quint64 schluessel = icon.cacheKey() * 8 + static_cast<quint64>(stufe_);
    if (const auto it = fertig.constFind(schluessel); it != fertig.cend()) return *it;
    QList<QSize> groessen = icon.availableSizes();
    if (groessen.isEmpty()) groessen = {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48)};
    QIcon rot;
    for (const QSize& g : groessen)
        rot.addPixmap(QPixmap::fromImage(Rot_Bild(icon.pixmap(g).toImage())));
    if (fertig.size() > 1000) fertig.clear();
    fertig.insert(schluessel, rot);
    return rot;
}

// The application's style, unchanged by day. At night: the caret is left to
// the night filter (the style draws it by inverting what lies under it,
// white on black, cyan on a red selection), buttons carry no icons, and every
// icon and every derived icon picture (disabled, selected) is red.
class Nacht_Stil : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
        if (m == PM_TextCursorWidth && aktiv) return 0;
        return QProxyStyle::pixelMetric(m, o, w);
    }
    int styleHint(StyleHint h, const QStyleOption* o, const QWidget* w,
                  QStyleHintReturn* r) const override {
        if (h == SH_DialogButtonBox_ButtonsHaveIcons && aktiv) return 0;
        return QProxyStyle::styleHint(h, o, w, r);
    }
    // The style dots splitter handles and size grips in fixed greys: at night
    // a dim red line for the handle, nothing for the grip.
    void drawControl(ControlElement e, const QStyleOption* o, QPainter* p,
                     const QWidget* w) const override {
        if (aktiv && e == CE_SizeGrip) return;
        if (aktiv && e == CE_Splitter) {
            const QRect r = o->rect;
            const QColor linie(60, 0, 0);
            if (o->state & State_Horizontal)
                p->fillRect(r.center().x(), r.top(), 1, r.height(), linie);
            else
                p->fillRect(r.left(), r.center().y(), r.width(), 1, linie);
            return;
        }
        QProxyStyle::drawControl(e, o, p, w);
    }
    QIcon standardIcon(StandardPixmap sp, const QStyleOption* o, const QWidget* w) const override {
        const QIcon i = QProxyStyle::standardIcon(sp, o, w);
        return aktiv ? Rot_Icon(i) : i;
    }
    QPixmap generatedIconPixmap(QIcon::Mode m, const QPixmap& p,
                                const QStyleOption* o) const override {
        const QPixmap g = QProxyStyle::generatedIconPixmap(m, p, o);
        return aktiv ? QPixmap::fromImage(Rot_Bild(g.toImage())) : g;
    }
};

// The file dialog's icons of files and folders come from the desktop's theme.
class Rote_Symbole : public QFileIconProvider {
public:
    QIcon icon(IconType t) const override { return Rot_Icon(QFileIconProvider::icon(t)); }
    QIcon icon(const QFileInfo& i) const override { return Rot_Icon(QFileIconProvider::icon(i)); }
};

struct Edit_Zugriff : QLineEdit {
    using QLineEdit::cursorRect;
};

constexpr const char* Caret_Breite = "stelux_caret_breite";

// At night, for the whole application: each text caret drawn as a steady bar
// of the brightest night text, and every dialog in night colours as it opens
// (message boxes and file dialogs included).
class Nacht_Filter : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (innen_ || !o->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(o);
        if (e->type() == QEvent::Show && w->isWindow() && qobject_cast<QDialog*>(w)) {
            if (auto* d = qobject_cast<QFileDialog*>(w)) {
                static Rote_Symbole symbole;
                if (d->iconProvider() != &symbole) d->setIconProvider(&symbole);
            }
            Nachtmodus_Anwenden(w);
            return false;
        }
        if (e->type() != QEvent::Paint) return false;
        QRect caret;
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            if (!edit->hasFocus() || edit->isReadOnly()) return false;
            // The rectangle reaches 5 pixels left of the caret's position.
            const QRect r = (edit->*(&Edit_Zugriff::cursorRect))();
            caret = QRect(r.x() + 5, r.y(), 1, r.height() - 1);
        } else if (auto* feld = Textfeld(w)) {
            caret = feld->cursorRect();
            caret.setWidth(1);
        } else {
            return false;
        }
        // The widget paints itself first (with every other filter), then the caret.
        innen_ = true;
        QCoreApplication::sendEvent(o, e);
        innen_ = false;
        QPainter p(w);
        p.fillRect(caret, QColor(Nacht_Ton(stufe_).Text, 0, 0));
        return true;
    }

private:
    bool innen_ = false;
    // The editable text box whose viewport `w` is, with the style's caret off.
    static QPlainTextEdit* Textfeld(QWidget* w) {
        auto* feld = qobject_cast<QPlainTextEdit*>(w->parentWidget());
        if (!feld || feld->viewport() != w || feld->isReadOnly() || !feld->hasFocus())
            return nullptr;
        if (feld->cursorWidth() != 0) {
            feld->setProperty(Caret_Breite, feld->cursorWidth());
            feld->setCursorWidth(0);
        }
        return feld;
    }
};

Nacht_Filter& Filter() {
    static Nacht_Filter f;
    return f;
}
} // namespace

void Nachtstil_Einrichten() {
    if (dynamic_cast<Nacht_Stil*>(QApplication::style())) return;
    QApplication::setStyle(new Nacht_Stil(QApplication::style()->name()));
}

void Nachtmodus_Setzen(bool an) {
    if (an == aktiv) return;
    if (an) {
        app_normal = QApplication::palette();
        tipp_normal = QToolTip::palette();
        aktiv = true;
        QApplication::setPalette(Nacht_Palette(app_normal));
        QToolTip::setPalette(Nacht_Palette(tipp_normal));
        // The desktop's own file dialogs know nothing of the night: Qt's.
        native_dialoge_aus = QApplication::testAttribute(Qt::AA_DontUseNativeDialogs);
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
        qApp->installEventFilter(&Filter());
    } else {
        aktiv = false;
        qApp->removeEventFilter(&Filter());
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, native_dialoge_aus);
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
        const QString blatt = Nacht_Blatt();
        for (QWidget* w : alle) {
            if (w->property(Eigene_Palette).isValid()) continue;
            if (w->testAttribute(Qt::WA_SetPalette))
                w->setProperty(Eigene_Palette, QVariant::fromValue(w->palette()));
            else
                w->setProperty(Eigene_Palette, QString()); // inherits its parent's
            // Set on every widget: a window does not always follow the
            // application's palette at once.
            const QPalette nacht = Nacht_Palette(w->palette());
            neu.emplace_back(w, w->property(Invers).toBool() ? Nacht_Band_Palette(nacht) : nacht);
        }
        for (const auto& [w, p] : neu)
            if (Braucht_Blatt(w)) {
                w->setProperty(Eigenes_Blatt, w->styleSheet());
                w->setStyleSheet(w->styleSheet() + blatt);
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
        if (const QVariant breite = w->property(Caret_Breite); breite.isValid()) {
            qobject_cast<QPlainTextEdit*>(w)->setCursorWidth(breite.toInt());
            w->setProperty(Caret_Breite, QVariant());
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
