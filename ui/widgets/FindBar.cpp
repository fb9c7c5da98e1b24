#include "ui/widgets/FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>

namespace sheetwise {

FindField::FindField(QWidget* parent) : QLineEdit(parent) {
    setProperty(kAnswersEscape, true);
    setClearButtonEnabled(true);
}

void FindField::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (text().isEmpty())
        emit Left();
    else
        clear();
    event->accept();
}

FindBar::FindBar(QWidget* parent)
    : QWidget(parent),
      label_(new QLabel(this)),
      field_(new FindField(this)),
      count_(new QLabel(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 0);
    label_->setBuddy(field_);
    layout->addWidget(label_);
    layout->addWidget(field_, 1);
    layout->addWidget(count_);
    count_->setMinimumWidth(
        count_->fontMetrics().horizontalAdvance(QStringLiteral("000000 of 000000 papers")));
    count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void FindBar::Focus() {
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
}

}  // namespace sheetwise
