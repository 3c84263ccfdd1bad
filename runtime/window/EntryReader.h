#pragma once

#include "runtime/UseVariable.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// How an entry control reads its text back into its variable. The window runtime keeps one
// reader per entry and owns the edit text with its modified and read flags; it calls the reader
// when the entry loses the focus, when its window closes or is asked to update, and whenever the
// entry is displayed. All calls happen on the thread that owns the window, whose decimal stack
// the reader may use.

namespace tamberlo {

class EntryReader {
public:
    virtual ~EntryReader() = default;

    // The entry's picture: once when the control is created, then whenever it is replaced.
    virtual void setPicture(std::string_view picture) = 0;
    // Loads the control's own value from the variable and returns the text that shows it.
    virtual std::string display(const UseVariable& variable) = 0;
    // Reads `text`. On success the variable holds the value read, and the result is the text
    // that shows the control's own value; nothing when the text is refused, and then the
    // variable is untouched.
    virtual std::optional<std::string> read(std::string_view text, const UseVariable& variable) = 0;
};

using EntryReaderFactory = std::unique_ptr<EntryReader> (*)();

// The factory entries get their readers from; nullptr restores the built-in one, which reads
// through the entry's picture (PictureEntryReader.h). Entries created earlier keep theirs.
void setEntryReaderFactory(EntryReaderFactory factory);

} // namespace tamberlo
