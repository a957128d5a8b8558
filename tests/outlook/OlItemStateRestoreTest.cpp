// Item states put back: an item of each kind, rich or plain, is read into a state, written
// over by its adapter as an import does and changed by hand, and the state put back must
// leave the profile's listing as it was (save for LastModificationTime).
#include "OlItemStateSim.h"

#include "common/outlook/OlItemState.h"

#include <gtest/gtest.h>

using namespace item_state_test;
using adapter_test::LogLine;
using adapter_test::TimeOf;

namespace {

struct RestoreCase {
    KindCase kind;
    bool bRich;
};

void PrintTo(const RestoreCase& c, std::ostream* os) { *os << (c.bRich ? "rich " : "plain ") << c.kind.szName; }

class OlItemStateRestore : public ::testing::TestWithParam<RestoreCase> {
protected:
    const KindCase& Kind() const { return GetParam().kind; }
    Object First() { return sim.ItemAt(Kind().nFolder, 1); }

    TOlItemState ReadFirst()
    {
        TOlItemState state;
        Object item = First();
        EXPECT_NE(item, nullptr);
        if (item) {
            EXPECT_TRUE(ReadItemState(*item, Kind().nItemType, state));
        }
        return state;
    }

    // Puts the state back through a fresh object of the first item.
    void Restore(const TOlItemState& state)
    {
        Object item = First();
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(RestoreItemState(*item, Kind().nItemType, state));
    }

    AdapterSim sim;
};

TEST_P(OlItemStateRestore, AnImportUpdateAndAChangeByHandAreBothTakenBack)
{
    (GetParam().bRich ? Kind().seedRich : Kind().seedPlain)(sim);
    // A second item, which nothing here may touch.
    (GetParam().bRich ? Kind().seedPlain : Kind().seedRich)(sim);
    const std::string before = Listing(Kind().kind);

    // Kept the way an import keeps it.
    const TOlItemState state = ReadFirst();
    TOlItemState kept;
    ASSERT_TRUE(DecodeItemState(EncodeItemState(state), kept));
    ASSERT_EQ(kept, state);

    AdapterSim::SetNow(TimeOf(2024, 4, 2, 8, 0));
    {
        Object item = First();
        ASSERT_NE(item, nullptr);
        Kind().updateByAdapter(*item);
    }
    ASSERT_NE(Listing(Kind().kind), before) << "the import changed nothing";
    Restore(kept);
    EXPECT_EQ(Listing(Kind().kind), before);

    AdapterSim::SetNow(TimeOf(2024, 4, 3, 8, 0));
    {
        Object item = First();
        ASSERT_NE(item, nullptr);
        Kind().changeByHand(*item);
        sim.Save(*item);
    }
    ASSERT_NE(Listing(Kind().kind), before) << "the change by hand changed nothing";
    Restore(kept);
    EXPECT_EQ(Listing(Kind().kind), before);

    // Put onto the item as it was, the state changes nothing.
    Restore(kept);
    EXPECT_EQ(Listing(Kind().kind), before);
    EXPECT_EQ(ReadFirst(), state);
    EXPECT_EQ(AdapterSim::ErrorLines(), std::vector<LogLine>{});
}

std::vector<RestoreCase> AllCases()
{
    std::vector<RestoreCase> cases;
    for (const KindCase& kind : Kinds()) {
        cases.push_back({kind, true});
        cases.push_back({kind, false});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryKind, OlItemStateRestore, ::testing::ValuesIn(AllCases()), [](const auto& info) {
    return std::string(info.param.bRich ? "rich_" : "plain_") + info.param.kind.szName;
});

TEST(OlItemStateUserProperties, TheyComeBackInTheirOrderWithTheirTypes)
{
    AdapterSim sim;
    const KindCase& contacts = KindOf(olsim::ItemKind::Contact);
    contacts.seedRich(sim);
    const std::string before = Listing(olsim::ItemKind::Contact);
    TOlItemState state;
    {
        Object contact = sim.ItemAt(kContactsFolder, 1);
        ASSERT_NE(contact, nullptr);
        ASSERT_TRUE(ReadItemState(*contact, kContactItem, state));
    }
    ASSERT_EQ(state.userProperties.size(), 4u);

    // Team, Score, Since, Active become Active, Score (now a text), Extra.
    Object contact = sim.ItemAt(kContactsFolder, 1);
    ASSERT_NE(contact, nullptr);
    Object properties = UserProperties(*contact);
    ASSERT_NE(properties, nullptr);
    for (const LONG nPosition : {3, 2, 1})
        Call(*properties, OLESTR("Remove"), {Long(nPosition)});
    AddUserProperty(*contact, OLESTR("Score"), kTextType, Text(OLESTR("seventeen")));
    AddUserProperty(*contact, OLESTR("Extra"), kDateType, Date(adapter_test::DateOf(2020, 2, 2)));
    sim.Save(*contact);
    ASSERT_NE(Listing(olsim::ItemKind::Contact), before);

    EXPECT_TRUE(RestoreItemState(*sim.ItemAt(kContactsFolder, 1), kContactItem, state));
    EXPECT_EQ(Listing(olsim::ItemKind::Contact), before);
}

}  // namespace
