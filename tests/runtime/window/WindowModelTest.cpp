#include "runtime/decimal/DecimalStack.h"
#include "runtime/window/Controls.h"
#include "runtime/window/Properties.h"
#include "tests/runtime/window/WindowTestSupport.h"

#include <array>

namespace tamberlo::testing {
namespace {

using WindowModelTest = WindowTest;

ControlDescription control(ControlType type, std::string label, std::string text = {},
                           std::vector<ControlDescription> children = {}) {
    ControlDescription description;
    description.type = type;
    description.label = std::move(label);
    description.text = std::move(text);
    description.children = std::move(children);
    return description;
}

TEST_F(WindowModelTest, ControlsAreNumberedInDescriptionOrderAndMenusNegatively) {
    WindowDescription description = plainWindow("numbers");
    ControlDescription fixed = control(ControlType::Button, "?FIXED", "Fixed");
    fixed.number = 300;
    description.controls = {
        control(ControlType::Prompt, "?A", "A"),
        control(ControlType::Entry, "?B"),
        control(ControlType::Option, "?OPT", "Option",
                {control(ControlType::Radio, "?OPT:RADIO1", "One"),
                 control(ControlType::Radio, "?OPT:RADIO2", "Two")}),
        fixed,
        control(ControlType::Group, "?G", "Group",
                {control(ControlType::Prompt, "?P"), control(ControlType::Image, "?I")}),
        control(ControlType::Button, "?BTN", "Go"),
    };
    MenuDescription file{"&File", "?FILEMENU", "", 0, {{"E&xit", "?EXIT", "Leave", 15, {}}}};
    MenuDescription help{"&Help", "?HELPMENU", "", 0, {{"About", "?ABOUT", "", 0, {}}}};
    description.menuBar = {file, help};

    onWindowThread(description, WindowKind::Frame, [](Window* window) {
        std::uint32_t id = windowHandle(window);
        struct Expected {
            const char* label;
            int number;
            ControlType type;
        };
        for (Expected e :
             {Expected{"?A", 1, ControlType::Prompt}, Expected{"?B", 2, ControlType::Entry},
              Expected{"?OPT", 3, ControlType::Option},
              Expected{"?OPT:RADIO1", 4, ControlType::Radio},
              Expected{"?OPT:RADIO2", 5, ControlType::Radio},
              Expected{"?FIXED", 300, ControlType::Button}, Expected{"?G", 6, ControlType::Group},
              Expected{"?P", 7, ControlType::Prompt}, Expected{"?I", 8, ControlType::Image},
              Expected{"?BTN", 9, ControlType::Button},
              Expected{"?FILEMENU", -2, ControlType::Menu},
              Expected{"?EXIT", -3, ControlType::MenuItem},
              Expected{"?HELPMENU", -4, ControlType::Menu},
              Expected{"?ABOUT", -5, ControlType::MenuItem}}) {
            EXPECT_EQ(e.number, controlNumber(id, e.label)) << e.label;
            EXPECT_EQ(static_cast<int>(e.type), GetProperty(e.number, PROP::Type).toLong())
                << e.label;
        }
        EXPECT_EQ(static_cast<int>(ControlType::MenuBar), GetProperty(-1, PROP::Type).toLong());
        EXPECT_EQ(15, GetProperty(-3, PROP::Std).toLong());
        EXPECT_EQ(0, controlNumber(id, "?NONE"));
    });
}

TEST_F(WindowModelTest, UseVariablesBindInControlOrderAndShowWhenTheWindowOpens) {
    char a[8] = "alpha  ";
    char b[4] = "123";
    char c[2] = {'y', ' '};
    char d[4] = "456";
    WindowDescription description = plainWindow("bound");
    ControlDescription radioX = control(ControlType::Radio, "?X", "x");
    radioX.value = "x";
    ControlDescription radioY = control(ControlType::Radio, "?Y", "y");
    radioY.value = "y";
    description.controls = {
        control(ControlType::VariableString, "?A"), // picture left empty: plain text
        control(ControlType::Prompt, "?P", "Prompt"),
        control(ControlType::Entry, "?B"),
        control(ControlType::Option, "?C", "Choice", {radioX, radioY}),
        control(ControlType::Entry, "?D"),
        control(ControlType::Entry, "?UNBOUND"),
    };
    std::uint32_t id = 0;
    onWindowThread(
        description, WindowKind::Plain,
        [&](Window* window) {
            id = windowHandle(window);
            EXPECT_EQ("alpha  ", screen.text(id, 1));
            EXPECT_EQ("Prompt", screen.text(id, 2));
            EXPECT_EQ("123", screen.text(id, 3));
            EXPECT_FALSE(screen.checked(id, 5));
            EXPECT_TRUE(screen.checked(id, 6));
            EXPECT_EQ("456", screen.text(id, 7));
            EXPECT_EQ("", screen.text(id, 8));
        },
        {textVariable(a, 7), textVariable(b, 3), textVariable(c, 2), textVariable(d, 3)});
}

// Strings and entries show their variables through their pictures; an entry with no reader
// of its own shows the picture's text without the blanks around it.
TEST_F(WindowModelTest, VariablesAreShownThroughTheirControlsPictures) {
    setEntryReaderFactory(nullptr);
    char symbol[6] = "kr   ";
    std::array<std::uint8_t, 6> amount{};
    pushText("1234.56");
    storeDecimal(amount.data(), 6, 2);
    std::uint8_t small = 7;
    WindowDescription description = plainWindow("pictures");
    description.controls = {control(ControlType::VariableString, "?SYMBOL", "s5"),
                            control(ControlType::VariableString, "?AMOUNT", "n-15.2"),
                            control(ControlType::Entry, "?ENTRY", "n-15.2"),
                            control(ControlType::VariableString, "?SMALL", "n3")};
    UseVariable decimal{VariableType::Decimal, amount.data(), 6, 2};
    onWindowThread(description, WindowKind::Plain,
                   [&](Window* window) {
                       std::uint32_t id = windowHandle(window);
                       EXPECT_EQ("kr   ", screen.text(id, 1));
                       EXPECT_EQ("       1,234.56", screen.text(id, 2));
                       EXPECT_EQ("1,234.56", screen.text(id, 3));
                       EXPECT_EQ("  7", screen.text(id, 4));

                       // A new picture shows the value at once; a changed variable at the next
                       // redisplay.
                       SetProperty(3, PROP::Text, "@N-17.`2");
                       EXPECT_EQ("1.234,56", screen.text(id, 3));
                       small = 42;
                       pushText("-5");
                       storeDecimal(amount.data(), 6, 2);
                       EXPECT_EQ("  7", screen.text(id, 4));
                       Redisplay(4);
                       EXPECT_EQ(" 42", screen.text(id, 4));
                       EXPECT_EQ("1.234,56", screen.text(id, 3));
                       Redisplay();
                       EXPECT_EQ("-5,00", screen.text(id, 3));
                       EXPECT_EQ("          -5.00", screen.text(id, 2));
                   },
                   {textVariable(symbol, 5), decimal, decimal, {VariableType::Byte, &small, 1, 0}});
}

TEST_F(WindowModelTest, WindowsArePlacedCentredCascadedOrWhereTheDescriptionSays) {
    // The headless work area is 640 x 400.
    struct Case {
        const char* name;
        int width, height;
        bool centred;
        std::optional<int> x, y;
        toolkit::Rect expected;
        bool defaultPosition;
    };
    for (Case c : {Case{"centred", 361, 226, true, {}, {}, {139, 87, 361, 226}, false},
                   Case{"too big", 700, 500, true, {}, {}, {0, 0, 700, 500}, false},
                   Case{"x given", 361, 226, true, 5, {}, {5, 87, 361, 226}, false},
                   Case{"both given", 100, 50, false, 7, 9, {7, 9, 100, 50}, false},
                   Case{"no owner", 100, 50, false, {}, {}, {0, 0, 100, 50}, true}}) {
        WindowDescription description = plainWindow(c.name);
        description.width = c.width;
        description.height = c.height;
        description.centred = c.centred;
        description.x = c.x;
        description.y = c.y;
        onWindowThread(description, WindowKind::Plain, [&](Window* window) {
            auto shown = screen.window(windowHandle(window));
            ASSERT_TRUE(shown);
            EXPECT_EQ(c.expected, shown->rect) << c.name;
            EXPECT_EQ(c.defaultPosition, shown->defaultPosition) << c.name;
            EXPECT_EQ(c.expected.x, GetProperty(0, PROP::Xpos).toLong()) << c.name;
        });
    }

    // A child centres in the frame's area; a window with an owner cascades from it.
    WindowDescription frame = plainWindow("frame");
    frame.width = 300;
    frame.height = 200;
    WindowDescription child = plainWindow("child");
    child.width = 100;
    child.height = 50;
    child.centred = true;
    WindowDescription owned = plainWindow("owned");
    onWindowThread(frame, WindowKind::Frame, [&](Window* frameWindow) {
        Window* childWindow = DeclareWindow(child, WindowKind::Child);
        OpenWindow(childWindow);
        EXPECT_EQ((toolkit::Rect{100, 75, 100, 50}),
                  screen.window(windowHandle(childWindow))->rect);
        EXPECT_EQ(windowHandle(frameWindow), screen.window(windowHandle(childWindow))->parent);
        ReleaseWindow(childWindow);
        Window* ownedWindow = DeclareWindow(owned, WindowKind::Plain);
        OpenWindow(ownedWindow, frameWindow);
        toolkit::Size offset = screen.cascadeOffset();
        toolkit::Rect frameRect = screen.window(windowHandle(frameWindow))->rect;
        EXPECT_EQ(frameRect.x + offset.width, screen.window(windowHandle(ownedWindow))->rect.x);
        EXPECT_EQ(frameRect.y + offset.height, screen.window(windowHandle(ownedWindow))->rect.y);
        ReleaseWindow(ownedWindow);
    });
}

TEST_F(WindowModelTest, CreatedControlsTakeFreeNumbersOnlyAndStartHidden) {
    WindowDescription description = plainWindow("create");
    ControlDescription target = control(ControlType::String, "?TARGET", "www.example.test");
    target.x = 40;
    target.y = 30;
    description.controls = {target};
    onWindowThread(description, WindowKind::Plain, [&](Window* window) {
        std::uint32_t id = windowHandle(window);
        constexpr int region = static_cast<int>(ControlType::Region);
        EXPECT_EQ(100, CreateControl(100, region, 0, -1));
        for (int refused : {100, 1, 0, 16385, -16385})
            EXPECT_EQ(0, CreateControl(refused, region)) << refused;
        EXPECT_EQ(0, CreateControl(101, 99)) << "unknown type";
        EXPECT_EQ(0, CreateControl(101, region, 55)) << "missing parent";
        EXPECT_EQ(-16384, CreateControl(-16384, region));
        EXPECT_EQ(16384, CreateControl(16384, region));
        EXPECT_FALSE(screen.visible(id, 100));
        EXPECT_EQ(1, GetProperty(100, PROP::Hide).toLong());

        // Lay the region over the target, whose size the toolkit chose.
        int width = static_cast<int>(GetProperty(1, PROP::Width).toLong());
        EXPECT_EQ(screen.naturalSize(toolkit::ControlKind::String, "www.example.test", {}).width,
                  width);
        for (int property : {PROP::Height, PROP::Width, PROP::Xpos, PROP::Ypos})
            SetProperty(100, property, GetProperty(1, property));
        SetProperty(100, PROP::Hide, 0);
        EXPECT_TRUE(screen.visible(id, 100));
        EXPECT_EQ(screen.control(id, 1)->rect, screen.control(id, 100)->rect);
        EXPECT_EQ(40, GetProperty(100, PROP::Xpos).toLong());

        // Nothing happens to controls that do not exist.
        SetProperty(999, PROP::Text, "x");
        EXPECT_EQ("", GetProperty(999, PROP::Text).toText());
        EXPECT_EQ("", GetProperty(999, PROP::Type).toText());
    });
}

TEST_F(WindowModelTest, SelectingAControlThatCannotTakeTheFocusPassesItOn) {
    WindowDescription description = plainWindow("focus");
    ControlDescription hidden = control(ControlType::Entry, "?HIDDEN");
    hidden.hidden = true;
    ControlDescription disabled = control(ControlType::Button, "?DISABLED", "No");
    disabled.disabled = true;
    description.controls = {control(ControlType::Prompt, "?P", "Prompt"),
                            control(ControlType::String, "?S", "String"),
                            control(ControlType::Entry, "?E"),
                            hidden,
                            disabled,
                            control(ControlType::Button, "?B", "Go")};
    onWindowThread(description, WindowKind::Plain, [&](Window* window) {
        std::uint32_t id = windowHandle(window);
        struct Case {
            int selected;
            int focused;
        };
        for (Case c : {Case{1, 3}, Case{2, 3}, Case{4, 6}, Case{5, 6}, Case{6, 6}, Case{3, 3}}) {
            SelectControl(c.selected);
            EXPECT_EQ(c.focused, FocusedControl()) << "select " << c.selected;
            EXPECT_EQ(c.focused, screen.focus(id)) << "select " << c.selected;
        }
        SelectControl(42); // no such control: the focus stays
        EXPECT_EQ(3, FocusedControl());
    });
}

TEST_F(WindowModelTest, RangesOfControlsAreHiddenShownEnabledAndDisabled) {
    WindowDescription description = plainWindow("ranges");
    for (int i = 1; i <= 5; ++i)
        description.controls.push_back(control(ControlType::Button, "?B" + std::to_string(i)));
    onWindowThread(description, WindowKind::Plain, [&](Window* window) {
        std::uint32_t id = windowHandle(window);
        HideControls(2, 4);
        ShowControls(3);
        DisableControls(5, 4); // a range given backwards still means 4 to 5
        EnableControls(4);
        std::vector<bool> visible;
        std::vector<bool> enabled;
        for (int i = 1; i <= 5; ++i) {
            visible.push_back(screen.visible(id, i));
            enabled.push_back(screen.enabled(id, i));
        }
        EXPECT_EQ((std::vector<bool>{true, false, true, false, true}), visible);
        EXPECT_EQ((std::vector<bool>{true, true, true, true, false}), enabled);
    });
}

} // namespace
} // namespace tamberlo::testing
