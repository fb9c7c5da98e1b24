// The editing session's messages, questions and file choices without a person to ask.
//
// Messages go to standard error in the editor's own words (its string table), with what the
// editor shows below them. Questions are answered by the command line: only --force says yes to
// replacing a file; the files chosen are the ones the arguments name, each given once, so that a
// command the editor would send back to its file dialog ends instead.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/Console.h"
#include "model/EditingSession.h"

namespace sheetwise::cli {

// What was told, as it was told, for the reports that list it (apply --json).
struct ToldNotice {
    int message = 0;  // the string-table id; 0 for what the tool itself says
    std::string text;
    bool error = true;
};

class ToolPrompts final : public SessionPrompts {
  public:
    ToolPrompts(Console& console, bool force) : console_(console), force_(force) {}

    // The file the next choice of this kind gets.
    void Give(FileChoice choice, std::u16string path) { files_[choice] = std::move(path); }

    void Tell(const Notice& notice) override;
    Answer Ask(const Question& question) override;
    std::optional<std::u16string> ChooseFile(FileChoice choice, const std::string& folder) override;

    // What the messages from now on are about ("office.cat: modify \"Letter\""): they say it
    // first. Empty: nothing.
    void SetContext(std::string context) { context_ = std::move(context); }

    // Whether anything was told, and whether an error was.
    bool toldAnything() const { return toldAnything_; }
    bool toldError() const { return toldError_; }
    // Everything told since the last TakeTold, oldest first; forgets it.
    std::vector<ToldNotice> TakeTold() { return std::exchange(told_, {}); }

  private:
    void Refuse(const std::string& why);
    void Report(ToldNotice notice);

    Console& console_;
    bool force_;
    std::map<FileChoice, std::u16string> files_;
    std::string context_;
    std::vector<ToldNotice> told_;
    bool toldAnything_ = false;
    bool toldError_ = false;
};

// The text of a string-table message, as the editor shows it.
std::string MessageTextOf(int id);

}  // namespace sheetwise::cli
