#include "tools/rtcalc/EntryCommands.h"

#include "runtime/decimal/DecimalStack.h"
#include "runtime/entry/EntryField.h"
#include "tools/rtcalc/DecimalCommands.h"

#include <vector>

namespace tamberlo::rtcalc {

namespace {

// The text typed into a fresh entry with the picture and left, as the window runtime would
// have it read. Returns false when it is refused.
bool readTyped(EntryField& field, const std::string& picture, const std::string& text,
               const UseVariable& variable) {
    field.setPicture(picture);
    field.bind(variable);
    field.display();
    field.setText(text);
    return field.update();
}

} // namespace

void registerEntryCommands(CommandTable& commands) {
    using Arguments = const CommandArguments&;

    commands.add("read", 2, 2, [](Arguments arguments) {
        EntryField field;
        if (!readTyped(field, arguments.text(0), arguments.text(1), UseVariable{}))
            return std::string("4");
        pushWorkingDecimal(field.value());
        char text[80];
        popText(text, sizeof text);
        return "0 [" + std::string(text) + "]";
    });
    commands.add("readStore", 4, 4, [](Arguments arguments) {
        const auto shape = readDecimalShape(arguments, 1);
        std::vector<std::uint8_t> variable(static_cast<std::size_t>(shape.bytes));
        EntryField field;
        const UseVariable use{VariableType::Decimal, variable.data(),
                              static_cast<std::uint16_t>(shape.bytes),
                              static_cast<std::uint8_t>(shape.places)};
        if (!readTyped(field, arguments.text(0), arguments.text(3), use))
            return std::string("4");
        return "0 " + hexText(variable);
    });
}

} // namespace tamberlo::rtcalc
