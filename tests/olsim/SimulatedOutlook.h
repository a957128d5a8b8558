// A simulated Outlook for one test, reached as the program reaches Outlook: by ProgID,
// CoCreateInstance and CDispCmd calls by name, with the clock standing still.
#pragma once

#include "common/misc/DispCmd.h"
#include "olsim/OutlookSimulator.h"

#include "platform/WinCompat.h"
#include "platform/win/ComHolders.h"

#include <concepts>
#include <initializer_list>
#include <memory>
#include <string>

namespace olsim_test {

inline constexpr int kContactsFolder = 10;
inline constexpr int kCalendarFolder = 9;
inline constexpr int kTasksFolder = 13;
inline constexpr int kNotesFolder = 12;

inline constexpr int kContactItem = 2;
inline constexpr int kAppointmentItem = 1;
inline constexpr int kTaskItem = 3;
inline constexpr int kNoteItem = 5;

inline constexpr double kNoneDate = 949998.0;

using Object = std::unique_ptr<CDispCmd>;

enum class CallKind { Method, Get, Put };

// An argument of a call, holding its own VARIANT.
class Arg {
public:
    // Any integer but a flag travels as VT_I4, whichever type LONG is.
    template <std::integral T>
        requires(!std::same_as<T, bool>)
    Arg(T number)
    {
        SetLong(static_cast<LONG>(number));
    }
    Arg(const OLECHAR* text);
    Arg(bool flag);
    static Arg ByRef(LONG* number);
    const VARIANT& Get() const { return *m_value.Get(); }

private:
    Arg() = default;
    void SetLong(LONG number);
    platform::VariantHolder m_value;
};

// The DATE of a local time.
double DateOf(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// Calls a method; the result VARIANT is returned in result (which is cleared first).
HRESULT CallMethod(CDispCmd& target, const OLECHAR* name, std::initializer_list<const Arg*> args,
                   platform::VariantHolder& result);
// A method call that must give an object; null (with a test failure) when it does not.
Object CallForObject(CDispCmd& target, const OLECHAR* name, std::initializer_list<const Arg*> args = {});
// A property that must give an object.
Object GetObjectProperty(CDispCmd& target, const OLECHAR* name);

// What a call reported: its HRESULT and, for DISP_E_EXCEPTION, Outlook's code and words.
struct CallOutcome {
    HRESULT hr = S_OK;
    SCODE scode = 0;
    std::string description;
};
// A call made straight through IDispatch, which CDispCmd does not do, so that the
// exception's details arrive. A put passes its one argument as the value.
CallOutcome InvokeForOutcome(CDispCmd& target, const OLECHAR* name, CallKind kind,
                             std::initializer_list<const Arg*> args = {});

std::string GetText(CDispCmd& target, const OLECHAR* name);
LONG GetNumber(CDispCmd& target, const OLECHAR* name);
bool GetFlag(CDispCmd& target, const OLECHAR* name);
double GetDateValue(CDispCmd& target, const OLECHAR* name);
HRESULT Save(CDispCmd& item);

class SimulatedOutlook {
public:
    // Registers the simulator for the test's own profile and connects, with the clock at
    // 15 March 2024 10:10:00.
    SimulatedOutlook();
    ~SimulatedOutlook();
    SimulatedOutlook(const SimulatedOutlook&) = delete;
    SimulatedOutlook& operator=(const SimulatedOutlook&) = delete;

    CDispCmd& Application() { return *m_application; }
    CDispCmd& NameSpace() { return *m_nameSpace; }
    platform::ScopedClock& Clock() { return m_clock; }

    Object Folder(int folderNumber);
    Object Items(int folderNumber);
    // A new unsaved item added through the folder's Items.
    Object Add(int folderNumber, int itemType);
    // A new item with the given texts put, saved.
    Object AddSaved(int folderNumber, int itemType,
                    std::initializer_list<std::pair<const OLECHAR*, const char*>> texts);
    LONG Count(int folderNumber);

    // Lets go of the connection and the registration, as when the program ends.
    void Disconnect();
    // Registers and connects again, as when the program starts anew.
    void Reconnect();

private:
    platform::ScopedClock m_clock;
    Object m_application;
    Object m_nameSpace;
};

}  // namespace olsim_test
