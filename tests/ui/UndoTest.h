// What the tests of undoing an import share: imports made through the real pages at moments
// the test sets, questions answered as the test chooses, items changed in Outlook behind
// the program's back, and the profile's listings compared without their modification times.
#pragma once

#include "WizardDriver.h"

#include "common/misc/DispCmd.h"
#include "common/outlook/OlItemAccess.h"
#include "main/engine/ImportJournal.h"
#include "main/engine/ItemKinds.h"
#include "main/MessageBox.h"

#include <functional>
#include <string>

class UndoTest : public WizardDriverTest {
protected:
    // Each import at its own minute of 14 March 2025, so that the runs' times can be told apart.
    static SYSTEMTIME At(WORD wHour, WORD wMinute) { return platform::MakeSystemTime(2025, 3, 14, wHour, wMinute); }

    // Imports the CSV text (a title row first) through pages 0 to 5, its columns placed by
    // their titles.
    void Import(int nFlag, const std::string& name, const std::string& csv)
    {
        const std::string file = TempFile(name);
        WriteFile(file, csv);
        if (wizard && Step() == 5)
            fmFinish->btnAnother->click();
        ChooseConversion(MODE_C2O, nFlag);
        SetFileOptions({file, '"', false, false});
        Next();
        Convert();
        ASSERT_EQ(Step(), 5);
    }

    // The items of a kind as the olsim tool lists them, without LastModificationTime, which
    // every write moves on, undo included.
    static QJsonArray Listing(const std::string& kind)
    {
        QJsonArray listing;
        for (const QJsonValue& item : Items(kind)) {
            QJsonObject object = item.toObject();
            object.remove("LastModificationTime");
            listing.append(object);
        }
        return listing;
    }

    // Changes the items of the kind that change picks, straight through Outlook's object model,
    // as another program would; returns how many it changed.
    static int ChangeItems(int nFlag, const std::function<bool(CDispCmd& item)>& change)
    {
        OlItemAccess outlook;
        OlObject items = outlook.FolderItems(FindItemKind(nFlag)->nFolder, nullptr);
        EXPECT_TRUE(items) << "Outlook cannot be reached";
        int nChanged = 0;
        if (items) {
            ForEachItem(*items, [&](CDispCmd& item) {
                if (change(item)) {
                    EXPECT_TRUE(SUCCEEDED(SaveItem(item)));
                    ++nChanged;
                }
                return true;
            });
        }
        return nChanged;
    }

    static std::string Text(CDispCmd& item, LPCOLESTR szProperty)
    {
        char szText[256] = "";
        item.GetString(szProperty, szText, sizeof szText);
        return szText;
    }

    std::vector<std::string> MessageTexts() const
    {
        std::vector<std::string> texts;
        for (const ui::ShownMessage& message : messages.Messages())
            texts.push_back(message.text.toStdString());
        return texts;
    }

    platform::ScopedClock clock{At(9, 30)};
    ui::QuestionRecorder questions;
};
