#include "runtime/decimal/DecimalMultiples.h"

#include <algorithm>

namespace tamberlo {

DecimalMultiples::DecimalMultiples(const std::uint8_t* digits, int count) {
    Multiple& once = m_multiples[1];
    once.count = std::clamp(count, 0, 64);
    std::copy_n(digits, once.count, once.digits.begin());
    m_built = 1u << 1;
}

const DecimalMultiples::Multiple& DecimalMultiples::times(int factor) {
    if (factor > 9 || factor < 1) {
        multiplyByDigits(factor, m_scratch);
        return m_scratch;
    }
    Multiple& multiple = m_multiples[factor];
    if (m_built & (1u << factor))
        return multiple;
    if (m_built & (1u << (factor - 1)))
        addMultiples(m_multiples[factor - 1], m_multiples[1], multiple);
    else if (factor % 2 == 0 && (m_built & (1u << (factor / 2))))
        addMultiples(m_multiples[factor / 2], m_multiples[factor / 2], multiple);
    else
        multiplyByDigits(factor, multiple);
    m_built = static_cast<std::uint16_t>(m_built | (1u << factor));
    return multiple;
}

void DecimalMultiples::multiplyByDigits(int factor, Multiple& into) const {
    const Multiple& once = m_multiples[1];
    int carry = 0;
    int count = 0;
    for (; count < once.count; ++count) {
        int product = once.digits[count] * factor + carry;
        into.digits[count] = static_cast<std::uint8_t>(product % 10);
        carry = product / 10;
    }
    for (; carry != 0 && count < capacity; ++count) {
        into.digits[count] = static_cast<std::uint8_t>(carry % 10);
        carry /= 10;
    }
    into.count = count;
}

void DecimalMultiples::addMultiples(const Multiple& left, const Multiple& right, Multiple& into) {
    const int count = std::max(left.count, right.count);
    int carry = 0;
    for (int i = 0; i < count; ++i) {
        int sum =
            (i < left.count ? left.digits[i] : 0) + (i < right.count ? right.digits[i] : 0) + carry;
        carry = sum >= 10;
        into.digits[i] = static_cast<std::uint8_t>(carry ? sum - 10 : sum);
    }
    into.count = count;
    if (carry && count < capacity)
        into.digits[into.count++] = 1;
}

} // namespace tamberlo
