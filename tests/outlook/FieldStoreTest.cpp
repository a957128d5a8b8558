// Every adapter's import tells a value it stored whole from one it had to cut, and cuts
// only before a whole UTF-8 character.
#include "common/outlook/OlAddrUtil.h"
#include "common/outlook/OlDateUtil.h"
#include "common/outlook/OlNoteUtil.h"
#include "common/outlook/OlTaskUtil.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace {

struct StoredText {
    TFieldStore result;
    std::string member;
};

struct TextField {
    const char* szWhat;
    std::size_t nMemberSize;
    // Stores the text into a new record of the adapter's kind and reads back the member.
    std::function<StoredText(const std::string&)> store;
};

template <class TRec, std::size_t N>
TextField Field(const char* szWhat, TFieldStore (*store)(unsigned, const char*, TRec*), unsigned nId,
                CHAR (TRec::*member)[N])
{
    return {szWhat, N, [=](const std::string& text) {
                const auto pRec = std::make_unique<TRec>();
                const TFieldStore result = store(nId, text.c_str(), pRec.get());
                return StoredText{result, (*pRec).*member};
            }};
}

TEST(FieldStore, AValueLongerThanItsFieldIsCutBeforeAWholeCharacterAndSaysSo)
{
    const TextField fields[] = {
        Field("contact last name", &OlAddrUtil::StoreFieldText, 47, &CommAddrRec::szLastName),
        Field("contact notes", &OlAddrUtil::StoreFieldText, 68, &CommAddrRec::szNote),
        Field("appointment subject", &OlDateUtil::StoreFieldText, 26, &CommDateRec::szDescription),
        Field("appointment note", &OlDateUtil::StoreFieldText, 28, &CommDateRec::szNote),
        Field("task notes", &OlTaskUtil::StoreFieldText, 1, &CommTaskRec::szNote),
        Field("note body", &OlNoteUtil::StoreFieldText, 5, &CommNoteRec::szNote),
    };
    const std::string euro = "\xE2\x82\xAC";
    for (const TextField& field : fields) {
        SCOPED_TRACE(field.szWhat);
        const std::size_t nFits = field.nMemberSize - 1;
        struct Case {
            std::string text;
            TFieldStore result;
            std::string member;
        };
        const Case cases[] = {
            {"", TFieldStore::Stored, ""},
            {std::string(nFits, 'a'), TFieldStore::Stored, std::string(nFits, 'a')},
            {std::string(nFits - 3, 'a') + euro, TFieldStore::Stored, std::string(nFits - 3, 'a') + euro},
            {std::string(nFits + 1, 'a'), TFieldStore::Cut, std::string(nFits, 'a')},
            // The euro sign would end one byte past the field: it goes whole.
            {std::string(nFits - 2, 'a') + euro, TFieldStore::Cut, std::string(nFits - 2, 'a')},
            {std::string(nFits - 1, 'a') + euro + "b", TFieldStore::Cut, std::string(nFits - 1, 'a')},
        };
        for (const Case& c : cases) {
            const StoredText stored = field.store(c.text);
            EXPECT_EQ(stored.result, c.result) << c.text.size() << " bytes";
            EXPECT_EQ(stored.member, c.member) << c.text.size() << " bytes";
        }
    }
}

TEST(FieldStore, FieldsAKindDoesNotImportStoreNothing)
{
    const auto pContact = std::make_unique<CommAddrRec>();
    const auto pTask = std::make_unique<CommTaskRec>();
    const auto pNote = std::make_unique<CommNoteRec>();
    const auto pAppointment = std::make_unique<CommDateRec>();
    EXPECT_EQ(OlAddrUtil::StoreFieldText(2, "12/24/1990", pContact.get()), TFieldStore::NotImported);
    EXPECT_EQ(OlTaskUtil::StoreFieldText(4, "12/24/1990", pTask.get()), TFieldStore::NotImported);
    EXPECT_EQ(OlNoteUtil::StoreFieldText(3, "2", pNote.get()), TFieldStore::NotImported);
    EXPECT_EQ(OlDateUtil::StoreFieldText(2, "2", pAppointment.get()), TFieldStore::NotImported);
    EXPECT_EQ(OlAddrUtil::StoreFieldText(47, "Baker", nullptr), TFieldStore::NotImported);
}

}  // namespace
