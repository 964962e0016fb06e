#include "shared/kern_text.hpp"

#include <atomic>

namespace {
std::atomic<Text_Uebersetzer> uebersetzer{nullptr};
} // namespace

void Kern_Uebersetzer_Setzen(Text_Uebersetzer u) {
    uebersetzer.store(u);
}

std::string Kt(const char* deutsch) {
    const Text_Uebersetzer u = uebersetzer.load();
    return u ? u(deutsch) : std::string(deutsch);
}

std::string Kt(const char* deutsch, std::initializer_list<std::string> werte) {
    const std::string muster = Kt(deutsch);
    std::string t;
    t.reserve(muster.size() + 32);
    for (std::size_t i = 0; i < muster.size(); ++i) {
        const char c = muster[i];
        if (c == '%' && i + 1 < muster.size() && muster[i + 1] >= '1' && muster[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(muster[i + 1] - '1');
            if (n < werte.size()) {
                t += *(werte.begin() + n);
                ++i;
                continue;
            }
        }
        t += c;
    }
    return t;
}
