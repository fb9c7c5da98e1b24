// SessionPrompts for tests: records every notice and question, answers questions and file
// choices from scripts the test fills in. A question nobody scripted an answer for fails the
// test, so no question goes unnoticed.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "model/EditingSession.h"

namespace sheetwise::testing {

class ScriptedPrompts final : public SessionPrompts {
  public:
    void Tell(const Notice& notice) override { notices.push_back(notice); }

    Answer Ask(const Question& question) override {
        questions.push_back(question);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question " << static_cast<int>(question.kind) << ": "
                          << question.subject;
            return Answer::kCancel;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<std::u16string> ChooseFile(FileChoice choice,
                                             const std::string& folder) override {
        choices.push_back(choice);
        folders.push_back(folder);
        if (files.empty())
            return std::nullopt;  // cancelled
        std::u16string file = files.front();
        files.pop_front();
        return file;
    }

    // The message ids told since the last call, oldest first; forgets them.
    std::vector<int> TakeMessages() {
        std::vector<int> ids;
        for (const Notice& notice : notices)
            ids.push_back(notice.message);
        notices.clear();
        return ids;
    }

    // The last notice told or question asked; a test that expected one and got none fails
    // instead of crashing the run.
    Notice LastNotice() const { return Last(notices, "notice"); }
    Question LastQuestion() const { return Last(questions, "question"); }

    std::vector<Notice> notices;
    std::vector<Question> questions;
    std::vector<FileChoice> choices;
    std::vector<std::string> folders;  // where each choice was to start
    std::deque<Answer> answers;
    std::deque<std::u16string> files;

  private:
    template <typename T>
    static T Last(const std::vector<T>& told, const char* what) {
        if (!told.empty())
            return told.back();
        ADD_FAILURE() << "no " << what << " was given";
        return T{};
    }
};

}  // namespace sheetwise::testing
