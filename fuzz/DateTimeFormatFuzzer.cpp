// Arbitrary regional date formats and date/time picture texts: templates stay within their
// widths and every picture that compiles fills exactly its length.

#include "runtime/datetime/DatePicture.h"
#include "runtime/datetime/RegionalPictures.h"
#include "runtime/datetime/RegionalSettings.h"
#include "runtime/datetime/RegionalTemplates.h"
#include "runtime/datetime/TimePicture.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace tamberlo;

void checkFill(const CompiledPicture& picture, const MonthNames& names) {
    char out[maxPictureLength];
    for (std::string_view value : {"76624", "4", "2994626", "0", "5430901", "99999999999999"}) {
        auto point = static_cast<int>(value.size());
        std::size_t written = picture.kind == PictureKind::Time
                                  ? fillTime(picture, value, point, names, out)
                                  : fillDate(picture, value, point, names, out);
        if (written != picture.length)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    DateTimeTables tables;
    tables.shortDate = shortDateTemplate(text.substr(0, 255));
    tables.longDate = longDateTemplate(text.substr(0, 255));
    RegionalSettings settings;
    settings.sTime = size ? std::string(1, text[0]) : std::string();
    settings.iTime = size % 2;
    settings.iTLzero = size % 3 == 0;
    tables.shortTime = timeTemplate(settings, false);
    tables.longTime = timeTemplate(settings, true);
    if (tables.shortDate.length > shortDateCapacity || tables.longDate.length > longDateCapacity ||
        tables.shortTime.length > 8 || tables.longTime.length > 11)
        std::abort();
    checkFill(tables.shortDate, tables.names);
    checkFill(tables.longDate, tables.names);
    checkFill(tables.longTime, tables.names);

    // The same bytes as the text of a picture after its kind letter.
    CompiledPicture picture;
    if (compileDate(text, picture, tables))
        checkFill(picture, tables.names);
    if (compileTime(text, picture, tables))
        checkFill(picture, tables.names);
    return 0;
}
