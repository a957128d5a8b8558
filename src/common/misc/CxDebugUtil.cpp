#include "common/misc/CxDebugUtil.h"

#include <cstdarg>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

constinit CxDebugUtil AppDebug;

namespace {

constexpr size_t kMessageBufferSize = 40960;
constexpr size_t kSourceNameLimit = 255;

// Closes the log file when the scope ends.
struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

// The caller's file name without its folders, whichever separator the compiler used.
std::string SourceName(LPCSTR szSrcFile)
{
    if (szSrcFile == nullptr)
        return "<null>";
    std::string_view name(szSrcFile);
    const size_t slash = name.find_last_of("/\\");
    if (slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    char cut[kSourceNameLimit + 1];
    CutText(cut, sizeof cut, name);
    return cut;
}

std::string FormatMessage(LPCSTR szFormat, va_list args)
{
    if (szFormat == nullptr)
        return {};
    std::vector<char> buffer(kMessageBufferSize);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(buffer.data(), buffer.size(), szFormat, copy);
    va_end(copy);
    if (length < 0)
        return {};
    if (static_cast<size_t>(length) < buffer.size())
        return buffer.data();
    // vsnprintf cut at a byte count; cut again so no character is left half written.
    std::vector<char> whole(static_cast<size_t>(length) + 1);
    std::vsnprintf(whole.data(), whole.size(), szFormat, args);
    CutText(buffer.data(), buffer.size(), std::string_view(whole.data(), whole.size() - 1));
    return buffer.data();
}

std::string BuildLine(int nLevel, LPCSTR szSrcFile, int nSrcLine, const std::string& message)
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const std::string source = SourceName(szSrcFile);
    const char* const tag = nLevel == 0 ? "!!!" : "   ";
    const char* const lineFormat = "[%04d/%02d/%02d %02d:%02d:%02d][%-20s(%-4d)][%05x][%s] - %s\r\n";
    const auto print = [&](char* target, size_t size) {
        return std::snprintf(target, size, lineFormat, now.wYear, now.wMonth, now.wDay, now.wHour,
                             now.wMinute, now.wSecond, source.c_str(), nSrcLine,
                             static_cast<unsigned>(GetCurrentThreadId()), tag, message.c_str());
    };
    std::string line(static_cast<size_t>(print(nullptr, 0)), '\0');
    print(line.data(), line.size() + 1);
    return line;
}

// -1 when the file cannot be read, as for a log that does not exist yet.
long FileSize(const std::string& path)
{
    const FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0)
        return -1;
    return std::ftell(file.get());
}

}  // namespace

void CxDebugUtil::SetLogFolder(LPCSTR szFolder)
{
    if (szFolder != nullptr)
        CutText(m_szFolder, sizeof m_szFolder, szFolder);
}

void CxDebugUtil::SetLogLevel(int nLevel)
{
    m_nLevel = nLevel < 0 ? 0 : (nLevel > MAX_LEVEL ? MAX_LEVEL : nLevel);
}

void CxDebugUtil::EnableLog(bool bEnable) { m_bEnable = bEnable; }

void CxDebugUtil::LogMessage(int nLevel, LPCSTR szSrcFile, int nSrcLine, LPCSTR szFormat, ...)
{
    if (nLevel != 0 && (!m_bEnable || nLevel > m_nLevel))
        return;

    va_list args;
    va_start(args, szFormat);
    const std::string message = FormatMessage(szFormat, args);
    va_end(args);

    const std::string line = BuildLine(nLevel, szSrcFile, nSrcLine, message);
    const std::string path = std::string(m_szFolder) + m_szFileName;

    const char* mode = "ab";
    if (FileSize(path) > ROTATE_SIZE) {
        CopyFileA(path.c_str(), (path + ".old.log").c_str(), FALSE);
        mode = "wb";
    }
    const FilePtr file(std::fopen(path.c_str(), mode));
    if (file)
        std::fwrite(line.data(), 1, line.size(), file.get());
}
