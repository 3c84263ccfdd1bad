#pragma once

#include "runtime/UseVariable.h"
#include "runtime/decimal/WorkingDecimal.h"
#include "runtime/entry/EntryShownText.h"
#include "runtime/entry/EntryTemplate.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tamberlo {

// The longest text an entry control holds.
inline constexpr std::size_t maxEntryTextLength = 600;

// One entry control's text and its reading back through the control's numeric picture into its
// variable. A fixed-size value with no resources: the window runtime keeps one per entry
// control and calls it on the thread that owns the window, whose decimal stack it uses.
//
//   setPicture       when the control is created and whenever its picture is replaced;
//   bind             when the control's use variable is set;
//   setText          for every change the user makes to the text;
//   display          whenever the control is displayed: it shows the variable's value;
//   readOnFocusLoss  when the control loses the focus, unless the control taking it exempts
//                    the entry from reading; post EVENT:Accepted for the control when it
//                    returns true;
//   update           when the window is asked to close while the control has the focus, and
//                    whenever the focused control's variable must be brought up to date.
//
// A text that does not fit the picture, or whose value the variable cannot hold, is refused:
// the variable and the text stay as they are, rejectCode() becomes 4 and the text is read
// again at the next occasion even if it is not touched.
class EntryField {
public:
    void setPicture(std::string_view picture);
    void bind(const UseVariable& variable) { m_variable = variable; }
    // Texts longer than an entry holds keep their first maxEntryTextLength bytes, as the edit
    // field would.
    void setText(std::string_view text);
    // Loads the control's own value from the variable and shows the variable's value.
    void display();
    // Reads the text when it was changed or is unread. True when it was read and
    // EVENT:Accepted is due.
    bool readOnFocusLoss();
    // Reads the text when it was changed or is unread, without an EVENT:Accepted. False when
    // it was refused.
    bool update();

    std::string_view text() const { return {m_text.data(), m_textLength}; }
    bool modified() const { return m_modified; }
    bool readFlag() const { return m_read; }
    int rejectCode() const { return m_rejectCode; }
    const UseVariable& variable() const { return m_variable; }
    const EntryTemplate& entryTemplate() const { return m_template; }
    // The last value read or displayed, as the control holds it.
    WorkingDecimal value() const;

private:
    bool read();
    bool refuse(); // the variable and the text stay; returns false
    bool needsReading() const { return m_modified || !m_read; }
    void pushValue() const; // the control's own value, onto the thread's decimal stack
    void storeValue(const WorkingDecimal& value);
    void show(const WorkingDecimal& value);

    EntryTemplate m_template;
    EntryPicture m_picture;
    UseVariable m_variable;
    std::array<std::uint8_t, 16> m_value{}; // DECIMAL layout, as the template sizes it
    std::array<char, maxEntryTextLength> m_text{};
    std::uint16_t m_textLength = 0;
    bool m_modified = false;
    bool m_read = true;
    std::uint8_t m_rejectCode = 0;
};

} // namespace tamberlo
