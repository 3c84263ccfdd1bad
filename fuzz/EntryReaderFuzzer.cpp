// Arbitrary picture texts and typed texts (up to what an entry holds) through the reading
// template and the reading. Input: the picture, a line feed, then the text. A refusal must
// leave the decimal stack as it was and a reading push one value; the entry control must agree
// with the reading; what the control then shows must read back as the same value; and a
// readable template must agree with the display template on its digits and separators.

#include "runtime/decimal/DecimalStack.h"
#include "runtime/entry/EntryField.h"
#include "runtime/entry/NumericEntryReader.h"
#include "runtime/picture/Format.h"
#include "runtime/picture/NumericFill.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

using namespace tamberlo;

namespace {

// Bytes outside printable ASCII as \xHH, so that a failure can be repeated.
void print(const char* label, std::string_view text) {
    std::fprintf(stderr, "%s [", label);
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 32 && byte < 127 && byte != '\\')
            std::fputc(byte, stderr);
        else
            std::fprintf(stderr, "\\x%02X", byte);
    }
    std::fprintf(stderr, "]\n");
}

void fail(const char* what, std::string_view picture, std::string_view text) {
    std::fprintf(stderr, "entry fuzz: %s\n", what);
    print("picture", picture);
    print("text", text);
    std::abort();
}

bool sameValue(const WorkingDecimal& a, const WorkingDecimal& b) {
    pushWorkingDecimal(a);
    pushWorkingDecimal(b);
    return compareDecimals() == 0;
}

void checkAgainstDisplay(std::string_view pictureText, const EntryTemplate& entry) {
    auto picture = compilePicture(pictureText);
    const bool numeric = picture.valid() && picture.kind == PictureKind::Numeric;
    if (numeric != entry.valid())
        fail("display and reading differ on validity", pictureText, {});
    if (!entry.readable)
        return;
    auto shape = shapeOf(picture, picture.length);
    if (shape.integers != entry.integers || shape.groups != entry.groups ||
        shape.fractions != entry.fractions)
        fail("display and reading differ on digits", pictureText, {});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    auto split = input.find('\n');
    auto picture = input.substr(0, split);
    auto text = split == std::string_view::npos ? std::string_view{} : input.substr(split + 1);
    if (picture.size() > 300 || text.size() > maxEntryTextLength)
        return 0;

    auto entry = compileEntryTemplate(picture);
    checkAgainstDisplay(picture, entry);

    const int depth = decimalStackDepth();
    const bool read = readNumericEntry(text, entry) == entryRead;
    if (decimalStackDepth() != depth + (read ? 1 : 0))
        fail("the stack does not match the result", picture, text);
    const auto value = read ? popWorkingDecimal() : WorkingDecimal{};

    EntryField field;
    field.setPicture(picture);
    field.setText(text);
    if (field.update() != read)
        fail("the entry control and the reading disagree", picture, text);
    if (decimalStackDepth() != depth)
        fail("the entry control left values on the stack", picture, text);
    if (!read)
        return 0;
    if (!sameValue(field.value(), value))
        fail("the control holds another value than the one read", picture, text);

    EntryField again;
    again.setPicture(picture);
    again.setText(field.text());
    if (!again.update())
        fail("the shown text is refused", picture, field.text());
    if (!sameValue(again.value(), value))
        fail("the shown text reads as another value", picture, field.text());
    return 0;
}
