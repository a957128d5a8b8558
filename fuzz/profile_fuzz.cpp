// The simulated Outlook started on a profile file of any bytes: the program connects and
// its four adapters load their default folders, reading every property of every item and
// the CSV text of every field. A file that is no profile must give the failure paths.
#include "FuzzCheck.h"
#include "FuzzScratch.h"

#include "common/outlook/OlAddrUtil.h"
#include "common/outlook/OlDateUtil.h"
#include "common/outlook/OlItemSupport.h"
#include "common/outlook/OlNoteUtil.h"
#include "common/outlook/OlTaskUtil.h"
#include "olsim/OutlookSimulator.h"
#include "olsim/SimulatorLog.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

using fuzz_support::FuzzCheck;

namespace {

template <class TUtil, class TImage>
void LoadFolder()
{
    TUtil adapter;
    if (!adapter.LoadItems())
        return;
    FuzzCheck(adapter.m_pDataMgr != nullptr, "a loaded folder has its records");
    const auto nFieldCount = static_cast<unsigned>(TUtil::GetFieldCount());
    for (auto* pRec = adapter.m_pDataMgr->GetFirst(); pRec != nullptr; pRec = adapter.m_pDataMgr->GetNext()) {
        const TImage* pImage = NativeImage<TImage>(*pRec);
        FuzzCheck(pImage != nullptr, "a loaded record carries its item image");
        for (unsigned nId = 0; nId < nFieldCount; ++nId)
            if (const char* szText = TUtil::GetFieldText(pImage, nId))
                FuzzCheck(std::strlen(szText) < 1u << 20, "a field text ends");
    }
}

void RemoveProfile(const std::string& path)
{
    for (const char* szSuffix : {"", "-wal", "-shm", "-journal"})
        std::filesystem::remove(path + szSuffix);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    // Bad profiles are the point here; their complaints would only bury libFuzzer's output.
    olsim::SetLogSink([](const std::string&) {});

    const std::string path = fuzz_support::ScratchFolder() + "profile.sqlite";
    RemoveProfile(path);
    fuzz_support::WriteScratchFile("profile.sqlite", std::string_view(reinterpret_cast<const char*>(pData), nSize));
    setenv("OLSIM_PROFILE", path.c_str(), 1);

    olsim::RegisterOutlookSimulator();
    LoadFolder<OlAddrUtil, OlAddrItem>();
    LoadFolder<OlDateUtil, OlDateItem>();
    LoadFolder<OlTaskUtil, OlTaskItem>();
    LoadFolder<OlNoteUtil, OlNoteItem>();
    FuzzCheck(OlBaseUtil::GetUseCount() == 0, "the last adapter lets the connection go");
    olsim::UnregisterOutlookSimulator();
    RemoveProfile(path);
    return 0;
}
