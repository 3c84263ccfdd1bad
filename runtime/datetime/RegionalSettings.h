#pragma once

#include <string>

namespace tamberlo::os {
class IntlSettings;
}

namespace tamberlo {

// The "intl" keys that date and time pictures use, read as the profile functions read them:
// numbers from their leading digits, texts cut to the length the reader takes, and a missing key
// taking its default.
struct RegionalSettings {
    int iTime = 0;            // 0 = 12-hour clock with AM/PM, otherwise 24-hour
    int iTLzero = 1;          // 1 = hours with a leading zero
    std::string sTime = ":";  // at most 1 character
    std::string s1159 = "AM"; // at most 2 characters
    std::string s2359 = "PM"; // at most 2 characters
    std::string sShortDate = "MM/dd/yy";
    std::string sLongDate = "ddd', 'MMMM' 'dd', 'yyyy";
};

RegionalSettings readRegionalSettings(const os::IntlSettings& settings);

} // namespace tamberlo
