#pragma once

#include "framework/Severity.h"
#include "runtime/UseVariable.h"

#include <cstdint>
#include <deque>
#include <string>

// What record-editing forms hang on a window controller. No window of this program edits
// records: these stay unset, and the controller takes its record-form paths only when they are
// set.

namespace tamberlo {

class Window;

// The record a form edits.
class RecordManager {
public:
    virtual ~RecordManager() = default;
    virtual Severity PrepareRequest(std::uint8_t request) = 0;
    virtual Severity Insert() = 0;
    virtual Severity Change() = 0;
    virtual Severity Delete() = 0;
    // Puts the files back as they were before the form opened.
    virtual void RestoreFiles() = 0;
};

class Translator {
public:
    virtual ~Translator() = default;
    virtual void TranslateWindow(Window* window) = 0;
};

class WindowResizer {
public:
    virtual ~WindowResizer() = default;
};

class FormNavigator {
public:
    virtual ~FormNavigator() = default;
};

// A remembered field value, restored by the history key.
struct FieldHistoryEntry {
    std::int32_t control = 0;
    UseVariable variable;
    std::string value;
};

using FieldHistoryQueue = std::deque<FieldHistoryEntry>;

// A file whose state a form saved when it opened.
class SavedFileState {
public:
    virtual ~SavedFileState() = default;
    virtual void Restore() = 0;
};

using SavedFileQueue = std::deque<SavedFileState*>;

} // namespace tamberlo
