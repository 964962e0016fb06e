#include "shared/zeilen_leser.hpp"

#include <bit>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "shared/datei_oeffnen.hpp"
#include "shared/fehler.hpp"
#include "shared/kern_text.hpp"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace {
constexpr std::size_t Block = 1 << 18;
static_assert(Block > Max_Zeilenlaenge + 2, "a whole line with its end fits into one block");

// The first CR or LF in [a, e), or e: one pass over the bytes, where two
// searches (LF, then CR before it) cost two calls per line of a CR LF file.
const char* Zeilenende(const char* a, const char* e) {
#if defined(__SSE2__) || defined(_M_X64)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    for (; e - a >= 16; a += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
        const int treffer =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(v, cr)));
        if (treffer != 0) return a + std::countr_zero(static_cast<unsigned>(treffer));
    }
    for (; a < e; ++a)
        if (*a == '\n' || *a == '\r') return a;
    return e;
#else
    const char* lf =
        static_cast<const char*>(std::memchr(a, '\n', static_cast<std::size_t>(e - a)));
    const char* bis = lf ? lf : e;
    const char* cr =
        static_cast<const char*>(std::memchr(a, '\r', static_cast<std::size_t>(bis - a)));
    return cr ? cr : bis;
#endif
}
} // namespace

std::filesystem::path Pfad_Aus_Utf8(const std::string& pfad) {
    return std::filesystem::path(std::u8string(pfad.begin(), pfad.end()));
}

std::string Utf8_Aus_Pfad(const std::filesystem::path& pfad) {
    const std::u8string s = pfad.u8string();
    return std::string(s.begin(), s.end());
}

std::string Voller_Pfad(const std::string& pfad) {
    std::error_code fehler;
    const auto voll = std::filesystem::absolute(Pfad_Aus_Utf8(pfad), fehler);
    return fehler ? pfad : Utf8_Aus_Pfad(voll.lexically_normal());
}

Ein_Ausgabe_Fehler Oeffnungs_Fehler(const std::string& pfad, int fehlernummer) {
    const std::string voll = Voller_Pfad(pfad);
    if (fehlernummer == ENOENT || fehlernummer == ENOTDIR) return Datei_Nicht_Gefunden(voll);
    if (fehlernummer == EACCES || fehlernummer == EPERM)
        return Ein_Ausgabe_Fehler(Kt("Keine Leseberechtigung: %1", {voll}));
    return Ein_Ausgabe_Fehler(
        Kt("Datei kann nicht gelesen werden: %1 (%2)", {voll, std::strerror(fehlernummer)}));
}

Zeilen_Leser::Zeilen_Leser(const std::string& pfad) : name_(Voller_Pfad(pfad)) {
    datei_ = Datei_Lesend_Oeffnen(pfad).release();
    // Not zero-filled: only the bytes read are looked at, and a small file
    // then touches only the pages it fills.
    puffer_ = std::make_unique_for_overwrite<char[]>(Block);
}

Zeilen_Leser::~Zeilen_Leser() {
    if (datei_) std::fclose(datei_);
}

std::string Zeilen_Leser::Ort() const {
    return name_ + ", Zeile " + std::to_string(nummer_) + ": ";
}

bool Zeilen_Leser::Nachladen() {
    if (eof_) return false;
    // Keep the unfinished line at the front of the buffer.
    if (anfang_ > 0) {
        std::memmove(puffer_.get(), puffer_.get() + anfang_, ende_ - anfang_);
        ende_ -= anfang_;
        anfang_ = 0;
    }
    const std::size_t gelesen = std::fread(puffer_.get() + ende_, 1, Block - ende_, datei_);
    if (gelesen == 0) {
        if (std::ferror(datei_))
            throw Ein_Ausgabe_Fehler(Kt("Lesefehler: %1 (%2)", {name_, std::strerror(errno)}));
        eof_ = true;
        return false;
    }
    ende_ += gelesen;
    return true;
}

void Zeilen_Leser::Zeile_Verwerfen() {
    for (;;) {
        const char* p = puffer_.get();
        const std::size_t pos = static_cast<std::size_t>(Zeilenende(p + anfang_, p + ende_) - p);
        if (pos < ende_) {
            // A CR LF split by the buffer leaves an empty line behind; harmless.
            anfang_ = pos + 1 + (p[pos] == '\r' && pos + 1 < ende_ && p[pos + 1] == '\n');
            return;
        }
        anfang_ = ende_;
        if (!Nachladen()) return;
    }
}

bool Zeilen_Leser::Naechste(std::string_view& zeile) {
    std::size_t suche_ab = anfang_;
    for (;;) {
        const char* p = puffer_.get();
        std::size_t pos = static_cast<std::size_t>(Zeilenende(p + suche_ab, p + ende_) - p);
        const bool gefunden = pos < ende_;
        const bool cr = gefunden && p[pos] == '\r';
        // A CR as the last byte read may be the first half of a CR LF.
        const bool offen = cr && pos + 1 == ende_ && !eof_;
        if (gefunden && !offen) {
            if (pos - anfang_ > Max_Zeilenlaenge) {
                ++nummer_;
                throw Zeile_Zu_Lang_Fehler(Ort() + "Zeile länger als 64 KiB");
            }
            zeile = std::string_view(p + anfang_, pos - anfang_);
            if (cr && pos + 1 < ende_ && p[pos + 1] == '\n') ++pos;
            anfang_ = pos + 1;
            ++nummer_;
            return true;
        }
        if (ende_ - anfang_ > Max_Zeilenlaenge + 1) {
            ++nummer_;
            throw Zeile_Zu_Lang_Fehler(Ort() + "Zeile länger als 64 KiB");
        }
        const std::size_t schon = (offen ? pos : ende_) - anfang_;
        if (!Nachladen()) {
            if (ende_ > anfang_) {
                std::size_t laenge = ende_ - anfang_;
                if (puffer_[ende_ - 1] == '\r') --laenge;
                zeile = std::string_view(puffer_.get() + anfang_, laenge);
                anfang_ = ende_;
                ++nummer_;
                return true;
            }
            return false;
        }
        suche_ab = anfang_ + schon;
    }
}

bool Zeilen_Leser::Beschreibung_Ueberspringen() {
    std::string_view z;
    while (Naechste(z))
        if (z.size() >= 2 && z[0] == '-' && z[1] == '-') return true;
    return false;
}

bool Zeilen_Leser::Ueberspringen(int anzahl) {
    std::string_view z;
    for (int i = 0; i < anzahl; ++i)
        if (!Naechste(z)) return false;
    return true;
}

std::string Pfad_In(const std::string& ordner, const std::string& name) {
    if (ordner.empty()) return name;
    if (ordner.back() == '/' || ordner.back() == '\\') return ordner + name;
    return ordner + "/" + name;
}
