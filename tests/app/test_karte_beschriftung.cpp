// Finder chart labels on the built catalogues: over random fields of every
// zoom, every label lies on the chart and no label box meets another, the
// title block, the scale bar or the compass; the field circles keep their names; M31 with the
// Schmidt camera's 3° circle (once a circle almost on the galaxy, their labels overlapping).
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "app/karte_zeichnen.hpp"
#include "hilfen.hpp"

TEST(KarteBeschriftung, KeineUeberdeckungInZufaelligenFeldern) {
    const char* ordner = std::getenv("STELUX_KATALOG");
    if (!ordner || !std::filesystem::is_directory(ordner))
        GTEST_SKIP() << "STELUX_KATALOG names no catalogue folder";
    Anwendung();
    const Stern_Index index = Stern_Index_Bauen(ordner);
    QFont schrift("Liberation Sans"), gross("Liberation Sans");
    schrift.setPixelSize(12);
    gross.setPixelSize(16);
    gross.setBold(true);
    const QFontMetricsF fm(schrift), fg(gross);

    std::mt19937 zufall(26);
    std::uniform_real_distribution<double> ra(0, 24), z(-1, 1);
    const double jd = 2461382.0;
    int kreis_namen = 0, texte = 0;
    for (int i = 0; i < 51; ++i) {
        Karten_Optionen o;
        double r = ra(zufall), d = std::asin(z(zufall)) * 57.29577951308232;
        o.Feld = Karten_Felder[i % std::size(Karten_Felder)];
        if (i == 50) { // M31 at 5°: the galaxy's ellipse and the 3° circle
            r = 0.7123 + 0.0117, d = 41.269 + 0.116, o.Feld = 5;
        }
        const Karten_Inhalt k =
            Karte_Berechnen(index, o, r, d, jd, {}, "Feld " + std::to_string(i));
        const Karten_Beschriftung b = Karte_Beschriften(k, fm, fg);
        const std::string was = "Feld " + std::to_string(i) + " zu " + std::to_string(o.Feld);
        for (std::size_t a = 0; a < b.Texte.size(); ++a) {
            const QRectF& ka = b.Texte[a].Kasten;
            EXPECT_TRUE(QRectF(0, 0, k.Breite, k.Hoehe).contains(ka))
                << was << ": " << b.Texte[a].Text.toStdString();
            for (const QRectF& rand : {b.Titel, b.Massstab, b.Rose})
                EXPECT_FALSE(ka.intersects(rand)) << was << ": " << b.Texte[a].Text.toStdString();
            for (std::size_t c = a + 1; c < b.Texte.size(); ++c)
                EXPECT_FALSE(ka.intersects(b.Texte[c].Kasten))
                    << was << ": " << b.Texte[a].Text.toStdString() << " / "
                    << b.Texte[c].Text.toStdString();
            kreis_namen += b.Texte[a].Art == Karten_Text_Art::Kreis;
        }
        texte += static_cast<int>(b.Texte.size());
    }
    // Each field shows the circles that fit it, with their names.
    EXPECT_GT(kreis_namen, 60);
    std::printf("%d Beschriftungen, %d Kreisnamen\n", texte, kreis_namen);
}
