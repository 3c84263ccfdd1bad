#pragma once

#include <array>
#include <cstdint>

// The multiples 1 to 9 of one operand, for multiplication and long division. Each is built at
// most once per operation and only when first asked for, preferably by one addition of
// multiples that exist already.

namespace tamberlo {

class DecimalMultiples {
public:
    // Room for 64 digits and the carry digits of a multiple.
    static constexpr int capacity = 68;

    struct Multiple {
        std::array<std::uint8_t, capacity> digits; // least significant first
        int count = 0;                             // digits in use
    };

    // `digits` (least significant first, `count` of them, at most 64) must outlive this object.
    DecimalMultiples(const std::uint8_t* digits, int count);

    // The operand times `factor`. Factors above 9 only arise from digit bytes that were never
    // checked (stored nibbles A to F); they are computed afresh each time.
    const Multiple& times(int factor);

private:
    void multiplyByDigits(int factor, Multiple& into) const;
    static void addMultiples(const Multiple& left, const Multiple& right, Multiple& into);

    std::array<Multiple, 10> m_multiples;
    Multiple m_scratch;
    std::uint16_t m_built = 0;
};

} // namespace tamberlo
