// A new file that takes another file's place only once it is whole and on the disk: written
// beside its target in the same folder, so that the last step is a rename within one volume.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Each step is false when it fails, and FailureReason then says why in the system's words.
// Dropped before PutInPlace succeeded, the new file is closed and removed: the target stays
// as it was and nothing else is left.
class ReplacementFile {
public:
    ReplacementFile();
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // The first step, taken once: creates a file of its own beside target, named after it and
    // the process, which no other writer can hold.
    bool Create(const std::string& target);
    bool Write(std::string_view bytes);
    // Flushes the file to the disk and closes it, so that a crash cannot leave it empty
    // under the target's name.
    bool Finish();
    // Renames the finished file to the target, replacing the file there.
    bool PutInPlace();

    const std::string& FailureReason() const { return m_reason; }

private:
    bool Fail();

#ifdef _WIN32
    void* m_hFile;  // a HANDLE
#else
    int m_fd;
#endif
    std::string m_target;
    std::string m_path;
    std::string m_reason;
};

}  // namespace platform
