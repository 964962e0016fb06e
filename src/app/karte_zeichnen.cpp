#include "app/karte_zeichnen.hpp"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/einstellungen.hpp"
#include "shared/fehler.hpp"
#include "shared/kern_text.hpp"
#include "shared/zeilen_leser.hpp"

namespace {
struct Farben {
    QColor Grund, Stern, Schrift, Objekt, Kreis, Bahn, Rand;
};

Farben Farben_Von(Karten_Schema s) {
    switch (s) {
    case Karten_Schema::Druck:
        return {Qt::white,         Qt::black,         Qt::black,         QColor(40, 40, 40),
                QColor(0, 0, 160), QColor(160, 0, 0), QColor(90, 90, 90)};
    case Karten_Schema::Nacht:
        return {Qt::black,         QColor(200, 0, 0), QColor(170, 0, 0), QColor(150, 0, 0),
                QColor(130, 0, 0), QColor(220, 0, 0), QColor(110, 0, 0)};
    case Karten_Schema::Bildschirm:
    default:
        return {Qt::black,
                Qt::white,
                QColor(220, 220, 220),
                QColor(150, 200, 255),
                QColor(120, 255, 120),
                QColor(255, 200, 0),
                QColor(160, 160, 160)};
    }
}

// A circle drawn with a line style of its own, the pen otherwise unchanged.
void Kreis_Mit_Linie(QPainter& p, const QPointF& m, double r, Qt::PenStyle linie) {
    QPen stift = p.pen();
    stift.setStyle(linie);
    p.save();
    p.setPen(stift);
    p.drawEllipse(m, r, r);
    p.restore();
}

// Labels that must not cover each other: each takes the first free place of
// four around its point, or is left out.
class Beschriftung {
public:
    Beschriftung(QPainter& p, double s) : p_(p), s_(s) {}
    // `abstand`: pixels from the point to the text. `immer`: drawn even if covered.
    void Setzen(const std::string& text, double x, double y, double abstand, bool immer = false) {
        if (text.empty()) return;
        const QString t = QString::fromStdString(text);
        const QRectF g = p_.fontMetrics().boundingRect(t);
        const double a = abstand + 2 * s_, w = g.width() + 2, h = g.height();
        const QRectF plaetze[4] = {QRectF(x + a, y - a - h, w, h), QRectF(x + a, y + a, w, h),
                                   QRectF(x - a - w, y - a - h, w, h),
                                   QRectF(x - a - w, y + a, w, h)};
        for (const QRectF& r : plaetze) {
            if (Frei(r)) return Zeichnen(t, r);
        }
        if (immer) Zeichnen(t, plaetze[0]);
    }
    // An area kept free of labels (a star's disc, the margin texts).
    void Belegen(const QRectF& r) { belegt_.push_back(r); }

private:
    bool Frei(const QRectF& r) const {
        for (const QRectF& b : belegt_)
            if (b.intersects(r)) return false;
        return true;
    }
    void Zeichnen(const QString& t, const QRectF& r) {
        belegt_.push_back(r);
        p_.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, t);
    }
    QPainter& p_;
    double s_;
    std::vector<QRectF> belegt_;
};

void Symbol(QPainter& p, const Karten_Objekt& o) {
    const QPointF m(o.x, o.y);
    const double r = o.Radius;
    switch (o.Art) {
    case Symbol_Art::Galaxie:
        // The catalogue gives no position angle: a large galaxy is shown by
        // its extent as a circle, a small one by the usual elongated mark.
        if (r > 12) {
            Kreis_Mit_Linie(p, m, r, Qt::DashLine);
        } else {
            p.drawEllipse(m, r, 0.5 * r);
        }
        break;
    case Symbol_Art::Offener_Haufen:
        Kreis_Mit_Linie(p, m, r, Qt::DotLine);
        break;
    case Symbol_Art::Kugelhaufen:
        p.drawEllipse(m, r, r);
        p.drawLine(QPointF(o.x - r, o.y), QPointF(o.x + r, o.y));
        p.drawLine(QPointF(o.x, o.y - r), QPointF(o.x, o.y + r));
        break;
    case Symbol_Art::Nebel:
        p.drawRect(QRectF(o.x - r, o.y - r, 2 * r, 2 * r));
        break;
    case Symbol_Art::Planetarischer_Nebel:
        p.drawEllipse(m, 0.6 * r, 0.6 * r);
        for (int i = 0; i < 4; ++i) {
            const double a = i * 1.5707963267948966;
            p.drawLine(QPointF(o.x + 0.6 * r * std::cos(a), o.y + 0.6 * r * std::sin(a)),
                       QPointF(o.x + r * std::cos(a), o.y + r * std::sin(a)));
        }
        break;
    case Symbol_Art::Sonstiges:
    default:
        p.drawLine(QPointF(o.x - r, o.y - r), QPointF(o.x + r, o.y + r));
        p.drawLine(QPointF(o.x - r, o.y + r), QPointF(o.x + r, o.y - r));
        break;
    }
}
} // namespace

void Karte_Zeichnen(QPainter& p, const Karten_Inhalt& k, Karten_Schema schema) {
    const Farben f = Farben_Von(schema);
    const double s = std::min(k.Breite, k.Hoehe) / 800.0;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setClipRect(QRectF(0, 0, k.Breite, k.Hoehe));
    p.fillRect(QRectF(0, 0, k.Breite, k.Hoehe), f.Grund);
    QFont schrift("Liberation Sans");
    schrift.setPixelSize(std::max(8, static_cast<int>(std::lround(12 * s))));
    p.setFont(schrift);

    // Fields of view and the centre cross.
    Beschriftung texte(p, s);
    texte.Belegen(QRectF(0, 0, 420 * s, (46 + 16 * k.Hinweise.size()) * s));        // title block
    texte.Belegen(QRectF(0, k.Hoehe - 40 * s, 240 * s, 40 * s));                    // scale bar
    texte.Belegen(QRectF(k.Breite - 100 * s, k.Hoehe - 100 * s, 100 * s, 100 * s)); // N, O
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(f.Kreis, 1.2 * s));
    for (const Karten_Kreis& c : k.Kreise)
        p.drawEllipse(QPointF(k.Mitte_x, k.Mitte_y), c.Radius, c.Radius);
    const double kreuz = 6 * s;
    p.drawLine(QPointF(k.Mitte_x - 2 * kreuz, k.Mitte_y), QPointF(k.Mitte_x - kreuz, k.Mitte_y));
    p.drawLine(QPointF(k.Mitte_x + kreuz, k.Mitte_y), QPointF(k.Mitte_x + 2 * kreuz, k.Mitte_y));
    p.drawLine(QPointF(k.Mitte_x, k.Mitte_y - 2 * kreuz), QPointF(k.Mitte_x, k.Mitte_y - kreuz));
    p.drawLine(QPointF(k.Mitte_x, k.Mitte_y + kreuz), QPointF(k.Mitte_x, k.Mitte_y + 2 * kreuz));

    // Deep-sky objects.
    p.setPen(QPen(f.Objekt, 1.0 * s));
    for (const Karten_Objekt& o : k.Objekte) Symbol(p, o);

    // Stars: a rim in the background colour keeps close pairs apart.
    p.setPen(QPen(f.Grund, 0.8 * s));
    p.setBrush(f.Stern);
    for (const Karten_Stern& st : k.Sterne) {
        p.drawEllipse(QPointF(st.x, st.y), st.Radius, st.Radius);
        if (st.Radius > 2 * s)
            texte.Belegen(QRectF(st.x - st.Radius, st.y - st.Radius, 2 * st.Radius, 2 * st.Radius));
    }

    // Track of a moving body.
    if (!k.Bahn.empty()) {
        p.setPen(QPen(f.Bahn, 1.5 * s));
        p.setBrush(Qt::NoBrush);
        QPainterPath weg;
        weg.moveTo(k.Bahn.front().x, k.Bahn.front().y);
        for (const Karten_Bahnpunkt& b : k.Bahn) weg.lineTo(b.x, b.y);
        p.drawPath(weg);
        p.setBrush(f.Bahn);
        for (const Karten_Bahnpunkt& b : k.Bahn)
            if (!b.Marke.empty()) p.drawEllipse(QPointF(b.x, b.y), 2.5 * s, 2.5 * s);
    }

    // Labels, the most useful first: the body's hour marks (now first, then
    // the ends), stars from the brightest, objects, the field circles.
    p.setBrush(Qt::NoBrush);
    if (!k.Bahn.empty()) {
        p.setPen(f.Bahn);
        std::vector<const Karten_Bahnpunkt*> marken;
        for (const Karten_Bahnpunkt& b : k.Bahn)
            if (!b.Marke.empty()) marken.push_back(&b);
        std::stable_sort(marken.begin(), marken.end(), [](const auto* a, const auto* b) {
            const auto rang = [](const std::string& m) {
                return m == "0h" ? 0 : (m == "-3h" || m == "+3h") ? 1 : 2;
            };
            return rang(a->Marke) < rang(b->Marke);
        });
        for (const Karten_Bahnpunkt* b : marken) texte.Setzen(b->Marke, b->x, b->y, 3 * s);
    }
    p.setPen(f.Schrift);
    for (auto st = k.Sterne.rbegin(); st != k.Sterne.rend(); ++st)
        texte.Setzen(st->Name, st->x, st->y, 0.7 * st->Radius);
    p.setPen(f.Objekt);
    for (const Karten_Objekt& o : k.Objekte) texte.Setzen(o.Name, o.x, o.y, 0.7 * o.Radius);
    p.setPen(f.Kreis);
    for (const Karten_Kreis& c : k.Kreise)
        texte.Setzen(c.Name, k.Mitte_x + 0.707 * c.Radius, k.Mitte_y - 0.707 * c.Radius, 0, true);

    // Margin: title, line, scale bar, north and east, notes.
    p.setPen(f.Schrift);
    p.setBrush(Qt::NoBrush);
    QFont gross = schrift;
    gross.setPixelSize(std::max(10, static_cast<int>(std::lround(16 * s))));
    gross.setBold(true);
    p.setFont(gross);
    p.drawText(QPointF(10 * s, 22 * s), QString::fromStdString(k.Titel));
    p.setFont(schrift);
    p.drawText(QPointF(10 * s, 40 * s), QString::fromStdString(k.Zeile));
    double y = 58 * s;
    for (const std::string& h : k.Hinweise) {
        p.drawText(QPointF(10 * s, y), QString::fromStdString(h));
        y += 16 * s;
    }
    const double unten = k.Hoehe - 16 * s;
    p.setPen(QPen(f.Schrift, 2 * s));
    p.drawLine(QPointF(14 * s, unten), QPointF(14 * s + k.Massstab_Laenge, unten));
    p.drawLine(QPointF(14 * s, unten - 4 * s), QPointF(14 * s, unten + 4 * s));
    p.drawLine(QPointF(14 * s + k.Massstab_Laenge, unten - 4 * s),
               QPointF(14 * s + k.Massstab_Laenge, unten + 4 * s));
    p.drawText(QPointF(14 * s, unten - 8 * s), QString::fromStdString(k.Massstab_Text));
    const QPointF rose(k.Breite - 50 * s, k.Hoehe - 50 * s);
    const double l = 30 * s;
    p.setPen(QPen(f.Schrift, 1.5 * s));
    p.drawLine(rose, rose + QPointF(k.Nord_x * l, k.Nord_y * l));
    p.drawLine(rose, rose + QPointF(k.Ost_x * l * 0.7, k.Ost_y * l * 0.7));
    p.drawText(rose + QPointF(k.Nord_x * (l + 10 * s) - 4 * s, k.Nord_y * (l + 10 * s) + 5 * s),
               "N");
    p.drawText(
        rose + QPointF(k.Ost_x * (l * 0.7 + 10 * s) - 4 * s, k.Ost_y * (l * 0.7 + 10 * s) + 5 * s),
        "O");
    p.restore();
}

void Karte_Schreiben(const Karten_Inhalt& k, Karten_Schema schema, const std::string& pfad) {
    const QString name = QString::fromStdString(pfad);
    QSaveFile datei(name);
    const auto fehler = [&](const QString& grund) {
        return Ein_Ausgabe_Fehler(
            Kt("Karte nicht geschrieben: %1: %2", {Voller_Pfad(pfad), grund.toStdString()}));
    };
    if (!datei.open(QIODevice::WriteOnly)) throw fehler(datei.errorString());
    if (name.endsWith(".pdf", Qt::CaseInsensitive)) {
        QPdfWriter pdf(&datei);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(k.Breite, k.Hoehe), QPageSize::Point, QString(),
                                  QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QString::fromStdString(k.Titel));
        QPainter maler;
        if (!maler.begin(&pdf)) throw fehler("PDF kann nicht begonnen werden");
        Karte_Zeichnen(maler, k, schema);
        maler.end();
    } else {
        QImage bild(k.Breite, k.Hoehe, QImage::Format_RGB32);
        {
            QPainter maler(&bild);
            Karte_Zeichnen(maler, k, schema);
        }
        if (!bild.save(&datei, "PNG")) throw fehler("PNG kann nicht geschrieben werden");
    }
    if (!datei.commit()) throw fehler(datei.errorString());
}

Karten_Optionen Karten_Optionen_Lesen() {
    Karten_Optionen o;
    o.Feld_Cassegrain =
        Einstellung_Zahl_Lesen(Einstellung_Karte_Feld_Cassegrain, o.Feld_Cassegrain, 0.01, 10);
    o.Feld_Schmidt =
        Einstellung_Zahl_Lesen(Einstellung_Karte_Feld_Schmidt, o.Feld_Schmidt, 0.01, 30);
    o.Feld = Einstellung_Zahl_Lesen(Einstellung_Karte_Feld, o.Feld, 0.1, Feld_Maximal);
    o.Spiegel = Einstellung_Lesen(Einstellung_Karte_Spiegel, false);
    o.Drehung = Einstellung_Zahl_Lesen(Einstellung_Karte_Drehung, 0, -360, 360);
    return o;
}

void Karten_Optionen_Schreiben(const Karten_Optionen& o) {
    Einstellung_Zahl_Schreiben(Einstellung_Karte_Feld_Cassegrain, o.Feld_Cassegrain);
    Einstellung_Zahl_Schreiben(Einstellung_Karte_Feld_Schmidt, o.Feld_Schmidt);
    Einstellung_Zahl_Schreiben(Einstellung_Karte_Feld, o.Feld);
    Einstellung_Schreiben(Einstellung_Karte_Spiegel, o.Spiegel);
    Einstellung_Zahl_Schreiben(Einstellung_Karte_Drehung, o.Drehung);
}
