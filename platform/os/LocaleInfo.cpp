#include "platform/os/LocaleInfo.h"

#include "platform/os/Profile.h"

#include <atomic>
#include <climits>
#include <cstring>
#include <langinfo.h>
#include <locale.h>

namespace tamberlo::os {
namespace {

RegionalLocaleSource regionalSettings;
std::atomic<LocaleSource*> installed{nullptr};

// A locale object for one query, freed when the query ends.
class PosixLocale {
public:
    explicit PosixLocale(const std::string& name)
        : m_locale(::newlocale(LC_MONETARY_MASK | LC_NUMERIC_MASK, name.c_str(), locale_t{})) {}
    ~PosixLocale() {
        if (m_locale)
            ::freelocale(m_locale);
    }
    PosixLocale(const PosixLocale&) = delete;
    PosixLocale& operator=(const PosixLocale&) = delete;

    explicit operator bool() const { return m_locale != locale_t{}; }
    std::string text(nl_item item) const { return ::nl_langinfo_l(item, m_locale); }
    // The numeric monetary items come as the first byte of their text; CHAR_MAX means
    // "not set".
    int number(nl_item item) const {
        const char* text = ::nl_langinfo_l(item, m_locale);
        return text ? static_cast<int>(text[0]) : CHAR_MAX;
    }

private:
    locale_t m_locale;
};

std::optional<CurrencyItem> itemOf(LCTYPE type) {
    switch (type) {
    case LOCALE_SCURRENCY:
        return CurrencyItem::Symbol;
    case LOCALE_ICURRENCY:
        return CurrencyItem::Position;
    case LOCALE_STHOUSAND:
        return CurrencyItem::Thousands;
    case LOCALE_SDECIMAL:
        return CurrencyItem::Decimal;
    case LOCALE_ICURRDIGITS:
        return CurrencyItem::Digits;
    default:
        return std::nullopt;
    }
}

} // namespace

std::string_view intlKeyName(CurrencyItem which) {
    switch (which) {
    case CurrencyItem::Symbol:
        return "sCurrency";
    case CurrencyItem::Position:
        return "iCurrency";
    case CurrencyItem::Thousands:
        return "sThousand";
    case CurrencyItem::Decimal:
        return "sDecimal";
    case CurrencyItem::Digits:
        return "iCurrDigits";
    }
    return {};
}

std::optional<int> currencyPositionCode(int csPrecedes, int sepBySpace) {
    if (csPrecedes < 0 || csPrecedes > 1 || sepBySpace < 0 || sepBySpace > 2)
        return std::nullopt;
    bool spaced = sepBySpace == 1;
    if (csPrecedes == 1)
        return spaced ? 2 : 0;
    return spaced ? 3 : 1;
}

std::optional<std::string> ProfileLocaleSource::item(CurrencyItem which) {
    return readProfileValue("intl", intlKeyName(which), m_file);
}

std::optional<std::string> PosixLocaleSource::item(CurrencyItem which) {
    PosixLocale locale(m_name);
    if (!locale)
        return std::nullopt;
    switch (which) {
    case CurrencyItem::Symbol:
        return locale.text(CURRENCY_SYMBOL);
    case CurrencyItem::Position: {
        auto code =
            currencyPositionCode(locale.number(P_CS_PRECEDES), locale.number(P_SEP_BY_SPACE));
        return code ? std::optional(std::to_string(*code)) : std::nullopt;
    }
    case CurrencyItem::Thousands:
        return locale.text(THOUSEP);
    case CurrencyItem::Decimal:
        return locale.text(RADIXCHAR);
    case CurrencyItem::Digits: {
        int digits = locale.number(FRAC_DIGITS);
        return digits >= 0 && digits != CHAR_MAX ? std::optional(std::to_string(digits))
                                                 : std::nullopt;
    }
    }
    return std::nullopt;
}

std::optional<std::string> RegionalLocaleSource::item(CurrencyItem which) {
    if (auto text = m_profile.item(which))
        return text;
    return m_posix.item(which);
}

void MemoryLocaleSource::set(CurrencyItem which, std::string text) {
    std::lock_guard lock(m_mutex);
    m_items[which] = std::move(text);
}

std::optional<std::string> MemoryLocaleSource::item(CurrencyItem which) {
    std::lock_guard lock(m_mutex);
    auto found = m_items.find(which);
    return found == m_items.end() ? std::nullopt : std::optional(found->second);
}

LocaleSource& localeSource() {
    LocaleSource* replacement = installed.load(std::memory_order_acquire);
    return replacement ? *replacement : regionalSettings;
}

void setLocaleSource(LocaleSource* replacement) {
    installed.store(replacement, std::memory_order_release);
}

int GetLocaleInfoA(LCID locale, LCTYPE type, char* data, int size) {
    auto which = itemOf(type);
    if (locale != LOCALE_USER_DEFAULT || !which || size < 0)
        return 0;
    auto text = localeSource().item(*which);
    if (!text)
        return 0;
    // The call's contract is a NUL-terminated text: cut at an embedded NUL.
    auto length = std::strlen(text->c_str());
    if (length >= INT_MAX)
        return 0;
    int needed = static_cast<int>(length) + 1;
    if (size == 0)
        return needed;
    if (!data || size < needed)
        return 0;
    std::memcpy(data, text->c_str(), static_cast<std::size_t>(needed));
    return needed;
}

} // namespace tamberlo::os
