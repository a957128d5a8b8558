// The notes adapter's CSV field table and its conversions between item image and note
// record.
#include "OlDateTaskNoteSim.h"

#include "common/outlook/OlNoteUtil.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

using namespace adapter_test;

namespace {

TEST(OlNoteFields, TheTableHasItsEightRows)
{
    struct Row {
        unsigned nId;
        const char* szTitle;
        int nType;
        int nLength;
    };
    const Row rows[] = {
        {1, "Entry ID", 2, 1024}, {2, "Saved", 1, 4},    {3, "Color", 1, 4},
        {4, "Subject", 2, 256},   {5, "Body", 2, 20480}, {6, "Category", 2, 256},
        {7, "Creation Time", 4, 8}, {8, "Last Modification Time", 4, 8},
    };
    ASSERT_EQ(OlNoteUtil::GetFieldCount(), 8);
    for (const Row& row : rows) {
        const CsvFieldEntry* pDef = OlNoteUtil::GetFieldDef(row.nId);
        ASSERT_NE(pDef, nullptr) << row.nId;
        EXPECT_EQ(pDef->nId, static_cast<int>(row.nId));
        EXPECT_STREQ(pDef->szName, row.szTitle);
        EXPECT_EQ(pDef->nType, row.nType) << row.szTitle;
        EXPECT_EQ(pDef->nLength, row.nLength) << row.szTitle;
        EXPECT_EQ(pDef->vValue.vt, VT_EMPTY) << row.szTitle;
    }
    EXPECT_EQ(OlNoteUtil::GetFieldDef(0), nullptr);
    EXPECT_EQ(OlNoteUtil::GetFieldDef(9), nullptr);
}

TEST(OlNoteFields, EachKindOfFieldHasItsCsvText)
{
    const auto pItem = std::make_unique<OlNoteItem>();
    std::strcpy(pItem->EntryID, "00000000AB");
    std::strcpy(pItem->Subject, "Shopping");
    pItem->Saved = true;
    pItem->Color = 4;
    pItem->CreationTime = DateOf(2004, 3, 15, 14, 5);
    struct Case {
        unsigned nId;
        const char* szText;
    };
    const Case cases[] = {
        {1, "00000000AB"}, {2, "1"}, {3, "4"}, {4, "Shopping"}, {5, ""}, {7, "03/15/2004 14:05:00"},
        {8, " 00:00:00"},  {0, ""},  {9, ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(OlNoteUtil::GetFieldText(pItem.get(), c.nId), c.szText) << "field " << c.nId;
    EXPECT_STREQ(OlNoteUtil::GetFieldText(nullptr, 4), "");
}

TEST(OlNoteFields, OnlySubjectBodyAndCategoryAreImported)
{
    const auto pRec = std::make_unique<CommNoteRec>();
    EXPECT_TRUE(OlNoteUtil::SetFieldText(4, "subject", pRec.get()));
    EXPECT_TRUE(OlNoteUtil::SetFieldText(5, "body", pRec.get()));
    EXPECT_TRUE(OlNoteUtil::SetFieldText(6, "category", pRec.get()));
    EXPECT_STREQ(pRec->szSubject, "subject");
    EXPECT_STREQ(pRec->szNote, "body");
    EXPECT_STREQ(pRec->szCategory, "category");

    const auto pEmpty = std::make_unique<CommNoteRec>();
    for (const unsigned nId : {0u, 1u, 2u, 3u, 7u, 8u, 9u, 10000u}) {
        const auto pOther = std::make_unique<CommNoteRec>();
        EXPECT_FALSE(OlNoteUtil::SetFieldText(nId, "3", pOther.get())) << nId;
        EXPECT_EQ(std::memcmp(pOther.get(), pEmpty.get(), sizeof(CommNoteRec)), 0) << nId;
    }
    EXPECT_FALSE(OlNoteUtil::SetFieldText(5, "body", nullptr));

    const std::string longBody(30000, 'b');
    ASSERT_TRUE(OlNoteUtil::SetFieldText(5, longBody.c_str(), pRec.get()));
    EXPECT_EQ(std::strlen(pRec->szNote), 20479u);
    const std::string longSubject(300, 's');
    ASSERT_TRUE(OlNoteUtil::SetFieldText(4, longSubject.c_str(), pRec.get()));
    EXPECT_EQ(std::strlen(pRec->szSubject), 255u);
}

TEST(OlNoteFields, ANoteReadsIntoARecordWithTheFirst30CharactersOfItsEntryId)
{
    const auto pItem = std::make_unique<OlNoteItem>();
    const std::string entryId = "000000001A2B3C4D5E6F708192A3B4C5D6E7F8091A2B3C4D";
    std::strcpy(pItem->EntryID, entryId.c_str());
    std::memset(pItem->Subject, 's', 255);
    std::memset(pItem->Body, 'b', 20479);
    std::memset(pItem->Categories, 'k', 255);
    pItem->Color = 3;
    pItem->Saved = true;
    pItem->CreationTime = DateOf(2004, 3, 15, 14, 5);
    pItem->LastModificationTime = DateOf(2004, 3, 16, 9, 0);

    const auto pRec = std::make_unique<CommNoteRec>();
    ASSERT_TRUE(OlNoteUtil::ItemToRecord(pItem.get(), pRec.get()));
    EXPECT_EQ(std::string(pRec->szId), entryId.substr(0, 30));
    EXPECT_EQ(std::strlen(pRec->szSubject), 254u);
    EXPECT_EQ(std::strlen(pRec->szNote), 20478u);
    EXPECT_EQ(std::strlen(pRec->szCategory), 254u);
    EXPECT_EQ(pRec->nColor, 3);
    EXPECT_DOUBLE_EQ(pRec->dCreationTime, pItem->CreationTime);
    EXPECT_DOUBLE_EQ(pRec->dLastModificationTime, pItem->LastModificationTime);
    EXPECT_EQ(pRec->nSource, 3);
    EXPECT_EQ(pRec->nStatus, 0);
}

TEST(OlNoteFields, ARecordChangesOnlyTheImagesTextsAndColour)
{
    const auto pRec = std::make_unique<CommNoteRec>();
    std::memset(pRec->szSubject, 's', 255);
    std::memset(pRec->szNote, 'b', 20479);
    std::strcpy(pRec->szCategory, "Home");
    pRec->nColor = 1;
    pRec->dCreationTime = DateOf(2020, 1, 1);

    const auto pItem = std::make_unique<OlNoteItem>();
    std::strcpy(pItem->EntryID, "00000000AB");
    std::strcpy(pItem->FolderName, "Notes");
    pItem->CreationTime = DateOf(2004, 3, 15, 14, 5);
    pItem->Saved = true;
    ASSERT_TRUE(OlNoteUtil::RecordToItem(pRec.get(), pItem.get()));
    EXPECT_EQ(std::strlen(pItem->Subject), 254u);
    EXPECT_EQ(std::strlen(pItem->Body), 20478u);
    EXPECT_STREQ(pItem->Categories, "Home");
    EXPECT_EQ(pItem->Color, 1);
    EXPECT_STREQ(pItem->EntryID, "00000000AB");
    EXPECT_STREQ(pItem->FolderName, "Notes");
    EXPECT_DOUBLE_EQ(pItem->CreationTime, DateOf(2004, 3, 15, 14, 5));
    EXPECT_TRUE(pItem->Saved);
}

}  // namespace
