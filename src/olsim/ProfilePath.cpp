#include "olsim/OutlookSimulator.h"

#include <cstdlib>

namespace olsim {

std::string ProfilePath()
{
    if (const char* named = std::getenv("OLSIM_PROFILE"); named && *named)
        return named;
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return std::string(folder) + "/olsim/profile.sqlite";
}

}  // namespace olsim
