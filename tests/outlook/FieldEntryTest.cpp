#include "common/outlook/FieldEntry.h"

#include "common/misc/CxList.h"
#include "common/misc/CxMemory.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

class FieldEntryTest : public ::testing::Test {
protected:
    void SetUp() override { m_liveStringsBefore = platform::LiveBstrCount(); }
    void TearDown() override { EXPECT_EQ(platform::LiveBstrCount(), m_liveStringsBefore) << "a fixed text leaked"; }

private:
    long m_liveStringsBefore = 0;
};

TEST_F(FieldEntryTest, ANewCustomColumnHoldsTheDefaultFixedText)
{
    CsvFieldEntry* pEntry = NewCustomFieldEntry();
    ASSERT_NE(pEntry, nullptr);

    EXPECT_EQ(pEntry->nId, CUSTOM_FIELD_ID);
    EXPECT_STREQ(pEntry->szName, "Custom Field");
    EXPECT_EQ(pEntry->nType, CUSTOM_KIND_TEXT);
    EXPECT_EQ(pEntry->nLength, 0);
    ASSERT_EQ(pEntry->vValue.vt, VT_BSTR);
    EXPECT_EQ(platform::OleString(pEntry->vValue.bstrVal), OLESTR("Custom Text"));
    EXPECT_TRUE(IsCustomField(pEntry));

    FreeCustomFieldEntry(pEntry);
    FreeCustomFieldEntry(nullptr);
}

TEST_F(FieldEntryTest, ATableRowCopiesUnchangedWithAnEmptyValue)
{
    static const CsvFieldEntry kRows[] = {
        {1, "First Name", FIELD_TYPE_TEXT, 256, {}},
        {27, "Birthday", FIELD_TYPE_DATE, 8, {}},
        {0, "Importance", FIELD_TYPE_NUMBER, 4, {}},
    };
    for (const CsvFieldEntry& row : kRows) {
        CsvFieldEntry* pCopy = CopyFieldEntry(&row);
        ASSERT_NE(pCopy, nullptr);
        EXPECT_NE(pCopy, &row);
        EXPECT_EQ(pCopy->nId, row.nId);
        EXPECT_STREQ(pCopy->szName, row.szName);
        EXPECT_EQ(pCopy->nType, row.nType);
        EXPECT_EQ(pCopy->nLength, row.nLength);
        EXPECT_EQ(pCopy->vValue.vt, VT_EMPTY);
        EXPECT_FALSE(IsCustomField(pCopy));
        CxFree(pCopy);
    }
    EXPECT_EQ(CopyFieldEntry(nullptr), nullptr);
}

// The chosen-columns list frees its copies with the list; the custom column's fixed
// text belongs to the original and must survive that, and be freed once with it.
TEST_F(FieldEntryTest, FreeingTheChosenColumnsLeavesTheSharedFixedTextToItsOriginal)
{
    CsvFieldEntry* pText = NewCustomFieldEntry();
    CsvFieldEntry* pSequence = NewCustomFieldEntry();
    ASSERT_NE(pText, nullptr);
    ASSERT_NE(pSequence, nullptr);
    VariantClear(&pSequence->vValue);
    pSequence->nType = CUSTOM_KIND_SEQUENCE;
    pSequence->vValue.vt = VT_I4;
    pSequence->vValue.lVal = 100;

    CxList fieldList;
    for (int round = 0; round < 2; ++round) {
        fieldList.RemoveAll(true);
        ASSERT_TRUE(fieldList.Add(CopyFieldEntry(pText)));
        ASSERT_TRUE(fieldList.Add(CopyFieldEntry(pSequence)));
        ASSERT_TRUE(fieldList.Add(CopyFieldEntry(pText)));

        const auto* pFirst = static_cast<const CsvFieldEntry*>(fieldList.Find(0));
        const auto* pSecond = static_cast<const CsvFieldEntry*>(fieldList.Find(1));
        EXPECT_EQ(pFirst->vValue.bstrVal, pText->vValue.bstrVal) << "the copy shares the text";
        EXPECT_EQ(pSecond->vValue.vt, VT_I4);
        EXPECT_EQ(pSecond->vValue.lVal, 100);
    }
    fieldList.RemoveAll(true);

    ASSERT_EQ(pText->vValue.vt, VT_BSTR);
    EXPECT_EQ(platform::OleString(pText->vValue.bstrVal), OLESTR("Custom Text"));
    FreeCustomFieldEntry(pText);
    FreeCustomFieldEntry(pSequence);
}

}  // namespace
