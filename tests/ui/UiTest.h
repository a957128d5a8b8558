// What every GUI test shares: message boxes, modal dialogs and shell opens are recorded instead
// of shown or started, the settings start from scratch, and no window may be left behind.
#pragma once

#include "main/engine/Apputil.h"
#include "main/MessageBox.h"
#include "main/ModalDialog.h"
#include "platform/WinCompat.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QEvent>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

class UiTest : public ::testing::Test {
protected:
    void SetUp() override { std::memset(&AppSettings, 0, sizeof AppSettings); }

    void TearDown() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "a window was left open";
    }

    static std::string DataFolder()
    {
        return (testing_support::CurrentTestDataHome() / "corvane" / "Brindle").string() + "/";
    }
    static std::string IniPath() { return DataFolder() + "corvane.ini"; }
    static std::string LogPath() { return DataFolder() + "appdebug.log"; }

    static void WriteIni(const std::string& text)
    {
        std::filesystem::create_directories(DataFolder());
        std::ofstream(IniPath(), std::ios::binary) << text;
    }

    static std::string ReadFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    ui::MessageRecorder messages;
    platform::ShellCallRecorder shell;
    // Dialogs nobody answers close as by their close box; a test adds its own recorder to act.
    ui::ModalRecorder unansweredDialogs;
    // Questions nobody answers are cancelled, as by Escape; a test adds its own recorder to answer.
    ui::QuestionRecorder unansweredQuestions;
};
