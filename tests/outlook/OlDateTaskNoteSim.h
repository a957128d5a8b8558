// What the calendar, tasks and notes adapter tests stand on: the simulated Outlook
// registered for the test's own profile, at a chosen Outlook version, with the clock standing
// still and the debug log in the test's data folder; plus a connection of the test's own to
// put items in place and to look at what the adapters wrote.
#pragma once

#include "common/misc/DispCmd.h"
#include "platform/WinCompat.h"

#include <memory>
#include <string>
#include <vector>

namespace adapter_test {

inline constexpr int kCalendarFolder = 9;
inline constexpr int kTasksFolder = 13;
inline constexpr int kNotesFolder = 12;
inline constexpr int kAppointmentItem = 1;
inline constexpr int kTaskItem = 3;
inline constexpr int kNoteItem = 5;

// Outlook's "none" date, 1 January 4501.
inline constexpr DATE kNoneDate = 949998.0;
// The clock while a test runs: 15 March 2024 10:10:00.
inline constexpr int kNowYear = 2024;

using Object = std::unique_ptr<CDispCmd>;

struct LogLine {
    std::string tag;  // "!!!" for errors, blanks otherwise
    std::string message;
    bool operator==(const LogLine&) const = default;
};
std::ostream& operator<<(std::ostream& out, const LogLine& line);
inline LogLine Error(std::string message) { return {"!!!", std::move(message)}; }
inline LogLine Info(std::string message) { return {"   ", std::move(message)}; }

// The local moment as DATE and as SYSTEMTIME.
DATE DateOf(int nYear, int nMonth, int nDay, int nHour = 0, int nMinute = 0);
SYSTEMTIME TimeOf(int nYear, int nMonth, int nDay, int nHour = 0, int nMinute = 0);
// The calendar time of a local moment.
time_t TimeTOf(int nYear, int nMonth, int nDay, int nHour = 0, int nMinute = 0);

// Property values of an item, failing the test when the get does not succeed.
std::string TextOf(CDispCmd& item, const OLECHAR* szName);
LONG LongOf(CDispCmd& item, const OLECHAR* szName);
bool BoolOf(CDispCmd& item, const OLECHAR* szName);
DATE DateValueOf(CDispCmd& item, const OLECHAR* szName);

class AdapterSim {
public:
    // szOutlookVersion is the file version the simulated OUTLOOK.EXE reports.
    explicit AdapterSim(const char* szOutlookVersion = "16.0.0.0");
    ~AdapterSim();
    AdapterSim(const AdapterSim&) = delete;
    AdapterSim& operator=(const AdapterSim&) = delete;

    Object Items(int nFolder);
    // A new item, not yet saved.
    Object NewItem(int nFolder, int nItemType);
    // The item at the 1-based position of the folder.
    Object ItemAt(int nFolder, int nPosition);
    LONG Count(int nFolder);
    void Save(CDispCmd& item);
    // The recurrence pattern of an item, created when it has none.
    Object Pattern(CDispCmd& item);

    // Moves the standing clock.
    static void SetNow(const SYSTEMTIME& stNow);

    // Every line written to the debug log so far.
    static std::vector<LogLine> LogLines();
    // Those of the lines that are errors.
    static std::vector<LogLine> ErrorLines();

private:
    Object m_pNameSpace;
};

// The records a manager holds, in its order.
template <class TMgr>
auto StoredRecords(TMgr& mgr)
{
    std::vector<decltype(mgr.GetFirst())> records;
    for (auto* pRec = mgr.GetFirst(); pRec != nullptr; pRec = mgr.GetNext())
        records.push_back(pRec);
    return records;
}

}  // namespace adapter_test
