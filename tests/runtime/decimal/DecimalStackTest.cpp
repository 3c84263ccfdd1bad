#include "runtime/decimal/DecimalStack.h"
#include "runtime/RuntimeFault.h"
#include "runtime/decimal/DecimalArithmetic.h"
#include "runtime/decimal/DecimalConversion.h"
#include "runtime/decimal/DecimalLayout.h"
#include "runtime/decimal/DecimalText.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <latch>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace tamberlo {
namespace {

std::string popString() {
    char text[80];
    popText(text, sizeof text);
    return text;
}

TEST(DecimalStack, OperatorsTakeTheSecondEntryAsTheLeftOperand) {
    pushLong(10);
    pushLong(4);
    decimalSubtract();
    EXPECT_EQ(popString(), "6");
    pushLong(10);
    pushLong(4);
    decimalDivide();
    EXPECT_EQ(popString(), "2.5");
    pushLong(1);
    pushLong(2);
    EXPECT_EQ(compareDecimals(), -1);
    pushLong(1);
    pushLong(2);
    EXPECT_EQ(compareDecimalsReversed(), 1);
    // The calculator compares its commission type with the text constant "0".
    pushText("0");
    pushLong(0);
    EXPECT_EQ(compareDecimalsReversed(), 0);
    pushText("0");
    pushLong(1);
    EXPECT_EQ(compareDecimalsReversed(), 1);

    pushText("-2.5");
    decimalAbsolute();
    decimalNegate();
    EXPECT_EQ(popString(), "-2.5");
    pushText("0.000");
    EXPECT_EQ(popTruth(), 0);
    pushText("0.001");
    EXPECT_EQ(popTruth(), 1);
    EXPECT_EQ(decimalStackDepth(), 0);
}

TEST(DecimalStack, WorkingDecimalsFromOutsideAreMadeSafe) {
    WorkingDecimal odd;
    odd.digits.fill(7); // digits outside the range must not count
    odd.sign = 5;
    odd.low = 31;
    odd.high = 32;
    odd.digits[31] = 5;
    odd.digits[32] = 1;
    pushWorkingDecimal(odd);
    EXPECT_EQ(popString(), "1.5");

    WorkingDecimal zeroDigits;
    zeroDigits.sign = -1;
    pushWorkingDecimal(zeroDigits);
    EXPECT_EQ(popTruth(), 0);
}

// The operators work in place on the stack's entries, which are reused from one statement to
// the next: whatever an entry held before must not show through. A random program of pushes,
// operators and stores runs on the stack and, beside it, on values with the value operators;
// every popped entry must be the same value, field by field, with zeros outside its range.
TEST(DecimalStack, ReusedEntriesGiveTheResultsOfTheValueOperators) {
    struct Drain { // a failure must not leave entries behind for the next test
        ~Drain() {
            while (decimalStackDepth() > 0)
                popTruth();
        }
    } drain;
    std::mt19937 random(20261211);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    auto randomText = [&] {
        std::string text = pick(0, 3) == 0 ? "-" : "";
        const int digitCount = pick(1, pick(0, 3) == 0 ? 34 : 12);
        for (int i = 0; i < digitCount; ++i)
            text += static_cast<char>('0' + (pick(0, 2) == 0 ? 0 : pick(0, 9)));
        if (pick(0, 1))
            text.insert(text.size() - static_cast<std::size_t>(pick(0, digitCount)), ".");
        if (pick(0, 5) == 0)
            text += "e" + std::to_string(pick(-33, 33));
        return text;
    };
    auto sameValue = [](const WorkingDecimal& actual, const WorkingDecimal& expected) {
        for (int entry = 0; entry < 64; ++entry)
            if ((entry < actual.low || entry > actual.high) && actual.digits[entry] != 0)
                return false;
        return actual.digits == expected.digits && actual.sign == expected.sign &&
               actual.low == expected.low && actual.high == expected.high &&
               actual.powerMark == expected.powerMark;
    };

    std::vector<WorkingDecimal> model;
    std::string program; // what ran, for the failure message
    for (int step = 0; step < 20000; ++step) {
        const int depth = static_cast<int>(model.size());
        const int action = pick(0, 9);
        if (depth < 2 || (action < 4 && depth < decimalStackCapacity)) {
            switch (pick(0, 3)) {
            case 0: {
                const std::string text = randomText();
                pushText(text);
                model.push_back(decimalFromText(text));
                program += " text:" + text;
                break;
            }
            case 1: {
                // Stored bytes, unchecked nibbles A to F included now and then.
                std::array<std::uint8_t, 16> bytes{};
                const int size = pick(1, 16);
                const int places = pick(0, 2 * size - 1);
                for (int i = 0; i < size; ++i)
                    bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(
                        pick(0, 9) == 0 ? pick(0, 255) : pick(0, 9) * 16 + pick(0, 9));
                const auto layout =
                    pick(0, 1) ? DecimalLayout::Decimal : DecimalLayout::PackedDecimal;
                if (layout == DecimalLayout::Decimal)
                    pushDecimal(bytes.data(), size, places);
                else
                    pushPackedDecimal(bytes.data(), size, places);
                model.push_back(readDecimalVariable(bytes.data(), size, places, layout));
                program += " stored:" + std::to_string(size) + "," + std::to_string(places);
                break;
            }
            case 2: {
                const auto value = static_cast<std::int32_t>(random());
                const std::int32_t number = pick(0, 1) ? value : value % 1000;
                pushLong(number);
                model.push_back(decimalFromLong(number));
                program += " long:" + std::to_string(number);
                break;
            }
            default: {
                // A value with zeros at the ends of its range, as subtraction leaves them.
                WorkingDecimal value = decimalFromText(randomText());
                if (!isZero(value)) {
                    value.low = static_cast<std::uint8_t>(std::max(0, value.low - pick(0, 3)));
                    value.high = static_cast<std::uint8_t>(std::min(63, value.high + pick(0, 3)));
                }
                pushWorkingDecimal(value);
                model.push_back(sanitised(value));
                program += " working";
                break;
            }
            }
            continue;
        }
        WorkingDecimal& second = model[model.size() - 2];
        const WorkingDecimal top = model.back();
        switch (action) {
        case 4:
            decimalAdd();
            second = addDecimal(second, top);
            program += " add";
            break;
        case 5:
            decimalSubtract();
            second = subtractDecimal(second, top);
            program += " subtract";
            break;
        case 6:
            decimalMultiply();
            second = multiplyDecimal(second, top);
            program += " multiply";
            break;
        case 7:
            decimalDivide();
            second = divideDecimal(second, top);
            program += " divide";
            break;
        case 8: {
            const int size = pick(1, 16);
            const int places = pick(0, 2 * size - 1);
            std::array<std::uint8_t, 16> actual{}, expected{};
            storeDecimal(actual.data(), size, places);
            writeDecimalVariable(top, expected.data(), size, places, DecimalLayout::Decimal);
            model.pop_back();
            ASSERT_EQ(actual, expected) << program << " store:" << size << "," << places;
            continue;
        }
        default: {
            const WorkingDecimal actual = popWorkingDecimal();
            model.pop_back();
            ASSERT_TRUE(sameValue(actual, top)) << program << " pop";
            program.clear();
            continue;
        }
        }
        model.pop_back();
    }
    while (!model.empty()) {
        ASSERT_TRUE(sameValue(popWorkingDecimal(), model.back())) << program;
        model.pop_back();
    }
}

// Two threads compute at the same time, each on its own stack.
TEST(DecimalStack, EachThreadHasItsOwnStack) {
    pushLong(99); // stays on this thread's stack
    std::latch bothPushed(2);
    std::latch bothChecked(2);
    std::string results[2];
    int depths[2] = {};
    auto work = [&](int index) {
        pushLong(index == 0 ? 1 : 2);
        pushLong(3);
        bothPushed.arrive_and_wait();
        depths[index] = decimalStackDepth();
        std::string result;
        for (int round = 0; round < 1000; ++round) {
            pushLong(index == 0 ? 1 : 2);
            pushLong(3);
            decimalDivide();
            result = popString();
        }
        decimalDivide();
        results[index] = popString() + " " + result;
        bothChecked.arrive_and_wait();
    };
    std::thread first(work, 0);
    std::thread second(work, 1);
    first.join();
    second.join();
    EXPECT_EQ(depths[0], 2);
    EXPECT_EQ(depths[1], 2);
    EXPECT_EQ(results[0], "0.33333333333333333333333333333333 0.33333333333333333333333333333333");
    EXPECT_EQ(results[1], "0.66666666666666666666666666666667 0.66666666666666666666666666666667");
    EXPECT_EQ(decimalStackDepth(), 1);
    EXPECT_EQ(popLong(), 99);
}

struct FaultRaised {
    std::string reason;
};

[[noreturn]] void throwFault(const char* reason) {
    throw FaultRaised{reason};
}

class DecimalStackFault : public ::testing::Test {
protected:
    void SetUp() override { m_previous = setRuntimeFaultHandler(throwFault); }
    void TearDown() override {
        setRuntimeFaultHandler(m_previous);
        while (decimalStackDepth() > 0)
            popTruth();
    }

    template <typename Operation>
    static std::string faultOf(Operation operation) {
        try {
            operation();
        } catch (const FaultRaised& fault) {
            return fault.reason;
        }
        return "no fault";
    }

private:
    RuntimeFaultHandler m_previous = nullptr;
};

TEST_F(DecimalStackFault, FullAndEmptyStacksAreFatalRuntimeFaults) {
    for (int i = 0; i < decimalStackCapacity; ++i)
        pushLong(i);
    EXPECT_EQ(faultOf([] { pushText("1"); }), "decimal stack full");
    EXPECT_EQ(decimalStackDepth(), decimalStackCapacity);
    for (int i = decimalStackCapacity - 1; i >= 0; --i)
        EXPECT_EQ(popLong(), i);

    EXPECT_EQ(faultOf([] { popTruth(); }), "decimal stack empty");
    EXPECT_EQ(faultOf([] { decimalNegate(); }), "decimal stack empty");
    char buffer[8];
    EXPECT_EQ(faultOf([&] { popText(buffer, sizeof buffer); }), "decimal stack empty");
    std::uint8_t variable[2];
    EXPECT_EQ(faultOf([&] { storeDecimal(variable, 2, 0); }), "decimal stack empty");
    pushLong(1);
    // An operator with one operand addresses an entry below the bottom.
    EXPECT_EQ(faultOf([] { decimalAdd(); }), "decimal stack empty");
    EXPECT_EQ(faultOf([] { compareDecimals(); }), "decimal stack empty");
    EXPECT_EQ(decimalStackDepth(), 1);
}

TEST(DecimalStackDeathTest, WithoutAHandlerAFaultEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(popTruth(), ::testing::ExitedWithCode(3),
                "fatal runtime error: decimal stack empty");
}

} // namespace
} // namespace tamberlo
