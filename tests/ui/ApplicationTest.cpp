#include "UiTest.h"

#include "main/Application.h"
#include "main/Main.h"

#include <stdexcept>

namespace {

using EscapedException = UiTest;

TEST_F(EscapedException, StandardExceptionsShowTheirMessageFirstOthersTheReportFirst)
{
    struct Case {
        std::exception_ptr error;
        bool withWindow;
        std::vector<std::string> order;
        QString text;
    } const cases[] = {
        {std::make_exception_ptr(std::runtime_error("disk full")), true, {"box", "report"}, "disk full"},
        {std::make_exception_ptr(42), true, {"report", "box"}, ""},
        {std::make_exception_ptr(std::logic_error("early")), false, {"box"}, "early"},
        {std::make_exception_ptr(42), false, {"box"}, ""},
    };
    for (const Case& c : cases) {
        std::unique_ptr<TfmMain> window = c.withWindow ? std::make_unique<TfmMain>() : nullptr;
        ui::MessageRecorder boxes;
        std::vector<std::string> order;
        std::size_t boxesBeforeReport = 0;
        ui::ModalRecorder dialogs([&](QDialog&) { boxesBeforeReport = boxes.Messages().size(); });

        ReportEscapedException(c.error, window.get());

        if (!dialogs.Dialogs().empty()) {
            EXPECT_EQ(dialogs.Dialogs()[0].className, "TfmDump");
            EXPECT_EQ(dialogs.Dialogs()[0].owner, window.get());
            order.push_back("report");
            order.insert(boxesBeforeReport ? order.end() - 1 : order.end(), "box");
        } else if (!boxes.Messages().empty()) {
            order.push_back("box");
        }
        EXPECT_EQ(order, c.order) << c.text.toStdString();
        ASSERT_EQ(boxes.Messages().size(), 1u);
        EXPECT_EQ(boxes.Messages()[0].text, c.text);
        EXPECT_EQ(boxes.Messages()[0].caption, "Brindle Converter");
        EXPECT_EQ(boxes.Messages()[0].icon, TMessageIcon::Error);
    }
}

}  // namespace
