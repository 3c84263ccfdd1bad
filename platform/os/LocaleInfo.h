#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

// The user's regional currency settings, answered the way the program asks for them: five
// locale items, each a text.
//
// | item                 | [intl] key of win.ini | else, from the user's POSIX locale          |
// |----------------------|-----------------------|---------------------------------------------|
// | LOCALE_SCURRENCY     | sCurrency             | LC_MONETARY currency_symbol                 |
// | LOCALE_ICURRENCY     | iCurrency             | LC_MONETARY p_cs_precedes, p_sep_by_space:  |
// |                      |                       |   precedes, no space -> "0"  ($1.1)         |
// |                      |                       |   follows,  no space -> "1"  (1.1$)         |
// |                      |                       |   precedes, space    -> "2"  ($ 1.1)        |
// |                      |                       |   follows,  space    -> "3"  (1.1 $)        |
// |                      |                       |   ("space" is p_sep_by_space 1; 0 and 2     |
// |                      |                       |   put no blank between symbol and digits)   |
// | LOCALE_STHOUSAND     | sThousand             | LC_NUMERIC thousands_sep                    |
// | LOCALE_SDECIMAL      | sDecimal              | LC_NUMERIC decimal_point                    |
// | LOCALE_ICURRDIGITS   | iCurrDigits           | LC_MONETARY frac_digits, in decimal         |
//
// A key present in [intl] wins, even with an empty value. The POSIX locale is the one the
// environment names (LC_ALL, LC_MONETARY / LC_NUMERIC, LANG). An item fails when the locale
// cannot be loaded or leaves it open (the "C" locale has no currency position or
// digits). Texts are returned in the locale's own encoding (UTF-8 in a UTF-8 locale).

namespace tamberlo::os {

enum class CurrencyItem { Symbol, Position, Thousands, Decimal, Digits };

class LocaleSource {
public:
    virtual ~LocaleSource() = default;
    // Nothing when the item is not available.
    virtual std::optional<std::string> item(CurrencyItem which) = 0;
};

// [intl] of an INI file through the profile functions: win.ini by default, or the file named
// as profile functions name it (the drive tool and rtcalc use this alone: a missing key fails).
class ProfileLocaleSource final : public LocaleSource {
public:
    explicit ProfileLocaleSource(std::string file = {}) : m_file(std::move(file)) {}
    std::optional<std::string> item(CurrencyItem which) override;

private:
    std::string m_file;
};

// A POSIX locale by name; the empty name is the user's locale from the environment.
class PosixLocaleSource final : public LocaleSource {
public:
    explicit PosixLocaleSource(std::string name = {}) : m_name(std::move(name)) {}
    std::optional<std::string> item(CurrencyItem which) override;

private:
    std::string m_name;
};

// The desktop's regional settings: win.ini's [intl] first, then the user's POSIX locale.
class RegionalLocaleSource final : public LocaleSource {
public:
    std::optional<std::string> item(CurrencyItem which) override;

private:
    ProfileLocaleSource m_profile;
    PosixLocaleSource m_posix;
};

// Items held in memory, for tests; an item never set fails.
class MemoryLocaleSource final : public LocaleSource {
public:
    void set(CurrencyItem which, std::string text);
    std::optional<std::string> item(CurrencyItem which) override;

private:
    std::mutex m_mutex;
    std::map<CurrencyItem, std::string> m_items;
};

// The [intl] key that holds an item.
std::string_view intlKeyName(CurrencyItem which);
// The currency-position code for a POSIX locale's p_cs_precedes and p_sep_by_space (see the
// table above); nothing when either is not set (CHAR_MAX) or out of range.
std::optional<int> currencyPositionCode(int csPrecedes, int sepBySpace);

// The process's regional settings: RegionalLocaleSource unless replaced.
LocaleSource& localeSource();
// Replaces them (nullptr restores the default). The caller keeps the object alive while it is
// installed.
void setLocaleSource(LocaleSource* replacement);

using LCID = std::uint32_t;
using LCTYPE = std::uint32_t;
inline constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
inline constexpr LCTYPE LOCALE_SDECIMAL = 0x000E;
inline constexpr LCTYPE LOCALE_STHOUSAND = 0x000F;
inline constexpr LCTYPE LOCALE_SCURRENCY = 0x0014;
inline constexpr LCTYPE LOCALE_ICURRDIGITS = 0x0019;
inline constexpr LCTYPE LOCALE_ICURRENCY = 0x001B;

// The locale-information call as the program makes it, for LOCALE_USER_DEFAULT and the five
// items above. Copies the text and a terminating NUL into `data` and returns the bytes copied
// including the NUL; with `size` 0 returns the size needed and copies nothing. Returns 0 when
// the item fails, for any other locale or item, or when `size` is too small.
int GetLocaleInfoA(LCID locale, LCTYPE type, char* data, int size);

} // namespace tamberlo::os
