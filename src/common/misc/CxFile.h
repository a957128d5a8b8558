// The program's CSV text: CSV splits one record into fields, CxFile reads and writes the
// lines of a text file, QuoteCsvValue encloses a value for writing.
//
// With a quote character, every field is written enclosed in it and a quote character
// inside a value is doubled; delimiters and line ends inside a quoted value are then safe.
// Reading also takes files that quote only some values, or that did not double the quote
// characters inside them (see CsvRecordWalker.h for the rule).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

// The value enclosed in chQuote with every chQuote inside doubled; the value as it is
// when chQuote is 0.
std::string QuoteCsvValue(std::string_view value, char chQuote);

class CSV {
public:
    // Parses szLine when it is present and not empty.
    explicit CSV(const char* szLine = nullptr, bool bQuote = false);
    virtual ~CSV();
    CSV(const CSV&) = delete;
    CSV& operator=(const CSV&) = delete;

    // A quote character of 0 switches quoting off.
    void SetQuote(char chQuote);
    // The character between fields, ',' unless set otherwise.
    void SetDelimiter(char chDelimiter);

    // Splits szLine at the delimiters outside quoted fields; a line end at its end is
    // dropped. A field that begins with the quote character loses its enclosing quotes and
    // each doubled quote character inside becomes one; should a line end close it, the
    // text up to the next delimiter is kept after it. Any other field is taken as it
    // stands. False for an absent or empty line (the previous fields are kept) or when
    // memory runs out (nothing is kept).
    bool Parse(const char* szLine);
    // The same for a record that may hold zero bytes, as a view into a whole text gives
    // it; a zero byte ends its field as GetItem gives it.
    bool Parse(std::string_view record);

    std::uint32_t GetCount() const { return m_nCount; }
    // The field; the empty text for an index not below GetCount. Valid until the next
    // Parse, Clear or destruction.
    const char* GetItem(std::uint32_t nIndex) const;
    void Clear();

private:
    bool AddItem(char* pItem);
    bool GrowItems();
    char* UnquoteField(char* pText, char* pEnd) const;

    std::unique_ptr<char[]> m_pData;
    std::unique_ptr<char*[]> m_ppItems;
    std::uint32_t m_nCount = 0;
    bool m_bQuote = false;
    char m_chQuote = '"';
    char m_chDelimiter = ',';
    // Room of the two blocks, kept between lines so that a long import allocates rarely.
    std::size_t m_nDataRoom = 0;
    std::size_t m_nItemRoom = 0;
};

class CxFile {
public:
    CxFile() = default;
    virtual ~CxFile();
    CxFile(const CxFile&) = delete;
    CxFile& operator=(const CxFile&) = delete;

    // szMode is a standard open mode; the program uses "wb", "a+b" and "rb". False for an
    // absent or empty path or mode, a file that cannot be opened, or a file already open.
    // A mode that only reads opens plain files only, never a folder, pipe or device; a mode
    // that writes refuses a pipe, which would wait for a reader that may never come.
    bool Open(const char* szPath, const char* szMode);
    // False when buffered data could not be written out, or when a file opened for writing
    // is no longer the one at its path (deleted or replaced meanwhile, so what was written
    // is lost); the file is closed either way.
    bool Close();
    // Whether a file opened for writing is still the one at its path; true for a file
    // opened only for reading.
    bool IsAtWrittenPath() const;

    // One line, the line feed included, of at most nSize - 1 characters: a longer line
    // comes in pieces. Null at the end of the file, with no file open or no buffer.
    char* ReadLine(char* szBuf, int nSize);

    // The bytes from the reading position to the end of the file; false with no file open,
    // on a read error or when memory runs out.
    bool ReadRest(std::string& bytes);

    // Writes the text (the empty text for null) and "\r\n"; false with no file open or
    // when the write fails.
    bool WriteLine(const char* szLine);
    // Writes the bytes as they are; false with no file open or when the write fails.
    bool Write(std::string_view bytes);

    // fseek on the open file; -1 with none.
    int Seek(long nOffset, int nOrigin);

private:

    FILE* m_fp = nullptr;
    std::string m_szWrittenPath;  // of a file opened for writing, checked on Close
};
