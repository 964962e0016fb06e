#include "shared/csv.hpp"

#include "shared/text.hpp"

std::optional<std::vector<std::string>> Csv_Felder(std::string_view zeile, char trenner,
                                                   bool streng) {
    std::vector<std::string> felder(1);
    bool zitat = false;
    bool feld_anfang = true; // only blanks so far in this field
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        const char c = zeile[i];
        if (zitat) {
            if (c == '"' && i + 1 < zeile.size() && zeile[i + 1] == '"') {
                felder.back() += '"';
                ++i;
            } else if (c == '"') {
                zitat = false;
            } else {
                felder.back() += c;
            }
        } else if (c == '"') {
            if (!streng && feld_anfang) felder.back().clear(); // blanks before the quote
            zitat = true;
            feld_anfang = false;
        } else if (c == trenner) {
            felder.emplace_back();
            feld_anfang = true;
        } else {
            felder.back() += c;
            if (c != ' ') feld_anfang = false;
        }
    }
    if (zitat && streng) return std::nullopt;
    if (!streng)
        for (std::string& f : felder) f = std::string(Trimmen(f));
    return felder;
}
