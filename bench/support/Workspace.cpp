#include "support/Workspace.h"

#include "support/BenchProfiles.h"
#include "support/ChildProcess.h"
#include "support/ConversionSteps.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include <unistd.h>

namespace bench {
namespace {

std::string NewTemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "brindle-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

void RemoveProfileFiles(const std::string& path)
{
    std::error_code ignored;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        std::filesystem::remove(path + suffix, ignored);
}

}  // namespace

Workspace::Workspace(const std::string& folder, std::uint32_t seed) : m_folder(folder), m_seed(seed)
{
    if (m_folder.empty()) {
        m_folder = NewTemporaryFolder();
        m_bMadeFolder = true;
    } else if (!std::filesystem::exists(m_folder)) {
        std::filesystem::create_directories(m_folder);
        m_bMadeFolder = true;
    }
}

Workspace::~Workspace()
{
    for (const std::string& path : m_made)
        RemoveProfileFiles(path);
    std::error_code ignored;
    std::filesystem::remove(PathOf("appdebug.log"), ignored);
    if (m_bMadeFolder)
        std::filesystem::remove_all(m_folder, ignored);
}

std::string Workspace::PathOf(const std::string& name) const { return m_folder + "/" + name; }

std::string Workspace::Name(const char* what, const BenchKind& kind, std::uint32_t count, const char* extension) const
{
    return PathOf(std::string(what) + "-" + std::string(kind.name) + "-" + std::to_string(count) + extension);
}

void Workspace::MakeOnce(const std::string& path,
                         void (*make)(Workspace&, const BenchKind&, std::uint32_t, const std::string&),
                         const BenchKind& kind, std::uint32_t count)
{
    if (m_made.contains(path))
        return;
    m_made.insert(path);
    InChild([&] {
        make(*this, kind, count, path);
        return Measurement{};
    });
}

std::string Workspace::StoredProfile(const BenchKind& kind, std::uint32_t count)
{
    const std::string path = Name("stored", kind, count, ".sqlite");
    MakeOnce(path, [](Workspace& self, const BenchKind& k, std::uint32_t n, const std::string& target) {
        MakeProfile(target, k, n, self.m_seed);
    }, kind, count);
    return path;
}

std::string Workspace::StoredProfileCopy(const BenchKind& kind, std::uint32_t count)
{
    const std::string source = StoredProfile(kind, count);
    const std::string copy = Name("written", kind, count, ".sqlite");
    RemoveProfileFiles(copy);
    std::filesystem::copy_file(source, copy);
    m_made.insert(copy);
    // On the disk before the step begins: the step writing into it should not wait for the
    // copy's own write-back when the profile syncs.
    sync();
    return copy;
}

std::string Workspace::ExportPath(const BenchKind& kind, std::uint32_t count) const
{
    return Name("export", kind, count, ".csv");
}

std::string Workspace::ExportedCsv(const BenchKind& kind, std::uint32_t count)
{
    const std::string path = ExportPath(kind, count);
    m_made.insert(path);
    if (!std::filesystem::exists(path)) {
        const std::string profile = StoredProfile(kind, count);
        InChild([&] { return MeasureExport(kind, profile, path); });
    }
    return path;
}

std::string Workspace::IncomingCsv(const BenchKind& kind, std::uint32_t count)
{
    const std::string path = Name("incoming", kind, count, ".csv");
    MakeOnce(path, [](Workspace& self, const BenchKind& k, std::uint32_t n, const std::string& target) {
        const std::string profile = self.Name("incoming", k, n, ".sqlite");
        MakeIncomingProfile(profile, k, n, self.m_seed, self.m_seed + 1);
        MeasureExport(k, profile, target);
        RemoveProfileFiles(profile);
    }, kind, count);
    return path;
}

}  // namespace bench
