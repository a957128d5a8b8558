// The kinds of data the command line names, one row per kind: the name on the command line,
// the AppFlag code, the record page's words for an empty choice and how a record is named in
// a dry run's lines.
#pragma once

#include <span>
#include <string>
#include <string_view>

struct TCliKind {
    const char* szName;          // "contacts", as the command line takes it
    int nFlag;                   // AppFlag code
    const char* szNothingChosen; // what the record page says when no record is chosen
    // The record as the record page's first columns show it (first and last name for
    // contacts, the description otherwise), on one line.
    std::string (*Caption)(const void* pRec);
};

std::span<const TCliKind> CliKinds();
// The row of the name, without regard to case; null for any other name.
const TCliKind* FindCliKind(std::string_view name);
// The names joined as "contacts, calendar, tasks or notes", for messages and help.
std::string CliKindNames();
