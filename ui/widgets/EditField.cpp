#include "ui/widgets/EditField.h"

#include <QKeyEvent>
#include <QValidator>

namespace sheetwise {
namespace {

// Refuses an edit that would make the text longer than the limit. Qt does not validate texts set
// by the program, which is what keeps the limit to the user's own typing and pasting.
class LengthLimit final : public QValidator {
  public:
    LengthLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}
    State validate(QString& input, int&) const override {
        return input.size() <= limit_ ? Acceptable : Invalid;
    }

  private:
    int limit_;
};

}  // namespace

EditField::EditField(bool digitsOnly, QWidget* parent)
    : QLineEdit(parent), digitsOnly_(digitsOnly) {
    // A right click belongs to the window's "What's this" menu: Qt's own text menu would offer
    // shortcuts (Select All, Ctrl+A) that the window's accelerators take for other commands.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void EditField::SetTypingLimit(int limit) {
    delete validator();
    setValidator(limit > 0 ? new LengthLimit(limit, this) : nullptr);
}

void EditField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit FocusReceived();
}

void EditField::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.front().isPrint();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    const bool digit = text.size() == 1 && text.front() >= u'0' && text.front() <= u'9';
    if (digitsOnly_ && printable && !shortcut && !digit) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace sheetwise
