// A contact's user-defined properties, reached as the contacts adapter reaches them.
#include "SimulatedOutlook.h"

#include <gtest/gtest.h>

namespace olsim_test {
namespace {

constexpr int kTextType = 1;
constexpr int kNumberType = 3;

Object AddUserProperty(CDispCmd& properties, const OLECHAR* name, int type)
{
    const Arg nameArg(name);
    const Arg typeArg(type);
    const Arg addToFolder(false);
    const Arg format(1);
    return CallForObject(properties, OLESTR("Add"), {&nameArg, &typeArg, &addToFolder, &format});
}

HRESULT Find(CDispCmd& properties, const OLECHAR* name, platform::VariantHolder& result)
{
    const Arg nameArg(name);
    return CallMethod(properties, OLESTR("Find"), {&nameArg}, result);
}

TEST(UserPropertiesTest, AddFindAndItemByValueAndByReference)
{
    SimulatedOutlook outlook;
    Object contact = outlook.Add(kContactsFolder, kContactItem);
    ASSERT_NE(contact, nullptr);
    Object properties = GetObjectProperty(*contact, OLESTR("UserProperties"));
    ASSERT_NE(properties, nullptr);
    EXPECT_EQ(GetNumber(*properties, OLESTR("Count")), 0);

    platform::VariantHolder found;
    ASSERT_EQ(Find(*properties, OLESTR("Shoe size"), found), S_OK);
    EXPECT_EQ(found->vt, VT_DISPATCH);
    EXPECT_EQ(found->pdispVal, nullptr) << "absent: an empty object";

    Object shoeSize = AddUserProperty(*properties, OLESTR("Shoe size"), kTextType);
    ASSERT_NE(shoeSize, nullptr);
    EXPECT_EQ(shoeSize->PutString(OLESTR("Value"), "44"), S_OK);
    Object score = AddUserProperty(*properties, OLESTR("Score"), kNumberType);
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(score->PutString(OLESTR("Value"), "17"), S_OK) << "text converts to the number type";
    EXPECT_EQ(GetNumber(*properties, OLESTR("Count")), 2);

    ASSERT_EQ(Find(*properties, OLESTR("SHOE SIZE"), found), S_OK);
    ASSERT_EQ(found->vt, VT_DISPATCH);
    ASSERT_NE(found->pdispVal, nullptr);
    CDispCmd viaFind(found->pdispVal);
    EXPECT_EQ(GetText(viaFind, OLESTR("Value")), "44");

    const struct {
        LONG index;
        const char* name;
    } positions[] = {{1, "Shoe size"}, {2, "Score"}};
    for (const auto& p : positions) {
        LONG index = p.index;
        const Arg byRef = Arg::ByRef(&index);
        const Arg byValue(static_cast<int>(p.index));
        for (const Arg* arg : {&byRef, &byValue}) {
            Object property = CallForObject(*properties, OLESTR("Item"), {arg});
            ASSERT_NE(property, nullptr);
            EXPECT_EQ(GetText(*property, OLESTR("Name")), p.name);
        }
    }
    LONG beyond = 3;
    const Arg beyondRef = Arg::ByRef(&beyond);
    platform::VariantHolder result;
    EXPECT_EQ(CallMethod(*properties, OLESTR("Item"), {&beyondRef}, result), DISP_E_EXCEPTION);

    // A text value reads as text, a number value as VT_I4 (which GetString does not take).
    platform::VariantHolder value;
    ASSERT_EQ(score->GetProperty(OLESTR("Value"), value.Get()), S_OK);
    EXPECT_EQ(value->vt, VT_I4);
    EXPECT_EQ(value->lVal, 17);
    char untouched[8] = "keep";
    EXPECT_EQ(score->GetString(OLESTR("Value"), untouched, sizeof untouched), S_FALSE);
    EXPECT_STREQ(untouched, "keep");
    EXPECT_EQ(GetNumber(*shoeSize, OLESTR("Type")), kTextType);
}

TEST(UserPropertiesTest, SavedWithTheContactAndNotSeenWithoutSave)
{
    SimulatedOutlook outlook;
    Object contact = outlook.AddSaved(kContactsFolder, kContactItem, {{OLESTR("LastName"), "Holder"}});
    ASSERT_NE(contact, nullptr);
    {
        Object properties = GetObjectProperty(*contact, OLESTR("UserProperties"));
        Object first = AddUserProperty(*properties, OLESTR("Team"), kTextType);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->PutString(OLESTR("Value"), "Blue"), S_OK);
    }
    EXPECT_FALSE(GetFlag(*contact, OLESTR("Saved")));
    Object items = outlook.Items(kContactsFolder);
    Object unsavedView = CallForObject(*items, OLESTR("GetFirst"));
    EXPECT_EQ(GetNumber(*GetObjectProperty(*unsavedView, OLESTR("UserProperties")), OLESTR("Count")), 0);

    ASSERT_EQ(Save(*contact), S_OK);
    outlook.Disconnect();
    outlook.Reconnect();
    Object stored = CallForObject(*outlook.Items(kContactsFolder), OLESTR("GetFirst"));
    ASSERT_NE(stored, nullptr);
    Object properties = GetObjectProperty(*stored, OLESTR("UserProperties"));
    ASSERT_EQ(GetNumber(*properties, OLESTR("Count")), 1);
    const Arg first(1);
    Object team = CallForObject(*properties, OLESTR("Item"), {&first});
    ASSERT_NE(team, nullptr);
    EXPECT_EQ(GetText(*team, OLESTR("Name")), "Team");
    EXPECT_EQ(GetText(*team, OLESTR("Value")), "Blue");
}

TEST(UserPropertiesTest, AddRefusesBadNamesUnsupportedTypesAndDuplicates)
{
    SimulatedOutlook outlook;
    Object contact = outlook.Add(kContactsFolder, kContactItem);
    Object properties = GetObjectProperty(*contact, OLESTR("UserProperties"));
    ASSERT_NE(properties, nullptr);
    ASSERT_NE(AddUserProperty(*properties, OLESTR("Taken"), kTextType), nullptr);
    const platform::OleString longName(65, OLECHAR('x'));
    const struct {
        const OLECHAR* name;
        int type;
    } refused[] = {{OLESTR(""), kTextType},         {OLESTR("with_underscore"), kTextType},
                   {OLESTR("[bracket"), kTextType}, {OLESTR("hash#"), kTextType},
                   {longName.c_str(), kTextType},   {OLESTR("Formula"), 18},
                   {OLESTR("Unknown type"), 99},    {OLESTR("TAKEN"), kTextType}};
    for (const auto& r : refused) {
        const Arg name(r.name);
        const Arg type(r.type);
        platform::VariantHolder result;
        EXPECT_EQ(CallMethod(*properties, OLESTR("Add"), {&name, &type}, result), DISP_E_EXCEPTION)
            << platform::OleStringView(r.name).size();
    }
    EXPECT_EQ(GetNumber(*properties, OLESTR("Count")), 1);
    const platform::OleString longest(64, OLECHAR('y'));
    EXPECT_NE(AddUserProperty(*properties, longest.c_str(), kTextType), nullptr);
}

TEST(UserPropertiesTest, RemoveTakesOutThePropertyAtTheIndexAndTheSaveKeepsTheRest)
{
    SimulatedOutlook outlook;
    Object contact = outlook.AddSaved(kContactsFolder, kContactItem, {{OLESTR("LastName"), "Holder"}});
    ASSERT_NE(contact, nullptr);
    Object properties = GetObjectProperty(*contact, OLESTR("UserProperties"));
    ASSERT_NE(properties, nullptr);
    Object team = AddUserProperty(*properties, OLESTR("Team"), kTextType);
    Object score = AddUserProperty(*properties, OLESTR("Score"), kNumberType);
    Object desk = AddUserProperty(*properties, OLESTR("Desk"), kTextType);
    ASSERT_TRUE(team && score && desk);
    EXPECT_EQ(team->PutString(OLESTR("Value"), "Blue"), S_OK);
    EXPECT_EQ(score->PutLong(OLESTR("Value"), 17), S_OK);
    EXPECT_EQ(desk->PutString(OLESTR("Value"), "4.12"), S_OK);
    ASSERT_EQ(Save(*contact), S_OK);

    for (const int outside : {0, 4, -1}) {
        const Arg index(outside);
        const CallOutcome refused = InvokeForOutcome(*properties, OLESTR("Remove"), CallKind::Method, {&index});
        EXPECT_EQ(refused.hr, DISP_E_EXCEPTION) << outside;
        EXPECT_EQ(refused.description, "Array index out of bounds.");
    }
    const Arg byName(OLESTR("Score"));
    EXPECT_EQ(InvokeForOutcome(*properties, OLESTR("Remove"), CallKind::Method, {&byName}).hr, DISP_E_TYPEMISMATCH);
    EXPECT_TRUE(GetFlag(*contact, OLESTR("Saved"))) << "a refused Remove changes nothing";

    LONG second = 2;
    const Arg secondRef = Arg::ByRef(&second);
    ASSERT_EQ(InvokeForOutcome(*properties, OLESTR("Remove"), CallKind::Method, {&secondRef}).hr, S_OK);
    EXPECT_FALSE(GetFlag(*contact, OLESTR("Saved")));
    EXPECT_EQ(GetNumber(*properties, OLESTR("Count")), 2);
    EXPECT_EQ(GetText(*desk, OLESTR("Value")), "4.12") << "an object of a later property still reaches its own";
    EXPECT_EQ(InvokeForOutcome(*score, OLESTR("Value"), CallKind::Get).hr, DISP_E_EXCEPTION)
        << "the removed one is gone";

    ASSERT_EQ(Save(*contact), S_OK);
    outlook.Disconnect();
    outlook.Reconnect();
    Object stored = CallForObject(*outlook.Items(kContactsFolder), OLESTR("GetFirst"));
    ASSERT_NE(stored, nullptr);
    Object storedProperties = GetObjectProperty(*stored, OLESTR("UserProperties"));
    ASSERT_EQ(GetNumber(*storedProperties, OLESTR("Count")), 2);
    const struct {
        int index;
        const char* name;
        const char* value;
    } expected[] = {{1, "Team", "Blue"}, {2, "Desk", "4.12"}};
    for (const auto& e : expected) {
        const Arg index(e.index);
        Object property = CallForObject(*storedProperties, OLESTR("Item"), {&index});
        ASSERT_NE(property, nullptr);
        EXPECT_EQ(GetText(*property, OLESTR("Name")), e.name);
        EXPECT_EQ(GetText(*property, OLESTR("Value")), e.value);
    }
}

}  // namespace
}  // namespace olsim_test
