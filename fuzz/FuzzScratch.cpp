#include "FuzzScratch.h"

#include "common/misc/CxDebugUtil.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fuzz_support {
namespace {

class ScratchDir {
public:
    ScratchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "brindle-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("no scratch folder for fuzzing in " + pattern);
        m_folder = pattern + "/";
        AppDebug.SetLogFolder(m_folder.c_str());
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Folder() const { return m_folder; }

private:
    std::string m_folder;
};

}  // namespace

const std::string& ScratchFolder()
{
    static const ScratchDir scratch;
    return scratch.Folder();
}

std::string WriteScratchFile(const char* szName, std::string_view bytes)
{
    const std::string path = ScratchFolder() + szName;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write the fuzz input to " + path);
    return path;
}

}  // namespace fuzz_support
