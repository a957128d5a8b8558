// A C stream closed with its owner, and the system's null device, for tests of files.
#pragma once

#include <cstdio>
#include <memory>

namespace testing_support {

#ifdef _WIN32
inline constexpr const char* kNullDevice = "NUL";
#else
inline constexpr const char* kNullDevice = "/dev/null";
#endif

struct FileCloser {
    void operator()(FILE* fp) const { std::fclose(fp); }
};
using OpenFile = std::unique_ptr<FILE, FileCloser>;

}  // namespace testing_support
