#pragma once

// Character classes for the texts the program reads: pictures, typed amounts, number texts and
// settings files. ASCII only and independent of the C library's locale, so that a text reads the
// same under every locale and bytes of other encodings are never taken for letters or blanks.

namespace tamberlo::os {

constexpr bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// Space, tab, line feed, vertical tab, form feed and carriage return.
constexpr bool isAsciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace tamberlo::os
