#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The folder as text, ending with '/', as the program keeps folders.
    std::string folder() const { return m_path.generic_string() + "/"; }
    std::string file(const std::string& name) const { return (m_path / name).generic_string(); }

private:
    std::filesystem::path m_path;
};

// The folder that the running test's XDG_DATA_HOME and OLSIM_PROFILE point into.
const std::filesystem::path& CurrentTestDataHome();

}  // namespace testing_support
