// An edit field of the editing panel.
//
// It tells the window when it receives the focus. Its typing limit applies to what the user types
// or pastes, never to a text the program sets, so a catalog's 32-character name is shown whole.
// A digits-only field refuses other keys (a pasted text still arrives and is screened by the
// window, as typed text is).
#pragma once

#include <QLineEdit>

namespace sheetwise {

class EditField final : public QLineEdit {
    Q_OBJECT

  public:
    explicit EditField(bool digitsOnly, QWidget* parent = nullptr);

    void SetTypingLimit(int limit);

  signals:
    void FocusReceived();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool digitsOnly_;
};

}  // namespace sheetwise
