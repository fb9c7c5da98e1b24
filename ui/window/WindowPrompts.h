// The editing session's messages, questions and file choices as the window shows them: message
// boxes with the string table's texts, and the file dialogs.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "model/EditingSession.h"
#include "ui/window/UserInterface.h"

class QWidget;

namespace sheetwise {

class WindowPrompts final : public SessionPrompts {
  public:
    // text(id) gives a string-table text, empty when the table has none; owner: the window.
    WindowPrompts(UserInterface& ui, QWidget& owner, std::function<QString(int id)> text)
        : ui_(ui), owner_(owner), text_(std::move(text)) {}

    void Tell(const Notice& notice) override;
    Answer Ask(const Question& question) override;
    std::optional<std::u16string> ChooseFile(FileChoice choice, const std::string& folder) override;

  private:
    UserInterface& ui_;
    QWidget& owner_;
    std::function<QString(int id)> text_;
};

}  // namespace sheetwise
