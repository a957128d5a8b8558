// Pointing the program's common application data folder at a test's own folder.
#pragma once

#include <filesystem>

namespace testing_support {

// Until the next call, the folder SHGetFolderPathA gives for CSIDL_COMMON_APPDATA.
void UseDataHome(const std::filesystem::path& folder);

}  // namespace testing_support
