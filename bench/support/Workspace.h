// The files the benchmark works on: profiles of generated items and the CSV files made from
// them, each made once, when first asked for, in one folder.
#pragma once

#include "support/BenchKinds.h"

#include <cstdint>
#include <set>
#include <string>

namespace bench {

class Workspace {
public:
    // Works in folder, made when missing; in a new temporary folder when folder is empty.
    // seed makes the stored items; seed + 1 the new items an import brings.
    Workspace(const std::string& folder, std::uint32_t seed);
    // Removes what it made: the files, and the folder when it made that too.
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    const std::string& Folder() const { return m_folder; }
    std::string PathOf(const std::string& name) const;

    // The profile holding count items of the kind, made from the seed.
    std::string StoredProfile(const BenchKind& kind, std::uint32_t count);
    // A new copy of it, on the disk, for a step that writes into it.
    std::string StoredProfileCopy(const BenchKind& kind, std::uint32_t count);
    // Where the export of the stored profile goes.
    std::string ExportPath(const BenchKind& kind, std::uint32_t count) const;
    // That export, made (unmeasured) when no export has written it yet.
    std::string ExportedCsv(const BenchKind& kind, std::uint32_t count);
    // The CSV file an import reads: count rows, half of them matching stored items (see
    // MakeIncomingProfile).
    std::string IncomingCsv(const BenchKind& kind, std::uint32_t count);

private:
    std::string Name(const char* what, const BenchKind& kind, std::uint32_t count, const char* extension) const;
    // Made in a child process, so this one stays small for the measurements that follow.
    void MakeOnce(const std::string& path, void (*make)(Workspace&, const BenchKind&, std::uint32_t,
                                                        const std::string&),
                  const BenchKind& kind, std::uint32_t count);

    std::string m_folder;
    bool m_bMadeFolder = false;
    std::uint32_t m_seed;
    std::set<std::string> m_made;
};

}  // namespace bench
