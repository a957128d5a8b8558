// The fixture of the command-line tests: the built brindle run as a child process, the
// simulated Outlook's profile of the test seen through the olsim tool, files in the test's
// own data folder.
#pragma once

#include "cli/BrindleProcess.h"
#include "olsim/ToolCommands.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

class CliTest : public ::testing::Test {
protected:
    static std::string Path(const std::string& name)
    {
        return (testing_support::CurrentTestDataHome() / name).string();
    }

    static void WriteFile(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }

    static std::string ReadFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    // The olsim tool on the test's profile; what it printed.
    static std::string Tool(const std::vector<std::string>& args)
    {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(olsim::RunTool(args, out, err), 0) << err.str();
        return out.str();
    }

    // olsim list KIND --format json, as text and as items.
    static std::string Listing(const std::string& kind) { return Tool({"list", kind, "--format", "json"}); }
    static QJsonArray Items(const std::string& kind)
    {
        return QJsonDocument::fromJson(QByteArray::fromStdString(Listing(kind))).array();
    }

    static cli_test::ProgramRun Brindle(const std::vector<std::string>& args, const cli_test::ProgramSetup& setup = {})
    {
        return cli_test::RunBrindle(args, setup);
    }

    // The one JSON object a --json run printed; empty when its output is anything else.
    static QJsonObject JsonOf(const cli_test::ProgramRun& run)
    {
        if (run.out.empty() || run.out.back() != '\n' || run.out.find('\n') != run.out.size() - 1)
            return {};
        return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    }

    // Imports a CSV text of contacts whose columns are fields; the run must succeed.
    static void ImportContacts(const std::string& csv, const std::string& fields)
    {
        const std::string file = Path("seed-contacts.csv");
        WriteFile(file, csv);
        const cli_test::ProgramRun run = Brindle({"import", "contacts", file, "--fields", fields, "--quote", "\""});
        ASSERT_EQ(run.nExit, 0) << run.err;
    }
};
