#pragma once

#include "runtime/window/EntryReader.h"

#include <memory>

namespace tamberlo {

// The reader every entry gets unless another factory is installed: reads the text through the
// entry's numeric picture into the variable, rounding to its places and refusing what the
// picture or the variable cannot take.
std::unique_ptr<EntryReader> makePictureEntryReader();

} // namespace tamberlo
