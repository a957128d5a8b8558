// What the tests of the conversion pages share: the simulated Outlook registered for the
// test's own profile, the olsim tool's commands on it, records put into Outlook through the
// program's adapters, pauses recorded instead of waited for, and the conversion objects
// deleted after each test.
#pragma once

#include "UiTest.h"

#include "common/misc/CxList.h"
#include "main/engine/ConvObjects.h"
#include "main/FileDialog.h"
#include "main/Pause.h"
#include "olsim/OutlookSimulator.h"
#include "olsim/ToolCommands.h"

#include <QAbstractItemView>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <sstream>
#include <string>
#include <vector>

class WizardTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        olsim::RegisterOutlookSimulator();
    }

    void TearDown() override
    {
        DestroyConvObjects();
        olsim::UnregisterOutlookSimulator();
        UiTest::TearDown();
    }

    // Runs an olsim tool command on the test's profile and returns what it printed.
    static std::string Tool(const std::vector<std::string>& args)
    {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(olsim::RunTool(args, out, err), 0) << err.str();
        return out.str();
    }

    static std::string TempFile(const std::string& name)
    {
        return (testing_support::CurrentTestDataHome() / name).string();
    }

    static void WriteFile(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // The rows of any list, through its model: QTreeWidget lists and the record pages alike.
    static int RowCount(const QAbstractItemView* list) { return list->model()->rowCount(); }

    static QString CellText(const QAbstractItemView* list, int nRow, int nColumn = 0)
    {
        return list->model()->index(nRow, nColumn).data().toString();
    }

    static QStringList Captions(const QAbstractItemView* list, int nColumn = 0)
    {
        QStringList captions;
        for (int nRow = 0; nRow < RowCount(list); ++nRow)
            captions << CellText(list, nRow, nColumn);
        return captions;
    }

    static QString ColumnCaption(const QAbstractItemView* list, int nColumn)
    {
        return list->model()->headerData(nColumn, Qt::Horizontal).toString();
    }

    static Qt::CheckState RowCheck(const QAbstractItemView* list, int nRow)
    {
        return static_cast<Qt::CheckState>(list->model()->index(nRow, 0).data(Qt::CheckStateRole).toInt());
    }

    // As a click on the row's check box would.
    static void SetRowCheck(QAbstractItemView* list, int nRow, Qt::CheckState state)
    {
        list->model()->setData(list->model()->index(nRow, 0), state, Qt::CheckStateRole);
    }

    // What the row stands for: its record, or the object a QTreeWidget item refers to.
    static void* RowData(const QAbstractItemView* list, int nRow)
    {
        return reinterpret_cast<void*>(list->model()->index(nRow, 0).data(Qt::UserRole).value<quintptr>());
    }

    static std::vector<void*> ListItems(CxList& list)
    {
        std::vector<void*> items;
        for (void* pItem = list.GetFirst(); pItem != nullptr; pItem = list.GetNext())
            items.push_back(pItem);
        return items;
    }

    ui::PauseRecorder pauses;
    ui::FileDialogRecorder fileDialogs;
};
