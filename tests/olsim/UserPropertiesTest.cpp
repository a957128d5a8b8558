// A contact's user-defined properties, reached as the contacts adapter reaches them.
#include "SimulatedOutlook.h"

#include <gtest/gtest.h>

namespace olsim_test {
namespace {

constexpr int kTextType = 1;
constexpr int kNumberType = 3;

Object AddUserProperty(CDispCmd& properties, const char16_t* name, int type)
{
    const Arg nameArg(name);
    const Arg typeArg(type);
    const Arg addToFolder(false);
    const Arg format(1);
    return CallForObject(properties, u"Add", {&nameArg, &typeArg, &addToFolder, &format});
}

HRESULT Find(CDispCmd& properties, const char16_t* name, platform::VariantHolder& result)
{
    const Arg nameArg(name);
    return CallMethod(properties, u"Find", {&nameArg}, result);
}

TEST(UserPropertiesTest, AddFindAndItemByValueAndByReference)
{
    SimulatedOutlook outlook;
    Object contact = outlook.Add(kContactsFolder, kContactItem);
    ASSERT_NE(contact, nullptr);
    Object properties = GetObjectProperty(*contact, u"UserProperties");
    ASSERT_NE(properties, nullptr);
    EXPECT_EQ(GetNumber(*properties, u"Count"), 0);

    platform::VariantHolder found;
    ASSERT_EQ(Find(*properties, u"Shoe size", found), S_OK);
    EXPECT_EQ(found->vt, VT_DISPATCH);
    EXPECT_EQ(found->pdispVal, nullptr) << "absent: an empty object";

    Object shoeSize = AddUserProperty(*properties, u"Shoe size", kTextType);
    ASSERT_NE(shoeSize, nullptr);
    EXPECT_EQ(shoeSize->PutString(u"Value", "44"), S_OK);
    Object score = AddUserProperty(*properties, u"Score", kNumberType);
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(score->PutString(u"Value", "17"), S_OK) << "text converts to the number type";
    EXPECT_EQ(GetNumber(*properties, u"Count"), 2);

    ASSERT_EQ(Find(*properties, u"SHOE SIZE", found), S_OK);
    ASSERT_EQ(found->vt, VT_DISPATCH);
    ASSERT_NE(found->pdispVal, nullptr);
    CDispCmd viaFind(found->pdispVal);
    EXPECT_EQ(GetText(viaFind, u"Value"), "44");

    const struct {
        LONG index;
        const char* name;
    } positions[] = {{1, "Shoe size"}, {2, "Score"}};
    for (const auto& p : positions) {
        LONG index = p.index;
        const Arg byRef = Arg::ByRef(&index);
        const Arg byValue(static_cast<int>(p.index));
        for (const Arg* arg : {&byRef, &byValue}) {
            Object property = CallForObject(*properties, u"Item", {arg});
            ASSERT_NE(property, nullptr);
            EXPECT_EQ(GetText(*property, u"Name"), p.name);
        }
    }
    LONG beyond = 3;
    const Arg beyondRef = Arg::ByRef(&beyond);
    platform::VariantHolder result;
    EXPECT_EQ(CallMethod(*properties, u"Item", {&beyondRef}, result), DISP_E_EXCEPTION);

    // A text value reads as text, a number value as VT_I4 (which GetString does not take).
    platform::VariantHolder value;
    ASSERT_EQ(score->GetProperty(u"Value", value.Get()), S_OK);
    EXPECT_EQ(value->vt, VT_I4);
    EXPECT_EQ(value->lVal, 17);
    char untouched[8] = "keep";
    EXPECT_EQ(score->GetString(u"Value", untouched, sizeof untouched), S_FALSE);
    EXPECT_STREQ(untouched, "keep");
    EXPECT_EQ(GetNumber(*shoeSize, u"Type"), kTextType);
}

TEST(UserPropertiesTest, SavedWithTheContactAndNotSeenWithoutSave)
{
    SimulatedOutlook outlook;
    Object contact = outlook.AddSaved(kContactsFolder, kContactItem, {{u"LastName", "Holder"}});
    ASSERT_NE(contact, nullptr);
    {
        Object properties = GetObjectProperty(*contact, u"UserProperties");
        Object first = AddUserProperty(*properties, u"Team", kTextType);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->PutString(u"Value", "Blue"), S_OK);
    }
    EXPECT_FALSE(GetFlag(*contact, u"Saved"));
    Object items = outlook.Items(kContactsFolder);
    Object unsavedView = CallForObject(*items, u"GetFirst");
    EXPECT_EQ(GetNumber(*GetObjectProperty(*unsavedView, u"UserProperties"), u"Count"), 0);

    ASSERT_EQ(Save(*contact), S_OK);
    outlook.Disconnect();
    outlook.Reconnect();
    Object stored = CallForObject(*outlook.Items(kContactsFolder), u"GetFirst");
    ASSERT_NE(stored, nullptr);
    Object properties = GetObjectProperty(*stored, u"UserProperties");
    ASSERT_EQ(GetNumber(*properties, u"Count"), 1);
    const Arg first(1);
    Object team = CallForObject(*properties, u"Item", {&first});
    ASSERT_NE(team, nullptr);
    EXPECT_EQ(GetText(*team, u"Name"), "Team");
    EXPECT_EQ(GetText(*team, u"Value"), "Blue");
}

TEST(UserPropertiesTest, AddRefusesBadNamesUnsupportedTypesAndDuplicates)
{
    SimulatedOutlook outlook;
    Object contact = outlook.Add(kContactsFolder, kContactItem);
    Object properties = GetObjectProperty(*contact, u"UserProperties");
    ASSERT_NE(properties, nullptr);
    ASSERT_NE(AddUserProperty(*properties, u"Taken", kTextType), nullptr);
    const std::u16string longName(65, u'x');
    const struct {
        const char16_t* name;
        int type;
    } refused[] = {{u"", kTextType},         {u"with_underscore", kTextType}, {u"[bracket", kTextType},
                   {u"hash#", kTextType},     {longName.c_str(), kTextType},   {u"Formula", 18},
                   {u"Unknown type", 99},     {u"TAKEN", kTextType}};
    for (const auto& r : refused) {
        const Arg name(r.name);
        const Arg type(r.type);
        platform::VariantHolder result;
        EXPECT_EQ(CallMethod(*properties, u"Add", {&name, &type}, result), DISP_E_EXCEPTION)
            << std::u16string_view(r.name).size();
    }
    EXPECT_EQ(GetNumber(*properties, u"Count"), 1);
    const std::u16string longest(64, u'y');
    EXPECT_NE(AddUserProperty(*properties, longest.c_str(), kTextType), nullptr);
}

TEST(UserPropertiesTest, RemoveTakesOutThePropertyAtTheIndexAndTheSaveKeepsTheRest)
{
    SimulatedOutlook outlook;
    Object contact = outlook.AddSaved(kContactsFolder, kContactItem, {{u"LastName", "Holder"}});
    ASSERT_NE(contact, nullptr);
    Object properties = GetObjectProperty(*contact, u"UserProperties");
    ASSERT_NE(properties, nullptr);
    Object team = AddUserProperty(*properties, u"Team", kTextType);
    Object score = AddUserProperty(*properties, u"Score", kNumberType);
    Object desk = AddUserProperty(*properties, u"Desk", kTextType);
    ASSERT_TRUE(team && score && desk);
    EXPECT_EQ(team->PutString(u"Value", "Blue"), S_OK);
    EXPECT_EQ(score->PutLong(u"Value", 17), S_OK);
    EXPECT_EQ(desk->PutString(u"Value", "4.12"), S_OK);
    ASSERT_EQ(Save(*contact), S_OK);

    for (const int outside : {0, 4, -1}) {
        const Arg index(outside);
        const CallOutcome refused = InvokeForOutcome(*properties, u"Remove", CallKind::Method, {&index});
        EXPECT_EQ(refused.hr, DISP_E_EXCEPTION) << outside;
        EXPECT_EQ(refused.description, "Array index out of bounds.");
    }
    const Arg byName(u"Score");
    EXPECT_EQ(InvokeForOutcome(*properties, u"Remove", CallKind::Method, {&byName}).hr, DISP_E_TYPEMISMATCH);
    EXPECT_TRUE(GetFlag(*contact, u"Saved")) << "a refused Remove changes nothing";

    LONG second = 2;
    const Arg secondRef = Arg::ByRef(&second);
    ASSERT_EQ(InvokeForOutcome(*properties, u"Remove", CallKind::Method, {&secondRef}).hr, S_OK);
    EXPECT_FALSE(GetFlag(*contact, u"Saved"));
    EXPECT_EQ(GetNumber(*properties, u"Count"), 2);
    EXPECT_EQ(GetText(*desk, u"Value"), "4.12") << "an object of a later property still reaches its own";
    EXPECT_EQ(InvokeForOutcome(*score, u"Value", CallKind::Get).hr, DISP_E_EXCEPTION) << "the removed one is gone";

    ASSERT_EQ(Save(*contact), S_OK);
    outlook.Disconnect();
    outlook.Reconnect();
    Object stored = CallForObject(*outlook.Items(kContactsFolder), u"GetFirst");
    ASSERT_NE(stored, nullptr);
    Object storedProperties = GetObjectProperty(*stored, u"UserProperties");
    ASSERT_EQ(GetNumber(*storedProperties, u"Count"), 2);
    const struct {
        int index;
        const char* name;
        const char* value;
    } expected[] = {{1, "Team", "Blue"}, {2, "Desk", "4.12"}};
    for (const auto& e : expected) {
        const Arg index(e.index);
        Object property = CallForObject(*storedProperties, u"Item", {&index});
        ASSERT_NE(property, nullptr);
        EXPECT_EQ(GetText(*property, u"Name"), e.name);
        EXPECT_EQ(GetText(*property, u"Value"), e.value);
    }
}

}  // namespace
}  // namespace olsim_test
