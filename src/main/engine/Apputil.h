// The program-wide settings, the codes they hold and the program's data folder.
#pragma once

#include "platform/WinCompat.h"

// Conversion direction (AppMode).
constexpr int MODE_O2C = 1;  // Outlook to CSV file
constexpr int MODE_C2O = 2;  // CSV file to Outlook

// Data kind (AppFlag). Code depending on the kind tests these in turn and ignores any other value.
constexpr int FLAG_ADDR = 1;
constexpr int FLAG_DATE = 2;
constexpr int FLAG_TASK = 4;
constexpr int FLAG_NOTE = 8;

// LogLevel: critical only, high, low (everything).
constexpr int LOG_LEVEL_CRITICAL = 0;
constexpr int LOG_LEVEL_HIGH = 1;
constexpr int LOG_LEVEL_LOW = 3;

constexpr int QUOTE_MARK_SIZE = 8;

// The CSV file's delimiter (Delimiter); an export asked to detect writes commas.
constexpr int DELIMITER_COMMA = 0;
constexpr int DELIMITER_SEMICOLON = 1;
constexpr int DELIMITER_TAB = 2;
constexpr int DELIMITER_DETECT = 3;

// The encoding an import reads the CSV file in (Encoding), numbered as TCsvEncodingChoice.
constexpr int ENCODING_DETECT = 0;
constexpr int ENCODING_UTF8 = 1;
constexpr int ENCODING_WINDOWS_1252 = 2;
constexpr int ENCODING_UTF16 = 3;

// One field per INI key of section "Brindle", named as the key.
struct TAppSettings {
    int AppMode;
    int AppFlag;
    char CsvAddrFile[MAX_PATH];
    char CsvDateFile[MAX_PATH];
    char CsvTaskFile[MAX_PATH];
    char CsvNoteFile[MAX_PATH];
    char QuoteMark[QUOTE_MARK_SIZE];  // empty: no quoting; only the first character counts
    int AppendCSV;                     // 1: append to an existing CSV file, 0: overwrite it
    bool EnableDebug;
    int LogLevel;
    bool AddTitle;
    int Delimiter;
    int Encoding;
    bool ByteOrderMark;  // an export begins a new file with the UTF-8 byte-order mark
};

extern TAppSettings AppSettings;

extern const char* const SETTINGS_SECTION;

// Reads every key through AppIni, each missing or empty one taking its default.
void LoadSettings();
// Writes every key through AppIni, changed or not.
void SaveSettings();

// The data folder, ending with '/', in szFolder (MAX_PATH bytes): "corvane/Brindle/" in the
// common application data folder, created when missing. False when it cannot be had.
bool GetAppDataFolder(LPSTR szFolder);

// The debug log's file name in the data folder.
extern const char* const DEBUG_LOG_NAME;
