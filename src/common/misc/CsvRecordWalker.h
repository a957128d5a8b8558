// The records of a CSV text held whole in memory. A record ends at a line end (CR LF, LF or
// a lone CR, mixed freely) outside a quoted field; inside one a line end is part of the value.
//
// A field is quoted when it begins with the quote character. Inside, a quote character
// closes the field when the delimiter, a line end or the end of the text follows it; a
// doubled one stands for one quote, and any other is taken literally. A quote character in
// a field that does not begin with one is text.
#pragma once

#include <cstddef>
#include <string_view>

class TCsvRecordWalker {
public:
    // A chQuote of 0 switches quoting off.
    TCsvRecordWalker(std::string_view text, char chQuote, char chDelimiter);

    // The next record without its line end, a view into the text; a blank line is an empty
    // record. False at the end of the text: a line end there starts no further record.
    bool Next(std::string_view& record);

    // Whether the last record ran to the end of the text inside a quoted field never closed.
    bool EndsInsideQuotes() const { return m_bInsideQuotes; }

private:
    std::string_view m_text;
    std::size_t m_nPos = 0;
    char m_chQuote;
    char m_chDelimiter;
    bool m_bInsideQuotes = false;
};
