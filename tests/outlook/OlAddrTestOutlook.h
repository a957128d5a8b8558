// The simulated Outlook as the contacts tests see it: registered for the test's own
// profile, seeded and inspected through plain automation calls, and the debug log of the
// test captured.
#pragma once

#include "common/misc/DispCmd.h"
#include "platform/WinCompat.h"
#include "platform/win/ComHolders.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace addr_test {

using Object = std::unique_ptr<CDispCmd>;

inline constexpr LONG kContactsFolder = 10;
inline constexpr LONG kContactItem = 2;
inline constexpr DATE kOutlookNoDate = 949998.0;

// One property value to put: a text, a DATE or a long.
struct Value {
    enum class Kind { Text, Date, Long } kind;
    std::string text;
    DATE date = 0.0;
    LONG number = 0;

    static Value Text(std::string t) { return {Kind::Text, std::move(t)}; }
    static Value Date(DATE d) { return {Kind::Date, {}, d}; }
    static Value Long(LONG n) { return {Kind::Long, {}, 0.0, n}; }
};

struct Property {
    platform::OleString name;
    Value value;
};

// A user-defined property: a text one, or a number one (Outlook's type 3) when text is absent.
struct UserProperty {
    platform::OleString name;
    std::variant<std::string, LONG> value;
};

// The DATE of a local date and time.
DATE DateOf(int year, int month, int day, int hour = 0, int minute = 0);

// The simulated Outlook, with the clock standing at 15 March 2024 10:10.
class ContactsOutlook {
public:
    ContactsOutlook();
    ~ContactsOutlook();
    ContactsOutlook(const ContactsOutlook&) = delete;
    ContactsOutlook& operator=(const ContactsOutlook&) = delete;

    // A saved contact with the properties and user properties given; returns its EntryID.
    std::string AddContact(const std::vector<Property>& properties, const std::vector<UserProperty>& userProperties = {});
    LONG Count();
    // The contact at the 1-based position.
    Object ContactAt(LONG nPosition);
    // The clock that stamps saves.
    platform::ScopedClock& Clock() { return m_clock; }
    // The Items collection of the Contacts folder.
    Object Items();

private:

    platform::ScopedClock m_clock;
    Object m_nameSpace;
};

std::string Text(CDispCmd& object, const OLECHAR* name);
LONG Number(CDispCmd& object, const OLECHAR* name);
DATE DateValue(CDispCmd& object, const OLECHAR* name);
// Name and value text of every user property of the contact (a value that is not text reads as "#").
std::vector<std::pair<std::string, std::string>> UserProperties(CDispCmd& contact);

// The debug log of one test, written at every level into a folder of its own.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::string Text() const;
    // Whether some line of the log ends with the message.
    bool HasLine(const std::string& message) const;

private:
    std::string m_folder;
    std::string m_previousFolder;
    int m_previousLevel;
    bool m_bPreviousEnable;
};

}  // namespace addr_test
