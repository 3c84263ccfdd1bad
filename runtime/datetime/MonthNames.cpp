#include "runtime/datetime/MonthNames.h"

namespace tamberlo {

MonthNames MonthNames::builtIn() {
    static constexpr std::string_view names[12] = {"January",   "February", "March",    "April",
                                                   "May",       "June",     "July",     "August",
                                                   "September", "October",  "November", "December"};
    MonthNames tables;
    for (int i = 0; i < 12; ++i) {
        tables.months[i].assign(names[i]);
        tables.abbreviations[i].assign(names[i]); // the first three letters
    }
    tables.amText.assign("AM");
    tables.pmText.assign("PM");
    return tables;
}

} // namespace tamberlo
