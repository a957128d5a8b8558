// An import's dry run: it says per row what the run would do, changes nothing, and its counts
// are the real run's.
#include "cli/CliTest.h"

namespace {

constexpr const char* kFields = "First Name,Last Name,Email 1,Job Title";

// Stored before the import: three contacts made by the command line itself, so that they
// hold nothing but the columns the import file carries.
constexpr const char* kStored =
    "\"Ada\",\"Quill\",\"ada@quill.example\",\"Engineer\"\n"
    "\"Bram\",\"Ostrow\",\"bram@ostrow.example\",\"Buyer\"\n"
    "\"Cleo\",\"Vance\",\"cleo@vance.example\",\"Pilot\"\n";

// Row 1 titles; row 2 as stored; row 3 a stored contact with another job title; row 4 new;
// row 5 the same new contact again, which meets the one row 4 adds; row 6 new.
constexpr const char* kIncoming =
    "First Name,Last Name,Email 1,Job Title\n"
    "Ada,Quill,ada@quill.example,Engineer\n"
    "Bram,Ostrow,bram@ostrow.example,Chief Buyer\n"
    "Dara,Lund,dara@lund.example,Baker\n"
    "Dara,Lund,dara@lund.example,Baker\n"
    "Emil,Roth,emil@roth.example,Potter\n";

class DryRunTest : public CliTest {
protected:
    void SetUp() override
    {
        ImportContacts(kStored, kFields);
        WriteFile(Path("incoming.csv"), kIncoming);
    }
};

}  // namespace

TEST_F(DryRunTest, SaysWhatEachRowWouldDoAndWritesNothing)
{
    const std::string stored = Listing("contacts");
    const cli_test::ProgramRun run = Brindle({"import", "contacts", Path("incoming.csv"), "--dry-run"});
    ASSERT_EQ(run.nExit, 0) << run.err;
    EXPECT_EQ(run.out,
              "row 2: skip (identical): Ada Quill\n"
              "row 3: update: Bram Ostrow\n"
              "row 4: add: Dara Lund\n"
              "row 5: skip (identical): Dara Lund\n"
              "row 6: add: Emil Roth\n"
              "Dry run, nothing written: 2 to add, 1 to update, 2 identical\n");
    EXPECT_EQ(Listing("contacts"), stored);
}

TEST_F(DryRunTest, CountsAreTheRealRunsCounts)
{
    const std::string stored = Listing("contacts");
    const cli_test::ProgramRun dry = Brindle({"import", "contacts", Path("incoming.csv"), "--dry-run", "--json"});
    ASSERT_EQ(dry.nExit, 0) << dry.err;
    EXPECT_EQ(Listing("contacts"), stored);

    const cli_test::ProgramRun real = Brindle({"import", "contacts", Path("incoming.csv"), "--json"});
    ASSERT_EQ(real.nExit, 0) << real.err;
    const QJsonObject previewed = JsonOf(dry);
    const QJsonObject done = JsonOf(real);
    for (const char* szCount : {"read", "added", "updated", "skipped", "refused"})
        EXPECT_EQ(previewed.value(szCount).toInt(-1), done.value(szCount).toInt(-2)) << szCount;
    EXPECT_EQ(done.value("added").toInt(), 2);
    EXPECT_EQ(done.value("updated").toInt(), 1);
    EXPECT_EQ(done.value("skipped").toInt(), 2);
    EXPECT_EQ(previewed.value("written").toInt(-1), 0);
    EXPECT_EQ(done.value("written").toInt(), 3);

    const QJsonArray items = Items("contacts");
    EXPECT_EQ(items.size(), 5);
    int nUpdated = 0;
    for (const QJsonValue& item : items) {
        if (item.toObject().value("LastName").toString() != "Ostrow")
            continue;
        EXPECT_EQ(item.toObject().value("JobTitle").toString(), "Chief Buyer");
        ++nUpdated;
    }
    EXPECT_EQ(nUpdated, 1);
}
