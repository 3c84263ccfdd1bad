#include "runtime/decimal/DecimalArithmetic.h"
#include "runtime/decimal/DecimalDigits.h"
#include "runtime/decimal/DecimalDigitwise.h"
#include "runtime/decimal/DecimalMultiples.h"

#include <algorithm>
#include <bit>

namespace tamberlo {

namespace {

constexpr int units = WorkingDecimal::unitsEntry;

// Multiplication by partial products: one per non-zero digit of the right operand, lowest
// first, each a multiple of the left operand shifted to that digit's place. A partial product
// wholly at or below 10^-32 is dropped, digits below 10^-32 are cut off before adding, and a
// later partial product reaching 10^31 (or any sum reaching 10^32) overflows to zero.
WorkingDecimal multiplyByPartialProducts(const WorkingDecimal& left, const WorkingDecimal& right) {
    DecimalMultiples multiples(left.digits.data() + left.low, left.high - left.low + 1);
    WorkingDecimal product;
    bool kept = false;
    int low = 0;
    int high = 0;
    for (int rightEntry = right.low; rightEntry <= right.high; ++rightEntry) {
        const int digit = right.digits[rightEntry];
        if (digit == 0)
            continue;
        const DecimalMultiples::Multiple& multiple = multiples.times(digit);
        const int base = left.low + rightEntry - units; // entry of the multiple's lowest digit
        const int lead = base + multiple.count - 1;
        if (lead <= 0)
            continue;
        if (lead > 63 || (kept && lead >= 63))
            return WorkingDecimal{};
        const int first = std::max(base, 0);
        int carry = 0;
        int entry = first;
        for (; entry <= lead; ++entry) {
            int sum = product.digits[entry] + multiple.digits[entry - base] + carry;
            carry = sum >= 10;
            product.digits[entry] = static_cast<std::uint8_t>(carry ? sum - 10 : sum);
        }
        for (; carry != 0; ++entry) {
            if (entry > 63)
                return WorkingDecimal{};
            int sum = product.digits[entry] + 1;
            carry = sum >= 10;
            product.digits[entry] = static_cast<std::uint8_t>(carry ? sum - 10 : sum);
        }
        if (!kept)
            low = first;
        high = std::max(high, entry - 1);
        kept = true;
    }
    if (!kept)
        return WorkingDecimal{};
    product.sign = static_cast<std::int8_t>(left.sign * right.sign);
    product.low = static_cast<std::uint8_t>(low);
    product.high = static_cast<std::uint8_t>(high);
    normalise(product);
    return product;
}

// The same product in base 10^8 limbs, for operands whose product keeps every digit (no
// partial product is dropped or cut): then only the overflow rules need the partial products.
WorkingDecimal multiplyByLimbs(const WorkingDecimal& left, const WorkingDecimal& right) {
    constexpr int maxLimbs = 8;
    const int leftCount = (left.high - left.low) / 8 + 1;
    const int rightCount = (right.high - right.low) / 8 + 1;
    std::uint64_t leftLimbs[maxLimbs], rightLimbs[maxLimbs];
    for (int i = 0; i < leftCount; ++i)
        leftLimbs[i] = digits::wordValue(digits::wordAt(left, left.low + 8 * i));
    for (int i = 0; i < rightCount; ++i)
        rightLimbs[i] = digits::wordValue(digits::wordAt(right, right.low + 8 * i));

    // Each limb sum stays below 8 * 10^16, well within 64 bits.
    std::uint64_t limbs[2 * maxLimbs] = {};
    int count = leftCount + rightCount;
    if (count == 2) { // both operands of at most eight digits, the usual case
        const std::uint64_t product = leftLimbs[0] * rightLimbs[0];
        limbs[0] = product % digits::limbBase;
        limbs[1] = product / digits::limbBase;
    } else {
        for (int i = 0; i < leftCount; ++i)
            for (int j = 0; j < rightCount; ++j)
                limbs[i + j] += leftLimbs[i] * rightLimbs[j];
        for (int i = 0; i + 1 < count; ++i) {
            limbs[i + 1] += limbs[i] / digits::limbBase;
            limbs[i] %= digits::limbBase;
        }
    }
    while (count > 1 && limbs[count - 1] == 0)
        --count;

    const int lowEntry = left.low + right.low - units;
    const std::uint64_t topWord = digits::wordOf(static_cast<std::uint32_t>(limbs[count - 1]));
    const int highEntry = lowEntry + 8 * (count - 1) + 7 - std::countl_zero(topWord) / 8;
    if (highEntry > 63) // the product reaches 10^32
        return WorkingDecimal{};
    if (highEntry == 63 && right.low != right.high) {
        // More than one partial product: the last one, of the right operand's leading digit,
        // must not reach 10^31. It does when that multiple of the left operand carries past
        // the left operand's leading digit.
        const std::uint64_t topDigit = right.digits[right.high];
        std::uint64_t carry = 0;
        for (int i = 0; i + 1 < leftCount; ++i)
            carry = (leftLimbs[i] * topDigit + carry) / digits::limbBase;
        std::uint64_t topLimbEnd = 1;
        for (int i = 0; i <= (left.high - left.low) % 8; ++i)
            topLimbEnd *= 10;
        const bool longer = leftLimbs[leftCount - 1] * topDigit + carry >= topLimbEnd;
        if (left.high + right.high - units + (longer ? 1 : 0) >= 63)
            return WorkingDecimal{};
    }

    WorkingDecimal product;
    for (int i = 0; i + 1 < count; ++i)
        digits::storeWordAt(product, lowEntry + 8 * i,
                            digits::wordOf(static_cast<std::uint32_t>(limbs[i])));
    digits::storeWordAt(product, lowEntry + 8 * (count - 1), topWord);
    product.sign = static_cast<std::int8_t>(left.sign * right.sign);
    product.low = static_cast<std::uint8_t>(lowEntry);
    product.high = static_cast<std::uint8_t>(highEntry);
    normalise(product);
    return product;
}

// Both operands of at most eight digits, as amounts and rates mostly are: one binary
// multiplication.
WorkingDecimal multiplyWords(const WorkingDecimal& left, const WorkingDecimal& right) {
    const std::uint64_t product = std::uint64_t{digits::wordValue(digits::wordAt(left, left.low))} *
                                  digits::wordValue(digits::wordAt(right, right.low));
    const std::uint64_t lower =
        digits::wordOf(static_cast<std::uint32_t>(product % digits::limbBase));
    const std::uint64_t upper =
        digits::wordOf(static_cast<std::uint32_t>(product / digits::limbBase));
    const int lowEntry = left.low + right.low - units;
    const int highEntry = upper ? lowEntry + 15 - std::countl_zero(upper) / 8
                                : lowEntry + 7 - std::countl_zero(lower) / 8;
    if (highEntry >= 63) // rare: the general route applies the overflow rules
        return multiplyByLimbs(left, right);
    WorkingDecimal result;
    digits::storeWordAt(result, lowEntry, lower);
    if (upper)
        digits::storeWordAt(result, lowEntry + 8, upper);
    result.sign = static_cast<std::int8_t>(left.sign * right.sign);
    result.low = static_cast<std::uint8_t>(lower ? lowEntry + std::countr_zero(lower) / 8
                                                 : lowEntry + 8 + std::countr_zero(upper) / 8);
    result.high = static_cast<std::uint8_t>(highEntry);
    normalise(result); // sets powerMark
    return result;
}

// Both operands of at most sixteen digits: two limbs each, no loops.
WorkingDecimal multiplyShort(const WorkingDecimal& left, const WorkingDecimal& right) {
    using digits::limbBase;
    const std::uint64_t a0 = digits::wordValue(digits::wordAt(left, left.low));
    const std::uint64_t a1 = digits::wordValue(digits::wordAtAnyEntry(left, left.low + 8));
    const std::uint64_t b0 = digits::wordValue(digits::wordAt(right, right.low));
    const std::uint64_t b1 = digits::wordValue(digits::wordAtAnyEntry(right, right.low + 8));
    std::uint64_t p0 = a0 * b0;
    std::uint64_t p1 = a0 * b1 + a1 * b0 + p0 / limbBase;
    std::uint64_t p2 = a1 * b1 + p1 / limbBase;
    const std::uint64_t words[4] = {
        digits::wordOf(static_cast<std::uint32_t>(p0 % limbBase)),
        digits::wordOf(static_cast<std::uint32_t>(p1 % limbBase)),
        digits::wordOf(static_cast<std::uint32_t>(p2 % limbBase)),
        digits::wordOf(static_cast<std::uint32_t>(p2 / limbBase)),
    };
    int top = 3;
    while (words[top] == 0)
        --top;
    const int lowEntry = left.low + right.low - units;
    const int highEntry = lowEntry + 8 * top + 7 - std::countl_zero(words[top]) / 8;
    if (highEntry >= 63) // rare: the general route applies the overflow rules
        return multiplyByLimbs(left, right);
    WorkingDecimal product;
    for (int i = 0; i <= top; ++i)
        digits::storeWordAt(product, lowEntry + 8 * i, words[i]);
    product.sign = static_cast<std::int8_t>(left.sign * right.sign);
    product.low = static_cast<std::uint8_t>(lowEntry);
    product.high = static_cast<std::uint8_t>(highEntry);
    normalise(product); // moves low over the product's trailing zeros, sets powerMark
    return product;
}

// Ranges that overflow or vanish before any partial product is formed.
bool outOfRange(const WorkingDecimal& left, const WorkingDecimal& right) {
    return (left.low - units) + (right.low - units) > 31 ||
           (left.high - units) + (right.high - units) < -34;
}

} // namespace

WorkingDecimal multiplyDecimalDigitwise(WorkingDecimal left, WorkingDecimal right) {
    normalise(left);
    normalise(right);
    if (isZero(left) || isZero(right) || outOfRange(left, right))
        return WorkingDecimal{};
    return multiplyByPartialProducts(left, right);
}

WorkingDecimal multiplyDecimal(WorkingDecimal left, WorkingDecimal right) {
    normalise(left);
    normalise(right);
    if (isZero(left) || isZero(right) || outOfRange(left, right))
        return WorkingDecimal{};
    // With the lowest product digit above 10^-32 nothing is dropped or cut. Digits that were
    // never checked (stored nibbles A to F) keep to the digit-by-digit route.
    if ((left.low - units) + (right.low - units) >= -31 && digits::onlyDigits(left) &&
        digits::onlyDigits(right)) {
        if (left.high - left.low < 8 && right.high - right.low < 8)
            return multiplyWords(left, right);
        if (left.high - left.low < 16 && right.high - right.low < 16)
            return multiplyShort(left, right);
        return multiplyByLimbs(left, right);
    }
    return multiplyByPartialProducts(left, right);
}

} // namespace tamberlo
