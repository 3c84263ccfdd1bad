#include "runtime/decimal/DecimalDigits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace tamberlo {
namespace {

// The multiplication that replaces a division by 10^8 must be exact for every 64-bit value:
// the limb carries of products and quotients pass through it.
TEST(DecimalDigits, DividesByTheLimbBaseExactly) {
    constexpr std::uint64_t base = digits::limbBase;
    constexpr std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    std::vector<std::uint64_t> values = {0, 1, base - 1, base, base + 1, max, max - 1};
    for (const std::uint64_t multiple : {base * base, max / base * base, (max / base - 1) * base})
        for (const std::uint64_t value : {multiple - 1, multiple, multiple + 1})
            values.push_back(value);
    std::mt19937_64 random(20261211);
    for (int i = 0; i < 100000; ++i)
        values.push_back(random() >> (random() % 64));
    for (const std::uint64_t value : values)
        ASSERT_EQ(digits::divideByLimbBase(value), value / base) << value;
}

} // namespace
} // namespace tamberlo
