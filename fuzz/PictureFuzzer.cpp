// Arbitrary picture texts and values through compilePicture and the filling step. Input: the
// picture, then a line feed, then the value: its first byte gives the point position and the
// sign, the other bytes its digits. Every result must be exactly as wide as the compiled
// picture (nothing for an invalid one), and nothing may be written past it. Compiling into a
// reused picture must agree with compiling afresh.

#include "runtime/picture/CompilePicture.h"
#include "runtime/picture/Format.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

using namespace tamberlo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    auto split = input.find('\n');
    auto pictureText = input.substr(0, split);
    if (pictureText.size() > 300)
        return 0;
    auto value = split == std::string_view::npos ? std::string_view{} : input.substr(split + 1);

    int point = 1;
    bool negative = false;
    char digits[64];
    std::size_t count = 0;
    if (!value.empty()) {
        auto head = static_cast<std::uint8_t>(value.front());
        negative = head & 1;
        point = static_cast<std::int8_t>(head) / 2;
        for (char c : value.substr(1, sizeof digits))
            digits[count++] = static_cast<char>('0' + static_cast<std::uint8_t>(c) % 10);
    }

    auto picture = compilePicture(pictureText);

    // The shape a numeric template is laid out with is the one the filling step would count.
    static CompiledPicture reused;
    TemplateShape laidOut;
    if (compilePictureInto(pictureText, reused, &laidOut) != picture.valid())
        std::abort();
    if (picture.kind == PictureKind::Numeric && picture.valid() &&
        !(laidOut == shapeOf(picture, picture.length)))
        std::abort();
    constexpr char untouched = '\x7f';
    char out[maxPictureLength + 16];
    std::memset(out, untouched, sizeof out);
    auto written = formatDigits(picture, {digits, count}, point, negative, out);
    if (written != picture.length)
        std::abort();
    for (std::size_t i = written; i < sizeof out; ++i)
        if (out[i] != untouched)
            std::abort();
    return 0;
}
