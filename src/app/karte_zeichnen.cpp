#include "app/karte_zeichnen.hpp"

#include <QFontMetricsF>
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
#include "shared/konstanten.hpp"
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

// Labels that must not cover each other: each takes the first free place
// around its point, or is left out.
class Platzierung {
public:
    Platzierung(const QFontMetricsF& fm, double s, const QRectF& bild)
        : fm_(fm), s_(s), bild_(bild) {}
    // `abstand`: pixels from the point to the text.
    void Setzen(Karten_Text_Art art, const std::string& text, double x, double y, double abstand) {
        if (text.empty()) return;
        const QString t = QString::fromStdString(text);
        const double a = abstand + 2 * s_, w = fm_.horizontalAdvance(t) + 2, h = fm_.height();
        const QRectF plaetze[4] = {QRectF(x + a, y - a - h, w, h), QRectF(x + a, y + a, w, h),
                                   QRectF(x - a - w, y - a - h, w, h),
                                   QRectF(x - a - w, y + a, w, h)};
        for (const QRectF& r : plaetze)
            if (Frei(r)) return Nehmen(art, t, r);
    }
    // A field circle's name: at the first free place on the circle, from the
    // upper right round.
    void Am_Kreis(const std::string& text, double mx, double my, double radius) {
        const QString t = QString::fromStdString(text);
        const double w = fm_.horizontalAdvance(t) + 2, h = fm_.height();
        for (const double grad : {45.0, 135.0, 315.0, 225.0, 90.0, 270.0, 0.0, 180.0, 67.5, 112.5,
                                  22.5, 157.5, 292.5, 247.5, 337.5, 202.5}) {
            const double c = std::cos(grad * Grad_Zu_Rad), sn = std::sin(grad * Grad_Zu_Rad);
            const double x = mx + radius * c, y = my - radius * sn;
            // Outside the circle on the side the point faces.
            const QRectF r(c >= 0 ? x + 2 * s_ : x - 2 * s_ - w,
                           sn >= 0 ? y - 2 * s_ - h : y + 2 * s_, w, h);
            if (Frei(r)) return Nehmen(Karten_Text_Art::Kreis, t, r);
        }
    }
    // An area kept free of labels (a star's disc, the margin blocks).
    void Belegen(const QRectF& r) { belegt_.push_back(r); }
    std::vector<Karten_Text> texte;

private:
    // Inside the chart and clear of every label and kept area.
    bool Frei(const QRectF& r) const {
        if (!bild_.contains(r)) return false;
        for (const QRectF& b : belegt_)
            if (b.intersects(r)) return false;
        return true;
    }
    void Nehmen(Karten_Text_Art art, const QString& t, const QRectF& r) {
        belegt_.push_back(r);
        texte.push_back({art, t, r});
    }
    const QFontMetricsF& fm_;
    double s_;
    QRectF bild_;
    std::vector<QRectF> belegt_;
};

void Symbol(QPainter& p, const Karten_Objekt& o) {
    const QPointF m(o.x, o.y);
    const double r = o.Radius;
    if (o.Klein > 0 && (o.Art == Symbol_Art::Galaxie || o.Art == Symbol_Art::Nebel ||
                        o.Art == Symbol_Art::Planetarischer_Nebel)) {
        // The known shape: an ellipse along the major axis.
        p.save();
        p.translate(m);
        p.rotate(o.Winkel);
        p.drawEllipse(QPointF(0, 0), r, o.Klein);
        p.restore();
        return;
    }
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

namespace {
QFont Schrift(double s) {
    QFont schrift("Liberation Sans");
    schrift.setPixelSize(std::max(8, static_cast<int>(std::lround(12 * s))));
    return schrift;
}
QFont Titel_Schrift(double s) {
    QFont gross = Schrift(s);
    gross.setPixelSize(std::max(10, static_cast<int>(std::lround(16 * s))));
    gross.setBold(true);
    return gross;
}
} // namespace

Karten_Beschriftung Karte_Beschriften(const Karten_Inhalt& k, const QFontMetricsF& fm,
                                      const QFontMetricsF& gross) {
    const double s = std::min(k.Breite, k.Hoehe) / 800.0;
    Karten_Beschriftung b;
    double breite = gross.horizontalAdvance(QString::fromStdString(k.Titel));
    breite = std::max(breite, fm.horizontalAdvance(QString::fromStdString(k.Zeile)));
    breite = std::max(breite, fm.horizontalAdvance(QString::fromStdString(k.Zeitpunkt)));
    for (const std::string& h : k.Hinweise)
        breite = std::max(breite, fm.horizontalAdvance(QString::fromStdString(h)));
    const std::size_t zeilen = k.Hinweise.size() + (k.Zeitpunkt.empty() ? 0 : 1);
    b.Titel = QRectF(0, 0, 18 * s + breite, (46 + 16 * zeilen) * s);
    const double massstab =
        std::max(k.Massstab_Laenge, fm.horizontalAdvance(QString::fromStdString(k.Massstab_Text)));
    b.Massstab = QRectF(0, k.Hoehe - 40 * s, 24 * s + massstab, 40 * s);
    b.Rose = QRectF(k.Breite - 100 * s, k.Hoehe - 100 * s, 100 * s, 100 * s);

    const QRectF bild(0, 0, k.Breite, k.Hoehe);
    Platzierung pl(fm, s, bild);
    for (const QRectF& r : {b.Titel, b.Massstab, b.Rose}) pl.Belegen(r);
    for (const Karten_Stern& st : k.Sterne)
        if (st.Radius > 2 * s)
            pl.Belegen(QRectF(st.x - st.Radius, st.y - st.Radius, 2 * st.Radius, 2 * st.Radius));
    // The most useful first: the field circles, the body's hour marks (now
    // first, then the ends), stars from the brightest, objects.
    for (const Karten_Kreis& c : k.Kreise) pl.Am_Kreis(c.Name, k.Mitte_x, k.Mitte_y, c.Radius);
    std::vector<const Karten_Bahnpunkt*> marken;
    for (const Karten_Bahnpunkt& m : k.Bahn)
        if (!m.Marke.empty()) marken.push_back(&m);
    std::stable_sort(marken.begin(), marken.end(), [](const auto* a, const auto* c) {
        const auto rang = [](const std::string& m) {
            return m == "0h" ? 0 : (m == "-3h" || m == "+3h") ? 1 : 2;
        };
        return rang(a->Marke) < rang(c->Marke);
    });
    for (const Karten_Bahnpunkt* m : marken)
        pl.Setzen(Karten_Text_Art::Bahn, m->Marke, m->x, m->y, 3 * s);
    for (auto st = k.Sterne.rbegin(); st != k.Sterne.rend(); ++st)
        pl.Setzen(Karten_Text_Art::Stern, st->Name, st->x, st->y, 0.7 * st->Radius);
    for (const Karten_Objekt& o : k.Objekte)
        pl.Setzen(Karten_Text_Art::Objekt, o.Name, o.x, o.y, 0.7 * std::min(o.Radius, 40 * s));
    b.Texte = std::move(pl.texte);
    return b;
}

void Karte_Zeichnen(QPainter& p, const Karten_Inhalt& k, Karten_Schema schema) {
    const Farben f = Farben_Von(schema);
    const double s = std::min(k.Breite, k.Hoehe) / 800.0;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setClipRect(QRectF(0, 0, k.Breite, k.Hoehe));
    p.fillRect(QRectF(0, 0, k.Breite, k.Hoehe), f.Grund);
    const QFont schrift = Schrift(s), gross = Titel_Schrift(s);
    p.setFont(schrift);
    const Karten_Beschriftung b =
        Karte_Beschriften(k, QFontMetricsF(schrift, p.device()), QFontMetricsF(gross, p.device()));

    // Fields of view and the centre cross.
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
    for (const Karten_Stern& st : k.Sterne)
        p.drawEllipse(QPointF(st.x, st.y), st.Radius, st.Radius);

    // Track of a moving body.
    if (!k.Bahn.empty()) {
        p.setPen(QPen(f.Bahn, 1.5 * s));
        p.setBrush(Qt::NoBrush);
        QPainterPath weg;
        weg.moveTo(k.Bahn.front().x, k.Bahn.front().y);
        for (const Karten_Bahnpunkt& m : k.Bahn) weg.lineTo(m.x, m.y);
        p.drawPath(weg);
        p.setBrush(f.Bahn);
        for (const Karten_Bahnpunkt& m : k.Bahn)
            if (!m.Marke.empty()) p.drawEllipse(QPointF(m.x, m.y), 2.5 * s, 2.5 * s);
    }

    // Labels.
    p.setBrush(Qt::NoBrush);
    for (const Karten_Text& t : b.Texte) {
        switch (t.Art) {
        case Karten_Text_Art::Kreis:
            p.setPen(f.Kreis);
            break;
        case Karten_Text_Art::Bahn:
            p.setPen(f.Bahn);
            break;
        case Karten_Text_Art::Stern:
            p.setPen(f.Schrift);
            break;
        case Karten_Text_Art::Objekt:
            p.setPen(f.Objekt);
            break;
        }
        p.drawText(t.Kasten, Qt::AlignLeft | Qt::AlignVCenter, t.Text);
    }

    // Margin: title, line and notes on the ground colour (a circle passing
    // under the title does not run through it), scale bar, north and east.
    p.fillRect(b.Titel, f.Grund);
    p.setPen(f.Schrift);
    p.setFont(gross);
    p.drawText(QPointF(10 * s, 22 * s), QString::fromStdString(k.Titel));
    p.setFont(schrift);
    p.drawText(QPointF(10 * s, 40 * s), QString::fromStdString(k.Zeile));
    double y = 58 * s;
    if (!k.Zeitpunkt.empty()) {
        p.drawText(QPointF(10 * s, y), QString::fromStdString(k.Zeitpunkt));
        y += 16 * s;
    }
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
        QString::fromStdString(Kt("O"))); // east
    p.restore();
}

void Karte_Schreiben(const Karten_Inhalt& k, Karten_Schema schema, const std::string& pfad) {
    Karten_Schreiben({k}, schema, pfad);
}

void Karten_Schreiben(const std::vector<Karten_Inhalt>& karten, Karten_Schema schema,
                      const std::string& pfad) {
    const QString name = QString::fromStdString(pfad);
    QSaveFile datei(name);
    const auto fehler = [&](const QString& grund) {
        return Ein_Ausgabe_Fehler(
            Kt("Karte nicht geschrieben: %1: %2", {Voller_Pfad(pfad), grund.toStdString()}));
    };
    if (karten.empty()) throw fehler("keine Karte");
    const bool pdf_datei = name.endsWith(".pdf", Qt::CaseInsensitive);
    if (!pdf_datei && karten.size() > 1) throw fehler("mehrere Karten nur als PDF");
    if (!datei.open(QIODevice::WriteOnly)) throw fehler(datei.errorString());
    if (pdf_datei) {
        QPdfWriter pdf(&datei);
        pdf.setResolution(72);
        const auto seite = [&](const Karten_Inhalt& k) {
            pdf.setPageSize(QPageSize(QSizeF(k.Breite, k.Hoehe), QPageSize::Point, QString(),
                                      QPageSize::ExactMatch));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        };
        seite(karten.front());
        pdf.setTitle(QString::fromStdString(karten.front().Titel));
        QPainter maler;
        if (!maler.begin(&pdf)) throw fehler("PDF kann nicht begonnen werden");
        for (std::size_t i = 0; i < karten.size(); ++i) {
            if (i > 0) {
                seite(karten[i]);
                if (!pdf.newPage()) throw fehler("neue PDF-Seite nicht möglich");
            }
            Karte_Zeichnen(maler, karten[i], schema);
        }
        maler.end();
    } else {
        const Karten_Inhalt& k = karten.front();
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
