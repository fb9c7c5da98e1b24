// A UserInterface for tests: records every box, file dialog, name asked for, beep and help
// request, and answers questions, file dialogs and names from scripts the test fills in. A question
// nobody scripted an answer for fails the test, so no test blocks and no question goes unnoticed.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <deque>
#include <vector>

#include "ui/window/UserInterface.h"

namespace sheetwise::testing {

struct RecordedBox {
    QString caption;
    QString text;
    BoxIcon icon;
    BoxButtons buttons;
    QString details;
};

struct RecordedHelp {
    QString file;
    int command;
    int data;
};

class ScriptedUserInterface final : public UserInterface {
  public:
    BoxAnswer ShowBox(QWidget*, const QString& caption, const QString& text, BoxIcon icon,
                      BoxButtons buttons, const QString& details) override {
        boxes.push_back({caption, text, icon, buttons, details});
        if (buttons == BoxButtons::kOk)
            return BoxAnswer::kOk;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return buttons != BoxButtons::kYesNo ? BoxAnswer::kCancel : BoxAnswer::kNo;
        }
        const BoxAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString ChooseFile(QWidget*, const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        if (files.empty())
            return {};  // cancelled
        const QString file = files.front();
        files.pop_front();
        return file;
    }

    std::optional<QString> AskName(QWidget*, const NameRequest& request) override {
        nameRequests.push_back(request);
        if (names.empty())
            return std::nullopt;  // cancelled
        const QString name = names.front();
        names.pop_front();
        return name;
    }

    void Beep() override { ++beeps; }

    bool Waiting(QWidget*, const QString& text, const QString& details) override {
        waits.push_back(text + QStringLiteral(" | ") + details);
        return --waitsBeforeCancel > 0;
    }
    void EndWait() override { ++endedWaits; }

    bool Help(QWidget*, const QString& file, int command, int data) override {
        helpRequests.push_back({file, command, data});
        return false;
    }

    // The texts of the boxes shown so far, oldest first; forgets them.
    QStringList TakeTexts() {
        QStringList texts;
        for (const RecordedBox& box : boxes)
            texts << box.text;
        boxes.clear();
        return texts;
    }

    std::vector<RecordedBox> boxes;
    std::deque<BoxAnswer> answers;
    std::deque<QString> files;
    std::vector<FileDialogRequest> fileRequests;
    std::deque<QString> names;
    std::vector<NameRequest> nameRequests;
    std::vector<RecordedHelp> helpRequests;
    int beeps = 0;
    QStringList waits;
    int waitsBeforeCancel = 1000;  // Waiting answers Cancel when this reaches 0
    int endedWaits = 0;
};

}  // namespace sheetwise::testing
