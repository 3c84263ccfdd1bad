#pragma once

#include <array>
#include <cstdint>

namespace tamberlo {

enum class PictureKind : std::uint8_t {
    Numeric = 0,
    Scientific = 1,
    Date = 2,
    Time = 3,
    Pattern = 4,
    String = 5,
    KeyIn = 6,
};

// What the general FORMAT converts a value to before filling.
enum class ValueType : std::uint8_t {
    Text = 0,
    Integer = 1,
    Real = 2,
    Decimal = 3,
};

enum class PositionRole : std::uint8_t {
    Literal = 0,
    GroupSeparator = 1,
    DecimalSeparator = 2,
    DigitShown = 3,
    DigitBlank = 4,
    Sign = 5,
    Currency = 6,
    MonthDigit = 7,
    DayDigit = 8,
    YearDigit = 9,
    MonthLetter = 10,
    HourDigit = 11,
    MinuteDigit = 12,
    SecondDigit = 13,
    // Typing positions of key-in pictures ("@", "^", "_", "?", "|"); not used when formatting.
    TypeAt = 14,
    TypeCaret = 15,
    TypeUnderscore = 16,
    TypeQuestion = 17,
    Separator = 19,
    AmPm = 20,
    ExponentSign = 21,
    ImpliedDecimal = 22,
    TypeBar = 23,
};

struct PicturePosition {
    char fill = ' ';
    PositionRole role = PositionRole::Literal;
};

inline constexpr int maxPictureLength = 255;

// A picture text compiled into a fixed-width template: one position per output character.
// A plain value with no resources; `length` 0 marks an invalid picture.
struct CompiledPicture {
    PictureKind kind = PictureKind::Numeric;
    ValueType valueType = ValueType::Decimal;
    bool blankWhenZero = false;
    std::uint8_t length = 0;
    std::uint8_t centuryWindow = 0;  // date pictures only
    std::uint8_t pictureNumber = 0;  // date and time pictures only
    std::array<PicturePosition, maxPictureLength> positions{};

    bool valid() const { return length != 0; }
};

} // namespace tamberlo
