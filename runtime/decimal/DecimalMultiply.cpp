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
// The product replaces left.
void multiplyByLimbs(WorkingDecimal& left, const WorkingDecimal& right) {
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
    for (int i = 0; i < leftCount; ++i)
        for (int j = 0; j < rightCount; ++j)
            limbs[i + j] += leftLimbs[i] * rightLimbs[j];
    for (int i = 0; i + 1 < count; ++i) {
        const std::uint64_t carry = digits::divideByLimbBase(limbs[i]);
        limbs[i + 1] += carry;
        limbs[i] -= carry * digits::limbBase;
    }
    while (count > 1 && limbs[count - 1] == 0)
        --count;

    const int lowEntry = left.low + right.low - units;
    const std::uint64_t topWord = digits::wordOf(static_cast<std::uint32_t>(limbs[count - 1]));
    const int highEntry = lowEntry + 8 * (count - 1) + 7 - digits::leadingZeroBytes(topWord);
    if (highEntry > 63) { // the product reaches 10^32
        left = WorkingDecimal{};
        return;
    }
    if (highEntry == 63 && right.low != right.high) {
        // More than one partial product: the last one, of the right operand's leading digit,
        // must not reach 10^31. It does when that multiple of the left operand carries past
        // the left operand's leading digit.
        const std::uint64_t topDigit = right.digits[right.high];
        std::uint64_t carry = 0;
        for (int i = 0; i + 1 < leftCount; ++i)
            carry = digits::divideByLimbBase(leftLimbs[i] * topDigit + carry);
        std::uint64_t topLimbEnd = 1;
        for (int i = 0; i <= (left.high - left.low) % 8; ++i)
            topLimbEnd *= 10;
        const bool longer = leftLimbs[leftCount - 1] * topDigit + carry >= topLimbEnd;
        if (left.high + right.high - units + (longer ? 1 : 0) >= 63) {
            left = WorkingDecimal{};
            return;
        }
    }

    digits::clearDigits(left);
    for (int i = 0; i + 1 < count; ++i)
        digits::storeWordAt(left, lowEntry + 8 * i,
                            digits::wordOf(static_cast<std::uint32_t>(limbs[i])));
    digits::storeWordAt(left, lowEntry + 8 * (count - 1), topWord);
    left.sign = static_cast<std::int8_t>(left.sign * right.sign);
    left.low = static_cast<std::uint8_t>(lowEntry);
    left.high = static_cast<std::uint8_t>(highEntry);
    normalise(left); // moves low over the product's trailing zeros, sets powerMark
}

// Both operands of at most eight digits, given as the words at their lowest entries, as
// amounts and rates mostly are: one binary multiplication.
void multiplyWords(WorkingDecimal& left, const WorkingDecimal& right, std::uint64_t leftWord,
                   std::uint64_t rightWord) {
    using digits::limbBase;
    const std::uint64_t product =
        std::uint64_t{digits::wordValue(leftWord)} * digits::wordValue(rightWord);
    const int lowEntry = left.low + right.low - units;
    std::uint64_t lower, upper = 0;
    int highEntry;
    if (product < limbBase) {
        lower = digits::wordOf(static_cast<std::uint32_t>(product));
        highEntry = lowEntry + 7 - digits::leadingZeroBytes(lower);
    } else {
        const std::uint64_t top = digits::divideByLimbBase(product);
        lower = digits::wordOf(static_cast<std::uint32_t>(product - top * limbBase));
        upper = digits::wordOf(static_cast<std::uint32_t>(top));
        highEntry = lowEntry + 15 - digits::leadingZeroBytes(upper);
    }
    if (highEntry >= 63) { // rare: the general route applies the overflow rules
        multiplyByLimbs(left, right);
        return;
    }
    // Left's own digits lie within the eight entries from its lowest one.
    digits::storeWordAt(left, left.low, 0);
    digits::storeWordAt(left, lowEntry, lower);
    if (upper)
        digits::storeWordAt(left, lowEntry + 8, upper);
    left.sign = static_cast<std::int8_t>(left.sign * right.sign);
    left.low = static_cast<std::uint8_t>(lower ? lowEntry + digits::trailingZeroBytes(lower)
                                               : lowEntry + 8 + digits::trailingZeroBytes(upper));
    left.high = static_cast<std::uint8_t>(highEntry);
    digits::markPower(left);
}

// Both operands of at most sixteen digits: one or two limbs each, taken from the words at the
// lowest entries (`words` are those words, two per operand, the second zero for an operand of
// up to eight digits).
void multiplyShort(WorkingDecimal& left, const WorkingDecimal& right,
                   const std::uint64_t (&words)[4]) {
    using digits::limbBase;
    const std::uint64_t a0 = digits::wordValue(words[0]);
    const std::uint64_t a1 = words[1] != 0 ? digits::wordValue(words[1]) : 0;
    const std::uint64_t b0 = digits::wordValue(words[2]);
    const std::uint64_t b1 = words[3] != 0 ? digits::wordValue(words[3]) : 0;
    using digits::divideByLimbBase;
    const std::uint64_t p0 = a0 * b0;
    const std::uint64_t c0 = divideByLimbBase(p0);
    std::uint64_t limbs[4] = {p0 - c0 * limbBase, c0, 0, 0};
    int top = limbs[1] != 0 ? 1 : 0;
    if ((a1 | b1) != 0) {
        const std::uint64_t p1 = a0 * b1 + a1 * b0 + c0;
        const std::uint64_t c1 = divideByLimbBase(p1);
        const std::uint64_t p2 = a1 * b1 + c1;
        const std::uint64_t c2 = divideByLimbBase(p2);
        limbs[1] = p1 - c1 * limbBase;
        limbs[2] = p2 - c2 * limbBase;
        limbs[3] = c2;
        top = 3;
        while (limbs[top] == 0)
            --top;
    }
    std::uint64_t product[4];
    for (int i = 0; i <= top; ++i)
        product[i] = digits::wordOf(static_cast<std::uint32_t>(limbs[i]));
    const int lowEntry = left.low + right.low - units;
    const int highEntry = lowEntry + 8 * top + 7 - digits::leadingZeroBytes(product[top]);
    if (highEntry >= 63) { // rare: the general route applies the overflow rules
        multiplyByLimbs(left, right);
        return;
    }
    // Left's own digits lie within the sixteen entries from its lowest one.
    digits::storeWordAt(left, left.low, 0);
    if (left.low + 8 <= left.high)
        digits::storeWordAt(left, left.low + 8, 0);
    for (int i = 0; i <= top; ++i)
        digits::storeWordAt(left, lowEntry + 8 * i, product[i]);
    int bottom = 0;
    while (product[bottom] == 0)
        ++bottom;
    left.sign = static_cast<std::int8_t>(left.sign * right.sign);
    left.low = static_cast<std::uint8_t>(lowEntry + 8 * bottom +
                                         digits::trailingZeroBytes(product[bottom]));
    left.high = static_cast<std::uint8_t>(highEntry);
    digits::markPower(left);
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

void multiplyInPlace(WorkingDecimal& left, WorkingDecimal& right) {
    normalise(left);
    normalise(right);
    if (isZero(left) || isZero(right) || outOfRange(left, right)) {
        left = WorkingDecimal{};
        return;
    }
    // With the lowest product digit above 10^-32 nothing is dropped or cut. Digits that were
    // never checked (stored nibbles A to F) keep to the digit-by-digit route.
    if ((left.low - units) + (right.low - units) >= -31) {
        if (left.high - left.low < 8 && right.high - right.low < 8) {
            const std::uint64_t leftWord = digits::wordAt(left, left.low);
            const std::uint64_t rightWord = digits::wordAt(right, right.low);
            if (digits::onlyDigits(leftWord) && digits::onlyDigits(rightWord)) {
                multiplyWords(left, right, leftWord, rightWord);
                return;
            }
        } else if (left.high - left.low < 16 && right.high - right.low < 16) {
            // The words from the lowest entries hold every digit of both operands.
            const std::uint64_t words[4] = {
                digits::wordAt(left, left.low),
                left.high - left.low >= 8 ? digits::wordAt(left, left.low + 8) : 0,
                digits::wordAt(right, right.low),
                right.high - right.low >= 8 ? digits::wordAt(right, right.low + 8) : 0,
            };
            if (digits::onlyDigits(words[0]) && digits::onlyDigits(words[1]) &&
                digits::onlyDigits(words[2]) && digits::onlyDigits(words[3])) {
                multiplyShort(left, right, words);
                return;
            }
        } else if (digits::onlyDigits(left) && digits::onlyDigits(right)) {
            multiplyByLimbs(left, right);
            return;
        }
    }
    left = multiplyByPartialProducts(left, right);
}

WorkingDecimal multiplyDecimal(WorkingDecimal left, WorkingDecimal right) {
    multiplyInPlace(left, right);
    return left;
}

} // namespace tamberlo
