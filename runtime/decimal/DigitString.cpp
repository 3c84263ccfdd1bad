#include "runtime/decimal/DigitString.h"

#include "runtime/decimal/DecimalText.h"

namespace tamberlo {

DigitString toDigitString(const WorkingDecimal& value) {
    // The plain text without its sign and decimal point is exactly the digit string.
    char text[maxPlainTextLength];
    const std::size_t length = writePlainText(sanitised(value), text);
    DigitString result;
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] == '-')
            result.negative = true;
        else if (text[i] == '.')
            result.pointPosition = result.count;
        else
            result.digits[result.count++] = text[i];
    }
    if (result.pointPosition == 0)
        result.pointPosition = result.count;
    return result;
}

} // namespace tamberlo
