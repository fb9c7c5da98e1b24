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

#include "cli/Console.h"
#include "model/EditingSession.h"

namespace sheetwise::cli {

class ToolPrompts final : public SessionPrompts {
  public:
    ToolPrompts(Console& console, bool force) : console_(console), force_(force) {}

    // The file the next choice of this kind gets.
    void Give(FileChoice choice, std::u16string path) { files_[choice] = std::move(path); }

    void Tell(const Notice& notice) override;
    Answer Ask(const Question& question) override;
    std::optional<std::u16string> ChooseFile(FileChoice choice, const std::string& folder) override;

    // Whether anything was told, and whether an error was.
    bool toldAnything() const { return toldAnything_; }
    bool toldError() const { return toldError_; }

  private:
    void Refuse(const std::string& why);

    Console& console_;
    bool force_;
    std::map<FileChoice, std::u16string> files_;
    bool toldAnything_ = false;
    bool toldError_ = false;
};

// The text of a string-table message, as the editor shows it.
std::string MessageTextOf(int id);

}  // namespace sheetwise::cli
