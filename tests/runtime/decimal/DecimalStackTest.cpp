#include "runtime/decimal/DecimalStack.h"
#include "runtime/RuntimeFault.h"

#include <gtest/gtest.h>

#include <latch>
#include <string>
#include <thread>

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
