#include "platform/ReplacementFile.h"

#include <windows.h>

#include <iterator>

namespace platform {
namespace {

constexpr int kNameAttempts = 100;
constexpr std::size_t kLargestWrite = 1u << 30;

// The system's message for an error code in UTF-8, the program's own text, whatever the ANSI
// code page; without its line end and final full stop, as it is quoted within a sentence.
std::string SystemMessage(DWORD nError)
{
    wchar_t text[512];
    DWORD nLength = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, nError, 0,
                                   text, static_cast<DWORD>(std::size(text)), nullptr);
    while (nLength > 0 && (text[nLength - 1] == L'\r' || text[nLength - 1] == L'\n' || text[nLength - 1] == L' '))
        --nLength;
    if (nLength > 0 && text[nLength - 1] == L'.')
        --nLength;
    const int nBytes = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(nLength), nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return "Error " + std::to_string(nError);
    std::string message(static_cast<std::size_t>(nBytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(nLength), message.data(), nBytes, nullptr, nullptr);
    return message;
}

}  // namespace

ReplacementFile::ReplacementFile() : m_hFile(INVALID_HANDLE_VALUE) {}

ReplacementFile::~ReplacementFile()
{
    if (m_hFile != INVALID_HANDLE_VALUE)
        CloseHandle(m_hFile);
    if (!m_path.empty())
        DeleteFileA(m_path.c_str());
}

bool ReplacementFile::Fail()
{
    m_reason = SystemMessage(GetLastError());
    return false;
}

bool ReplacementFile::Create(const std::string& target)
{
    m_target = target;
    for (int nAttempt = 0; nAttempt < kNameAttempts; ++nAttempt) {
        const std::string path =
            target + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(nAttempt) + ".tmp";
        // Shared with no one and not inherited by programs this one starts.
        m_hFile = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (m_hFile != INVALID_HANDLE_VALUE) {
            m_path = path;
            return true;
        }
        const DWORD nError = GetLastError();
        if (nError != ERROR_FILE_EXISTS && nError != ERROR_ALREADY_EXISTS)
            return Fail();
    }
    return Fail();
}

bool ReplacementFile::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const auto nChunk = static_cast<DWORD>(bytes.size() > kLargestWrite ? kLargestWrite : bytes.size());
        DWORD nWritten = 0;
        if (!WriteFile(m_hFile, bytes.data(), nChunk, &nWritten, nullptr))
            return Fail();
        if (nWritten == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return Fail();
        }
        bytes.remove_prefix(nWritten);
    }
    return true;
}

bool ReplacementFile::Finish()
{
    const bool bFlushed = FlushFileBuffers(m_hFile) != FALSE;
    const DWORD nFlushError = GetLastError();
    const bool bClosed = CloseHandle(m_hFile) != FALSE;
    m_hFile = INVALID_HANDLE_VALUE;
    if (!bFlushed)
        SetLastError(nFlushError);
    return (bFlushed && bClosed) || Fail();
}

// Write-through: the rename is on the disk before the call returns, as the data already is.
bool ReplacementFile::PutInPlace()
{
    if (!MoveFileExA(m_path.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Fail();
    m_path.clear();
    return true;
}

}  // namespace platform
