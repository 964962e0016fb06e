#include "catalog/verlauf.hpp"

void Verlauf::Merken(const std::string& eintrag) {
    if (!eintrag.empty() && (eintraege_.empty() || eintraege_.back() != eintrag))
        eintraege_.push_back(eintrag);
    if (eintraege_.size() > Hoechstens)
        eintraege_.erase(eintraege_.begin(), eintraege_.end() - Hoechstens);
    pos_ = eintraege_.size();
}

std::string Verlauf::Zurueck(const std::string& getippt) {
    if (eintraege_.empty()) return getippt;
    if (!Beim_Blaettern()) getippt_ = getippt;
    if (pos_ > 0) --pos_;
    return eintraege_[pos_];
}

std::string Verlauf::Vor() {
    if (!Beim_Blaettern()) return getippt_;
    ++pos_;
    return Beim_Blaettern() ? eintraege_[pos_] : getippt_;
}

std::string Verlauf::Text() const {
    std::string t;
    for (const auto& e : eintraege_) t += e + "\n";
    return t;
}

void Verlauf::Von_Text(const std::string& text) {
    eintraege_.clear();
    std::size_t a = 0;
    while (a < text.size()) {
        std::size_t e = text.find('\n', a);
        if (e == std::string::npos) e = text.size();
        std::string z = text.substr(a, e - a);
        if (!z.empty() && z.back() == '\r') z.pop_back();
        if (!z.empty()) eintraege_.push_back(z);
        a = e + 1;
    }
    Merken("");
}
