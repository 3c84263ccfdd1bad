#pragma once

#include "runtime/picture/CompiledPicture.h"

#include <string_view>

namespace tamberlo {

struct RegionalSettings;

inline constexpr int shortDateCapacity = 10;
inline constexpr int longDateCapacity = 31;

// "D17" from a short-date format such as "M/d/yyyy" or "dd.MM.yyyy".
CompiledPicture shortDateTemplate(std::string_view format);
// "D18" from a long-date format such as "dddd, MMMM dd, yyyy" or "d. MMMM yyyy"; a format with
// no day, month or year falls back to the default long date. Stops growing at 31 positions.
CompiledPicture longDateTemplate(std::string_view format);
// "T7" (hours and minutes) or "T8" (with seconds) from "iTime", "iTLzero" and "sTime".
CompiledPicture timeTemplate(const RegionalSettings& settings, bool withSeconds);

} // namespace tamberlo
