#include "app/versionsinfo.hpp"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <functional>
#include <map>

#include "basis/versions_block.hpp"

std::string Dateifunktion_Text(const Feste_Versionsinfo& fest) {
    static constexpr const char* Treiber[] = {
        "Unknown Driver",    "Printer Driver", "Keyboard Driver",      "Language Driver",
        "Display Driver",    "Mouse Driver",   "Network Driver",       "System Driver",
        "InstallableDriver", "Sound Driver",   "Communications Driver"};
    static constexpr const char* Schriften[] = {"Unknown Font", "Raster Font", "Vector Font",
                                                "Truetype Font"};
    switch (fest.Dateityp) {
    case 0:
        return "Unknown";
    case 1:
        return "Application";
    case 2:
        return "DLL";
    case 3:
        return fest.Untertyp < std::size(Treiber) ? Treiber[fest.Untertyp] : "";
    case 4:
        return fest.Untertyp < std::size(Schriften) ? Schriften[fest.Untertyp] : "";
    case 5: {
        char hex[9];
        std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(fest.Untertyp));
        return std::string("Virtual Defice Identifier = ") + hex;
    }
    case 7:
        return "Static-link Library";
    default:
        return "";
    }
}

namespace {

// The entries of the block that follows a marker, or
// an empty map when what follows is not a block (the marker text itself also
// appears in the code that looks for it).
std::map<std::string, std::string> Eintraege(std::string_view rest) {
    std::map<std::string, std::string> e;
    while (true) {
        const auto ende = rest.find('\0');
        if (ende == std::string_view::npos) return {};
        const std::string_view eintrag = rest.substr(0, ende);
        rest.remove_prefix(ende + 1);
        if (eintrag.empty()) break;
        const auto gleich = eintrag.find('=');
        if (gleich == std::string_view::npos || e.size() > 64) return {};
        e.emplace(eintrag.substr(0, gleich), eintrag.substr(gleich + 1));
    }
    if (!e.contains("FileVersion")) return {};
    return e;
}

std::uint32_t Zahl(const std::map<std::string, std::string>& e, const char* name) {
    const auto it = e.find(name);
    if (it == e.end()) return 0;
    std::uint32_t wert = 0;
    std::from_chars(it->second.data(), it->second.data() + it->second.size(), wert);
    return wert;
}

std::string Text(const std::map<std::string, std::string>& e, const char* name) {
    const auto it = e.find(name);
    return it == e.end() ? std::string() : it->second;
}

} // namespace

bool Versionsblock_Auswerten(std::string_view bytes, TFileVersionInfo& info) {
    const std::string_view marke = STELUX_VERSIONS_MARKE;
    const std::boyer_moore_horspool_searcher sucher(marke.begin(), marke.end());
    auto it = bytes.begin();
    while (true) {
        const auto [von, bis] = sucher(it, bytes.end());
        if (von == bytes.end()) return false;
        const auto e = Eintraege(bytes.substr(static_cast<std::size_t>(bis - bytes.begin())));
        if (!e.empty()) {
            info.CompanyName = Text(e, "CompanyName");
            info.FileDescription = Text(e, "FileDescription");
            info.FileVersion = Text(e, "FileVersion");
            info.InternalName = Text(e, "InternalName");
            info.LegalCopyright = Text(e, "LegalCopyRight");
            info.LegalTrademarks = Text(e, "LegalTradeMarks");
            info.OriginalFilename = Text(e, "OriginalFileName");
            info.ProductName = Text(e, "ProductName");
            info.ProductVersion = Text(e, "ProductVersion");
            info.Comments = Text(e, "Comments");
            info.SpecialBuildStr = Text(e, "SpecialBuild");
            info.PrivateBuildStr = Text(e, "PrivateBuild");
            Feste_Versionsinfo fest;
            fest.Dateityp = Zahl(e, "FileType");
            fest.Untertyp = Zahl(e, "FileSubtype");
            fest.Flaggen = Zahl(e, "FileFlags");
            fest.Flaggen_Maske = Zahl(e, "FileFlagsMask");
            const auto gesetzt = [&](std::uint32_t bit) {
                return (fest.Flaggen & fest.Flaggen_Maske & bit) != 0;
            };
            info.DebugBuild = gesetzt(0x01);
            info.PreRelease = gesetzt(0x02);
            info.Patched = gesetzt(0x04);
            info.PrivateBuild = gesetzt(0x08);
            info.InfoInferred = gesetzt(0x10);
            info.SpecialBuild = gesetzt(0x20);
            info.FileFunction = Dateifunktion_Text(fest);
            return true;
        }
        it = von + 1;
    }
}

TFileVersionInfo Versionsinfo_Lesen(const std::string& datei) {
    TFileVersionInfo info;
    const QString pfad = QString::fromStdString(datei);
    if (!QFileInfo(pfad).isFile()) return info;
    info.FileType = QMimeDatabase().mimeTypeForFile(pfad).comment().left(80).toStdString();
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly) || f.size() == 0) return info;
    const uchar* daten = f.map(0, f.size());
    if (daten) {
        Versionsblock_Auswerten(std::string_view(reinterpret_cast<const char*>(daten),
                                                 static_cast<std::size_t>(f.size())),
                                info);
    } else {
        const QByteArray alles = f.readAll();
        Versionsblock_Auswerten(std::string_view(alles.constData(), alles.size()), info);
    }
    return info;
}

std::vector<std::pair<std::string, std::string>> Versionsinfo_Zeilen(const TFileVersionInfo& i) {
    const auto jn = [](bool b) { return std::string(b ? "Yes" : "No"); };
    return {{"FileType        ", i.FileType},        {"CompanyName     ", i.CompanyName},
            {"FileDescription ", i.FileDescription}, {"FileVersion     ", i.FileVersion},
            {"InternalName    ", i.InternalName},    {"LegalCopyRight  ", i.LegalCopyright},
            {"LegalTradeMarks ", i.LegalTrademarks}, {"OriginalFileName", i.OriginalFilename},
            {"ProductName     ", i.ProductName},     {"ProductVersion  ", i.ProductVersion},
            {"SpecialBuildStr ", i.SpecialBuildStr}, {"PrivateBuildStr ", i.PrivateBuildStr},
            {"FileFunction    ", i.FileFunction},    {"DebugBuild      ", jn(i.DebugBuild)},
            {"PreRelease      ", jn(i.PreRelease)},  {"PrivateBuild    ", jn(i.PrivateBuild)},
            {"SpecialBuild    ", jn(i.SpecialBuild)}};
}
