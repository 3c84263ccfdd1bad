#include "runtime/window/Properties.h"
#include "tests/runtime/window/WindowTestSupport.h"

#include <array>
#include <cstdint>

// Entries read through their pictures into decimal variables, with the reader every entry gets
// by default, on the window's own thread.

namespace tamberlo::testing {
namespace {

class EntryReadingTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setEntryReaderFactory(nullptr);
    }
};

ControlDescription entryControl(std::string label, std::string picture) {
    ControlDescription description;
    description.type = ControlType::Entry;
    description.label = std::move(label);
    description.text = std::move(picture);
    return description;
}

std::string hex(const std::uint8_t* bytes, std::size_t size) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return text;
}

TEST_F(EntryReadingTest, TypedAmountsAreReadThroughThePictureIntoDecimalVariables) {
    std::array<std::uint8_t, 6> sales{}; // DECIMAL(11,2)
    std::array<std::uint8_t, 4> rate{};  // DECIMAL(7,2)
    ControlDescription button;
    button.type = ControlType::Button;
    button.label = "?CALCULATE";
    button.text = "Calculate";
    WindowDescription description = plainWindow("calc");
    description.controls = {entryControl("?SALES", "n-15.2"), entryControl("?RATE", "@N-17.`2"),
                            button};
    StartProcedure(
        [&] {
            runRecordingWindow(description, WindowKind::Plain, log, carryOn,
                               {{VariableType::Decimal, sales.data(), 6, 2},
                                {VariableType::Decimal, rate.data(), 4, 2}});
        },
        25000);
    settle();
    const std::uint32_t id = windowTitled("calc");
    EXPECT_EQ("0.00", screen.text(id, 1));
    log.clear();

    // Grouping anywhere; the value is stored, shown again through the picture and accepted.
    windowInput().userTypes(id, 1, "1,2,3,4.56");
    windowInput().userFocuses(id, 3);
    settle();
    EXPECT_EQ("000000123456", hex(sales.data(), sales.size()));
    EXPECT_EQ("1,234.56", screen.text(id, 1));
    EXPECT_EQ(0, GetWindowProperty(id, 1, PROP::RejectCode).toLong());

    // Text the picture refuses leaves the variable and the typed text as they were.
    windowInput().userTypes(id, 1, "12a");
    windowInput().userFocuses(id, 3);
    settle();
    EXPECT_EQ("000000123456", hex(sales.data(), sales.size()));
    EXPECT_EQ("12a", screen.text(id, 1));
    EXPECT_EQ(4, GetWindowProperty(id, 1, PROP::RejectCode).toLong());

    // The regional picture reads a comma as the decimal point; a value with more integer
    // digits than the variable holds is refused rather than stored without its leading digits.
    windowInput().userTypes(id, 2, "123456,78");
    windowInput().userFocuses(id, 3);
    settle();
    EXPECT_EQ("00000000", hex(rate.data(), rate.size()));
    EXPECT_EQ("123456,78", screen.text(id, 2));
    EXPECT_EQ(4, GetWindowProperty(id, 2, PROP::RejectCode).toLong());

    windowInput().userTypes(id, 2, "7,5");
    windowInput().userFocuses(id, 3);
    settle();
    EXPECT_EQ("00000750", hex(rate.data(), rate.size()));
    EXPECT_EQ("7,50", screen.text(id, 2));
    EXPECT_EQ(0, GetWindowProperty(id, 2, PROP::RejectCode).toLong());

    // Only the readings that succeeded were accepted, each before the focus moved on.
    auto event = [](int code, int control) { return "calc " + eventText(code, control); };
    EXPECT_EQ((std::vector<std::string>{event(EVENT::Selected, 1), event(EVENT::Accepted, 1),
                                        event(EVENT::Selected, 3), event(EVENT::Selected, 1),
                                        event(EVENT::Selected, 3), event(EVENT::Selected, 2),
                                        event(EVENT::Selected, 3), event(EVENT::Selected, 2),
                                        event(EVENT::Accepted, 2), event(EVENT::Selected, 3)}),
              log.entries());
    closeAndFinish({id});
}

} // namespace
} // namespace tamberlo::testing
