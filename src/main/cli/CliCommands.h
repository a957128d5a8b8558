// The commands of the command line, each run on a request the parser accepted, and what
// they share: where they write and how they end on a problem.
#pragma once

#include "main/cli/CliRequest.h"

#include <ostream>
#include <string>

struct TCliKind;
struct TConvKind;

struct TCliStreams {
    std::ostream& out;
    std::ostream& err;
    bool bErrTerminal;  // standard error shows the progress
};

int RunFieldsCommand(const TCliRequest& request, const TCliStreams& io);
int RunExportCommand(const TCliRequest& request, const TCliStreams& io);
int RunImportCommand(const TCliRequest& request, const TCliStreams& io);
int RunUndoCommand(const TCliRequest& request, const TCliStreams& io);

// The message on standard error; kExitFailed.
int Failure(const TCliStreams& io, const std::string& message);
// The message and the command's usage on standard error; kExitUsage.
int UsageProblem(const TCliStreams& io, TCliCommand nCommand, const std::string& message);

// The kinds a request names, both rows; null, with the failure told, for an unknown name.
struct TNamedKind {
    const TCliKind* pCli = nullptr;
    const TConvKind* pConv = nullptr;
};
TNamedKind LookUpKind(const TCliRequest& request, const TCliStreams& io);
