// What one command line asks for, once it is read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class TCliCommand { None, Fields, Export, Import, Undo };

struct TCliRequest {
    TCliCommand nCommand = TCliCommand::None;
    bool bHelp = false;  // the help of nCommand (None: the general help)
    std::string kind;    // as given; the command looks it up
    std::string file;
    std::optional<std::string> fields;  // the column list of --fields, unread
    bool bAllFields = false;
    bool bMatchTitles = false;
    std::optional<char> quote;     // '\0' for none; absent: the settings' choice
    std::optional<int> delimiter;  // DELIMITER_*; absent: the settings' choice
    std::optional<int> encoding;   // ENCODING_*; absent: the settings' choice
    bool bTitle = false;
    bool bAppend = false;
    bool bByteOrderMark = false;
    bool bDryRun = false;
    bool bJson = false;
    // undo: the journal's runs to take back, or the newest, or none but a list of them.
    std::vector<std::int64_t> runs;
    bool bLast = false;
    bool bList = false;
    bool bChanged = false;  // items changed since are taken back too
};

// A command line that does not fit: what is wrong, and the command whose usage to show.
struct TCliUsageError {
    TCliCommand nCommand = TCliCommand::None;
    std::string message;
};
