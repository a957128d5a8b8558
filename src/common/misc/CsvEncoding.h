// The text of a CSV file: the whole file decoded to UTF-8 once, in the encoding the user
// chose or the one its bytes show; and the byte-order mark an export may begin with.
#pragma once

#include <string>
#include <string_view>

// What the user chose to read a CSV file as; stored in the settings as 0 to 3 in this order.
enum class TCsvEncodingChoice { Detect, Utf8, Windows1252, Utf16 };

// What a CSV file was read as.
enum class TCsvEncoding { Utf8, Utf8Bom, Utf16Le, Utf16Be, Windows1252 };

struct TCsvFileText {
    std::string szText;  // the whole file in UTF-8, any byte-order mark removed
    TCsvEncoding nEncoding = TCsvEncoding::Utf8;
    // False when more than one character in twenty at its start is a control character other
    // than tab, CR and LF (a zero among them): a binary file, or one read in the wrong
    // encoding. A stray zero in a long text does not make it binary; the import drops it.
    bool bLooksLikeText = true;
    bool bDroppedOddByte = false;  // UTF-16 with an odd byte count lost its last byte
};

// Detect: a byte-order mark wins; then UTF-16 without one, told by the zero bytes of
// Latin text; then UTF-8 when the bytes are valid UTF-8; Windows-1252 otherwise.
// UTF-8 read as such turns each invalid sequence into U+FFFD, UTF-16 each unpaired
// surrogate; Windows-1252 makes every byte a character.
TCsvFileText DecodeCsvBytes(std::string_view bytes, TCsvEncodingChoice choice);

// False when the file cannot be read: missing, no plain file (a folder, pipe or device),
// a read error, or too large for memory.
bool LoadCsvFileText(const char* szPath, TCsvEncodingChoice choice, TCsvFileText& out);

// The name shown to the user, such as "UTF-16 LE".
const char* CsvEncodingName(TCsvEncoding nEncoding);

// What an export writes first when asked for a byte-order mark; its text is UTF-8 anyway.
constexpr std::string_view CsvUtf8ByteOrderMark() { return "\xEF\xBB\xBF"; }
