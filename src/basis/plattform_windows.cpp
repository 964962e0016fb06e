#include "basis/plattform_windows.hpp"

#ifdef _WIN32
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>

namespace {

std::string Utf8(const wchar_t* w) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w, -1, s.data(), n, nullptr, nullptr);
    s.resize(static_cast<std::size_t>(n - 1));
    return s;
}

std::wstring Breit(const std::string& s) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, nullptr, 0);
    if (n <= 1) return {};
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, w.data(), n);
    w.resize(static_cast<std::size_t>(n - 1));
    return w;
}

// Day of the week of a Gregorian date, 0 = Sunday.
int Wochentag(int j, int m, int t) {
    static const int versatz[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3) --j;
    return (j + j / 4 - j / 100 + j / 400 + versatz[m - 1] + t) % 7;
}

int Monatslaenge(int j, int m) {
    static const int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool schalt = (j % 4 == 0 && j % 100 != 0) || j % 400 == 0;
    return m == 2 && schalt ? 29 : tage[m - 1];
}

System_Zeit Zeit_Von(int j, int m, int t, const SYSTEMTIME& s) {
    System_Zeit z;
    z.Jahr = j;
    z.Monat = m;
    z.Tag = t;
    z.Stunde = s.wHour;
    z.Minute = s.wMinute;
    z.Sekunde = s.wSecond;
    z.Millisekunden = s.wMilliseconds;
    z.Wochentag = Wochentag(j, m, t);
    return z;
}

// The next change after `jetzt` of a rule in Windows' form: wYear 0 means
// "the wDay-th (5 = last) weekday wDayOfWeek of month wMonth", every year;
// wMonth 0 means no change at all.
System_Zeit Naechster_Wechsel(const SYSTEMTIME& regel, const SYSTEMTIME& jetzt) {
    if (regel.wMonth < 1 || regel.wMonth > 12) return {};
    if (regel.wYear != 0) return Zeit_Von(regel.wYear, regel.wMonth, regel.wDay, regel);
    for (int j = jetzt.wYear; j <= jetzt.wYear + 1; ++j) {
        const int m = regel.wMonth;
        int t = 1 + (regel.wDayOfWeek - Wochentag(j, m, 1) + 7) % 7;
        t += 7 * (std::max<int>(regel.wDay, 1) - 1);
        while (t > Monatslaenge(j, m)) t -= 7;
        const auto schluessel = [](int mo, int ta, int h, int mi) {
            return ((mo * 32 + ta) * 24 + h) * 60 + mi;
        };
        if (j > jetzt.wYear || schluessel(m, t, regel.wHour, regel.wMinute) >
                                   schluessel(jetzt.wMonth, jetzt.wDay, jetzt.wHour, jetzt.wMinute))
            return Zeit_Von(j, m, t, regel);
    }
    return {};
}

} // namespace

Zeitzone_Info Zeitzone_Aus_Windows(DWORD antwort, const TIME_ZONE_INFORMATION& tz,
                                   const SYSTEMTIME& jetzt_lokal) {
    Zeitzone_Info z;
    if (antwort == TIME_ZONE_ID_INVALID) return z;
    const bool mit_sommerzeit = tz.DaylightDate.wMonth != 0 && tz.DaylightBias != 0;
    z.Bias = tz.Bias;
    z.StandardBias = 0;
    z.DaylightBias = mit_sommerzeit ? tz.DaylightBias : 0;
    z.StandardName = Utf8(tz.StandardName);
    z.DaylightName = Utf8(tz.DaylightName);
    if (mit_sommerzeit) {
        z.StandardDate = Naechster_Wechsel(tz.StandardDate, jetzt_lokal);
        z.DaylightDate = Naechster_Wechsel(tz.DaylightDate, jetzt_lokal);
    }
    if (antwort == TIME_ZONE_ID_DAYLIGHT)
        z.Zustand = 2;
    else if (tz.Bias == 0 && !mit_sommerzeit)
        z.Zustand = 0;
    else
        z.Zustand = 1;
    return z;
}

Zeitzone_Info Zeitzone_Windows() {
    TIME_ZONE_INFORMATION tz{};
    const DWORD antwort = GetTimeZoneInformation(&tz);
    SYSTEMTIME jetzt{};
    GetLocalTime(&jetzt);
    return Zeitzone_Aus_Windows(antwort, tz, jetzt);
}

std::string Dokumente_Ordner_Windows() {
    wchar_t pfad[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, pfad)))
        return {};
    std::string s = Utf8(pfad);
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

bool Oeffnen_Windows(const std::string& pfad, bool bearbeiten) {
    const std::wstring w = Breit(pfad);
    if (w.empty() || GetFileAttributesW(w.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    // ShellExecute answers a value above 32 on success.
    const auto r = reinterpret_cast<INT_PTR>(ShellExecuteW(
        nullptr, bearbeiten ? L"edit" : L"open", w.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (r > 32) return true;
    if (!bearbeiten) return false;
    // No "edit" verb for this type: Notepad.
    return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", L"notepad.exe", w.c_str(),
                                                   nullptr, SW_SHOWNORMAL)) > 32;
}
#endif
