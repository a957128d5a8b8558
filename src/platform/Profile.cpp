#include "platform/win/Profile.h"
#include "platform/win/TextCut.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\f\v";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

// One line of the file as written, and what it means.
struct ProfileLine {
    enum class Kind { Other, Section, Entry };

    std::string text;
    Kind kind = Kind::Other;
    std::string_view name;   // section name or key, trimmed; views into text
    std::string_view value;  // entry value, trimmed

    // Only the file's first line may start with a byte-order mark; anywhere else those bytes
    // belong to a name.
    explicit ProfileLine(std::string line, bool fileStart = false) : text(std::move(line)) { Classify(fileStart); }
    ProfileLine(const ProfileLine&) = delete;
    ProfileLine& operator=(const ProfileLine&) = delete;

private:
    void Classify(bool fileStart)
    {
        std::string_view body = Trim(text);
        if (fileStart && body.starts_with(kByteOrderMark))
            body = Trim(body.substr(kByteOrderMark.size()));
        if (body.empty() || body.front() == ';' || body.front() == '#')
            return;
        if (body.front() == '[') {
            const size_t close = body.find(']');
            if (close != std::string_view::npos) {
                kind = Kind::Section;
                name = Trim(body.substr(1, close - 1));
            }
            return;
        }
        const size_t equals = body.find('=');
        if (equals == std::string_view::npos)
            return;
        kind = Kind::Entry;
        name = Trim(body.substr(0, equals));
        value = Trim(body.substr(equals + 1));
    }
};

// The whole file as lines, with the line ending it uses.
class ProfileFile {
public:
    // False when the file exists but cannot be read; a missing file is empty.
    bool Load(const char* path)
    {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            struct stat info {};
            return stat(path, &info) != 0 && errno == ENOENT;
        }
        std::string line;
        bool first = true;
        while (std::getline(in, line)) {
            if (first && line.ends_with('\r'))
                m_lineEnd = "\r\n";
            first = false;
            if (line.ends_with('\r'))
                line.pop_back();
            m_lines.push_back(std::make_unique<ProfileLine>(std::move(line), m_lines.empty()));
        }
        return !in.bad();
    }

    // Index of the first header of section, or none.
    std::optional<size_t> FindSection(std::string_view section) const
    {
        for (size_t i = 0; i < m_lines.size(); ++i)
            if (m_lines[i]->kind == ProfileLine::Kind::Section && SameName(m_lines[i]->name, section))
                return i;
        return std::nullopt;
    }

    // One past the section's last line: the next header or the end of the file.
    size_t SectionEnd(size_t header) const
    {
        size_t i = header + 1;
        while (i < m_lines.size() && m_lines[i]->kind != ProfileLine::Kind::Section)
            ++i;
        return i;
    }

    std::optional<size_t> FindKey(size_t header, std::string_view key) const
    {
        const size_t end = SectionEnd(header);
        for (size_t i = header + 1; i < end; ++i)
            if (m_lines[i]->kind == ProfileLine::Kind::Entry && SameName(m_lines[i]->name, key))
                return i;
        return std::nullopt;
    }

    // Where a new key of the section goes: after its last non-blank line.
    size_t InsertPoint(size_t header) const
    {
        size_t end = SectionEnd(header);
        while (end > header + 1 && Trim(m_lines[end - 1]->text).empty())
            --end;
        return end;
    }

    const ProfileLine& Line(size_t index) const { return *m_lines[index]; }
    size_t LineCount() const { return m_lines.size(); }

    void Insert(size_t index, std::string text)
    {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(index),
                       std::make_unique<ProfileLine>(std::move(text)));
    }
    void Replace(size_t index, std::string text) { m_lines[index] = std::make_unique<ProfileLine>(std::move(text)); }
    void Erase(size_t first, size_t last)
    {
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(first),
                      m_lines.begin() + static_cast<std::ptrdiff_t>(last));
    }
    void Append(std::string text) { m_lines.push_back(std::make_unique<ProfileLine>(std::move(text))); }

    std::string Text() const
    {
        std::string text;
        for (const auto& line : m_lines)
            text += line->text + m_lineEnd;
        return text;
    }

private:
    std::vector<std::unique_ptr<ProfileLine>> m_lines;
    std::string m_lineEnd = "\n";
};

// Writes text to a fresh file beside path and renames it over path, so readers see either
// the old file or the new one, never a half-written one.
bool ReplaceFile(const char* path, const std::string& text)
{
    struct stat existing {};
    const bool exists = stat(path, &existing) == 0;

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = std::string(path) + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;

    bool ok = !exists || fchmod(fd, existing.st_mode & 07777) == 0;
    const char* data = text.data();
    size_t left = text.size();
    while (ok && left > 0) {
        const ssize_t written = write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        ok = written > 0;
        if (ok) {
            data += written;
            left -= static_cast<size_t>(written);
        }
    }
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    if (ok && rename(temporary.c_str(), path) == 0)
        return true;
    unlink(temporary.c_str());
    return false;
}

bool IsEmpty(LPCSTR text) { return text == nullptr || *text == '\0'; }

// A value the file holds enclosed in matching single or double quotation marks reads without
// them, as on Windows.
std::string_view Unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

bool BreaksLine(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Copies a list of names, each terminated, the list ending in an extra terminator, as far as
// the buffer holds them; returns the bytes copied without the final terminator.
DWORD CopyNameList(const std::vector<std::string_view>& names, LPSTR buffer, DWORD nSize)
{
    if (nSize < 2) {
        if (nSize == 1)
            buffer[0] = '\0';
        return 0;
    }
    // The last byte is kept for the list's final terminator.
    const DWORD room = nSize - 1;
    DWORD used = 0;
    for (const std::string_view name : names) {
        if (used + name.size() + 1 > room) {
            // A name that fits only in part is cut to whole characters; one with no room left is dropped.
            if (used < room)
                used += static_cast<DWORD>(CutText(buffer + used, room - used, name)) + 1;
            // A cut list fills the buffer and reports its size less two, as Windows does.
            std::fill(buffer + std::min(used, room), buffer + nSize, '\0');
            return nSize - 2;
        }
        std::copy(name.begin(), name.end(), buffer + used);  // an empty name may have no data at all
        used += static_cast<DWORD>(name.size());
        buffer[used++] = '\0';
    }
    buffer[used] = '\0';
    return used;
}

}  // namespace

DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                               LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName)
{
    if (lpReturnedString == nullptr || nSize == 0)
        return 0;
    ProfileFile file;
    const bool loaded = !IsEmpty(lpFileName) && file.Load(lpFileName);

    std::vector<std::string_view> names;
    if (lpAppName == nullptr) {
        for (size_t i = 0; loaded && i < file.LineCount(); ++i)
            if (file.Line(i).kind == ProfileLine::Kind::Section)
                names.push_back(file.Line(i).name);
        return CopyNameList(names, lpReturnedString, nSize);
    }
    const std::optional<size_t> header = loaded ? file.FindSection(Trim(lpAppName)) : std::nullopt;
    if (lpKeyName == nullptr) {
        if (header)
            for (size_t i = *header + 1; i < file.SectionEnd(*header); ++i)
                if (file.Line(i).kind == ProfileLine::Kind::Entry)
                    names.push_back(file.Line(i).name);
        return CopyNameList(names, lpReturnedString, nSize);
    }

    // Windows strips the default's trailing spaces, and only those.
    std::string_view value = lpDefault ? std::string_view(lpDefault) : std::string_view();
    value = value.substr(0, value.find_last_not_of(' ') + 1);
    const std::optional<size_t> entry = header ? file.FindKey(*header, Trim(lpKeyName)) : std::nullopt;
    if (entry)
        value = Unquoted(file.Line(*entry).value);
    return static_cast<DWORD>(CutText(lpReturnedString, nSize, value));
}

BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                LPCSTR lpFileName)
{
    if (IsEmpty(lpFileName) || lpAppName == nullptr)
        return FALSE;
    const std::string_view section = Trim(lpAppName);
    const std::string_view key = lpKeyName ? Trim(lpKeyName) : std::string_view();
    const std::string_view value = lpString ? Trim(lpString) : std::string_view();
    if (section.empty() || BreaksLine(section) || section.find(']') != std::string_view::npos)
        return FALSE;
    if (lpKeyName && (key.empty() || BreaksLine(key) || key.find('=') != std::string_view::npos
                      || key.front() == '[' || key.front() == ';' || key.front() == '#'))
        return FALSE;
    if (BreaksLine(value))
        return FALSE;

    ProfileFile file;
    if (!file.Load(lpFileName))
        return FALSE;
    const std::optional<size_t> header = file.FindSection(section);

    const bool removing = lpKeyName == nullptr || lpString == nullptr;
    if (!header && removing)
        return TRUE;
    if (lpKeyName == nullptr) {
        file.Erase(*header, file.SectionEnd(*header));
        return ReplaceFile(lpFileName, file.Text()) ? TRUE : FALSE;
    }

    const std::string entryText = std::string(key) + "=" + std::string(value);
    if (!header) {
        file.Append("[" + std::string(section) + "]");
        file.Append(entryText);
    } else if (const std::optional<size_t> entry = file.FindKey(*header, key)) {
        // An entry the file holds as it would be written needs no rewrite of a possibly
        // large file.
        if (lpString != nullptr && file.Line(*entry).text == entryText)
            return TRUE;
        if (lpString == nullptr)
            file.Erase(*entry, *entry + 1);
        else
            file.Replace(*entry, entryText);
    } else if (lpString != nullptr) {
        file.Insert(file.InsertPoint(*header), entryText);
    }
    return ReplaceFile(lpFileName, file.Text()) ? TRUE : FALSE;
}
