#include "runtime/window/PictureEntryReader.h"

#include "runtime/entry/EntryField.h"

namespace tamberlo {
namespace {

// The window runtime owns the edit text and its flags; the entry field keeps the control's own
// value and the template, and reads a text handed to it as if the user had just typed it.
class PictureEntryReader final : public EntryReader {
public:
    void setPicture(std::string_view picture) override { m_field.setPicture(picture); }

    std::string display(const UseVariable& variable) override {
        m_field.bind(variable);
        m_field.display();
        return std::string(m_field.text());
    }

    std::optional<std::string> read(std::string_view text, const UseVariable& variable) override {
        m_field.bind(variable);
        m_field.setText(text);
        if (!m_field.update())
            return std::nullopt;
        return std::string(m_field.text());
    }

private:
    EntryField m_field;
};

} // namespace

std::unique_ptr<EntryReader> makePictureEntryReader() {
    return std::make_unique<PictureEntryReader>();
}

} // namespace tamberlo
