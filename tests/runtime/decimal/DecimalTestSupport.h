#pragma once

#include "runtime/decimal/DecimalText.h"
#include "runtime/decimal/WorkingDecimal.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tamberlo::test {

inline WorkingDecimal decimal(std::string_view text) {
    return decimalFromText(text);
}

inline std::string plain(const WorkingDecimal& value) {
    char text[maxPlainTextLength];
    return std::string(text, writePlainText(value, text));
}

inline std::string hexOf(const std::vector<std::uint8_t>& bytes) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string text;
    for (auto byte : bytes) {
        text += hex[byte >> 4];
        text += hex[byte & 0x0F];
    }
    return text;
}

inline std::vector<std::uint8_t> bytesOf(std::string_view hex) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(
            static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

// A plain unbounded decimal number for checking the engine against: a magnitude of base-ten
// digits (least significant first) scaled by 10^-scale.
struct Reference {
    bool negative = false;
    std::vector<int> digits; // no leading zeros; empty for zero
    int scale = 0;

    static Reference parse(std::string_view text) {
        Reference number;
        if (!text.empty() && text[0] == '-') {
            number.negative = true;
            text.remove_prefix(1);
        }
        for (auto at = text.rbegin(); at != text.rend(); ++at) {
            if (*at == '.')
                number.scale = static_cast<int>(at - text.rbegin());
            else
                number.digits.push_back(*at - '0');
        }
        number.trim();
        return number;
    }

    void trim() {
        while (!digits.empty() && digits.back() == 0)
            digits.pop_back();
        if (digits.empty())
            negative = false;
    }

    // The same value at a larger scale.
    Reference rescaled(int newScale) const {
        Reference number = *this;
        number.digits.insert(number.digits.begin(), static_cast<std::size_t>(newScale - scale), 0);
        number.scale = newScale;
        number.trim();
        return number;
    }

    // The plain text the engine writes for this value.
    std::string text() const {
        std::string integer, fraction;
        for (int i = 0; i < static_cast<int>(std::max<std::size_t>(digits.size(), scale + 1));
             ++i) {
            const char c =
                static_cast<char>('0' + (i < static_cast<int>(digits.size()) ? digits[i] : 0));
            (i < scale ? fraction : integer).insert(0, 1, c);
        }
        while (!fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
        while (integer.size() > 1 && integer.front() == '0')
            integer.erase(0, 1);
        return (negative ? "-" : "") + integer + (fraction.empty() ? "" : "." + fraction);
    }

    int integerDigits() const { return std::max(0, static_cast<int>(digits.size()) - scale); }
};

// Magnitudes as plain digit vectors (least significant first).
inline int compareMagnitudes(const std::vector<int>& a, const std::vector<int>& b) {
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;)
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    return 0;
}

inline std::vector<int> addMagnitudes(const std::vector<int>& a, const std::vector<int>& b) {
    std::vector<int> sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        int digit = carry + (i < a.size() ? a[i] : 0) + (i < b.size() ? b[i] : 0);
        sum.push_back(digit % 10);
        carry = digit / 10;
    }
    return sum;
}

// a - b with a >= b.
inline std::vector<int> subtractMagnitudes(std::vector<int> a, const std::vector<int>& b) {
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] -= borrow + (i < b.size() ? b[i] : 0);
        borrow = a[i] < 0;
        if (borrow)
            a[i] += 10;
    }
    while (!a.empty() && a.back() == 0)
        a.pop_back();
    return a;
}

inline std::vector<int> multiplyMagnitudes(const std::vector<int>& a, const std::vector<int>& b) {
    std::vector<int> product(a.size() + b.size() + 1, 0);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            product[i + j] += a[i] * b[j];
    for (std::size_t i = 0; i + 1 < product.size(); ++i) {
        product[i + 1] += product[i] / 10;
        product[i] %= 10;
    }
    while (!product.empty() && product.back() == 0)
        product.pop_back();
    return product;
}

// floor(a / b), b not zero.
inline std::vector<int> divideMagnitudes(const std::vector<int>& a, const std::vector<int>& b) {
    std::vector<int> quotient(a.size(), 0);
    std::vector<int> remainder;
    for (std::size_t i = a.size(); i-- > 0;) {
        remainder.insert(remainder.begin(), a[i]);
        while (!remainder.empty() && remainder.back() == 0)
            remainder.pop_back();
        while (compareMagnitudes(remainder, b) >= 0) {
            remainder = subtractMagnitudes(remainder, b);
            ++quotient[i];
        }
    }
    while (!quotient.empty() && quotient.back() == 0)
        quotient.pop_back();
    return quotient;
}

inline Reference add(Reference a, Reference b) {
    const int scale = std::max(a.scale, b.scale);
    a = a.rescaled(scale);
    b = b.rescaled(scale);
    Reference sum;
    sum.scale = scale;
    if (a.negative == b.negative) {
        sum.digits = addMagnitudes(a.digits, b.digits);
        sum.negative = a.negative;
    } else if (compareMagnitudes(a.digits, b.digits) >= 0) {
        sum.digits = subtractMagnitudes(a.digits, b.digits);
        sum.negative = a.negative;
    } else {
        sum.digits = subtractMagnitudes(b.digits, a.digits);
        sum.negative = b.negative;
    }
    sum.trim();
    return sum;
}

inline Reference multiply(const Reference& a, const Reference& b) {
    Reference product;
    product.digits = multiplyMagnitudes(a.digits, b.digits);
    product.scale = a.scale + b.scale;
    product.negative = a.negative != b.negative;
    product.trim();
    return product;
}

// a / b developed to 32 places: truncated, or rounded half up on the magnitude.
inline Reference divide(const Reference& a, const Reference& b, bool rounded) {
    // |a| / |b| * 10^32 = A * 10^(32 - sa + sb) / B for the digit integers A and B.
    std::vector<int> numerator = a.digits;
    numerator.insert(numerator.begin(), static_cast<std::size_t>(32 - a.scale + b.scale), 0);
    std::vector<int> denominator = b.digits;
    if (rounded) { // floor((2N + D) / 2D)
        numerator = addMagnitudes(addMagnitudes(numerator, numerator), denominator);
        denominator = addMagnitudes(denominator, denominator);
    }
    Reference quotient;
    quotient.digits = divideMagnitudes(numerator, denominator);
    quotient.scale = 32;
    quotient.negative = a.negative != b.negative;
    quotient.trim();
    return quotient;
}

} // namespace tamberlo::test
