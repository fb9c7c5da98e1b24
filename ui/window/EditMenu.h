// The Edit menu's commands beyond the editing panel's buttons: Undo and Redo, each named after
// the step it takes back or makes again ("Undo Delete Letter_Cover") and greyed when there is
// none; Rename, which asks the new name in a dialog of its own; Duplicate, which leaves the
// copy's name ready to be typed over. What they do is the session's.
#pragma once

#include <QString>
#include <functional>

#include "model/EditingSession.h"
#include "ui/window/UserInterface.h"

class QAction;
class QWidget;

namespace sheetwise {

class EditMenu {
  public:
    // label(id): a string-table text; item(id): the menu item of a command; control(id): a
    // control of the window.
    EditMenu(UserInterface& ui, QWidget& owner, EditingSession& session, SessionPrompts& prompts,
             std::function<QString(int id)> label, std::function<QAction*(int id)> item,
             std::function<QWidget*(int id)> control);

    // Undo, Redo, Rename and Duplicate; false for any other id.
    bool Dispatch(int id);
    // The items' texts and states, after everything else of the window is drawn.
    void Render();

  private:
    void Rename();
    void ShowHistoryItem(int commandId, const EditStep* step, int plainText, int namedText);

    UserInterface& ui_;
    QWidget& owner_;
    EditingSession& session_;
    SessionPrompts& prompts_;
    std::function<QString(int id)> label_;
    std::function<QAction*(int id)> item_;
    std::function<QWidget*(int id)> control_;
    // A copy was just made: once drawn, its name is to be typed over.
    bool nameReady_ = false;
};

}  // namespace sheetwise
