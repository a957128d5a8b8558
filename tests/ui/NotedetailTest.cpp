#include "UiTest.h"

#include "main/Notedetail.h"
#include "records/CommNoteRec.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstring>
#include <memory>

namespace {

using NoteDetail = UiTest;

std::unique_ptr<CommNoteRec> NewNote()
{
    auto pRec = std::make_unique<CommNoteRec>();
    std::memset(pRec.get(), 0, sizeof(CommNoteRec));
    return pRec;
}

QString LabelOf(const QWidget& dialog, const QWidget* box)
{
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() == box)
            return label->text();
    return {};
}

TEST_F(NoteDetail, ShowsTheWholeNoteAndItsCategory)
{
    auto pRec = NewNote();
    std::strcpy(pRec->szCategory, "Ideas");
    const std::string text = "Shopping\r\n" + std::string(20000, 'x');
    std::strcpy(pRec->szNote, text.c_str());

    TfmNoteDetail dialog;
    EXPECT_TRUE(dialog.SetRecord(pRec.get()));
    EXPECT_EQ(dialog.windowTitle(), "Note detail information");
    EXPECT_EQ(dialog.btnClose->text(), "&Close");
    EXPECT_EQ(dialog.edtCategory->objectName(), "edtCategory");
    EXPECT_EQ(dialog.memNotes->objectName(), "memNotes");
    EXPECT_EQ(LabelOf(dialog, dialog.edtCategory), "Category:");
    EXPECT_EQ(LabelOf(dialog, dialog.memNotes), "Notes:");
    EXPECT_EQ(dialog.edtCategory->text(), "Ideas");
    EXPECT_EQ(dialog.memNotes->toPlainText(), QString::fromStdString("Shopping\n" + std::string(20000, 'x')));
}

TEST_F(NoteDetail, NothingTypedIsStored)
{
    auto pRec = NewNote();
    std::strcpy(pRec->szNote, "keep");
    const auto before = NewNote();
    std::memcpy(before.get(), pRec.get(), sizeof(CommNoteRec));

    TfmNoteDetail dialog;
    EXPECT_FALSE(dialog.UpdateDialog(false));
    dialog.SetRecord(pRec.get());
    ui::ModalRecorder recorder([](QDialog& shown) {
        auto& detail = dynamic_cast<TfmNoteDetail&>(shown);
        detail.memNotes->setPlainText("changed");
        detail.edtCategory->setText("other");
        EXPECT_TRUE(detail.UpdateDialog(true));
        detail.btnClose->click();
    });
    EXPECT_EQ(ExecModal(dialog), QDialog::Rejected);
    EXPECT_EQ(std::memcmp(pRec.get(), before.get(), sizeof(CommNoteRec)), 0);
}

}  // namespace
