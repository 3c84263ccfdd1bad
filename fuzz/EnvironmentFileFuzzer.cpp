// The environment file reader on arbitrary bytes: every line is read or skipped, the name tables
// keep their bounds, and dates and times print through whatever names result.

#include "runtime/datetime/DatePicture.h"
#include "runtime/datetime/EnvironmentFile.h"
#include "runtime/datetime/RegionalPictures.h"
#include "runtime/datetime/TimePicture.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tamberlo;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    readEnvironmentEntries(text, [](std::string_view name, std::string_view value) {
        if (name.size() > environmentNameLimit || value.size() > environmentValueLimit)
            std::abort();
        environmentItems(value);
    });

    MonthNames names = MonthNames::builtIn();
    applyEnvironment(text, names, "vm", "nm");
    DateTimeTables tables;
    char out[maxPictureLength];
    for (const char* rest : {"4", "3", "7"}) {
        CompiledPicture picture;
        compileDate(rest, picture, tables);
        for (std::string_view serial : {"76624", "73116", "76597", "0"})
            if (fillDate(picture, serial, static_cast<int>(serial.size()), names, out) !=
                picture.length)
                std::abort();
    }
    CompiledPicture time;
    compileTime("6", time, tables);
    for (std::string_view value : {"5430901", "42001"})
        if (fillTime(time, value, static_cast<int>(value.size()), names, out) != time.length)
            std::abort();
    return 0;
}
