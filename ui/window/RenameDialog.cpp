#include "ui/window/RenameDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/widgets/EditField.h"

namespace sheetwise {

RenameDialog::RenameDialog(const NameRequest& request, QWidget* parent)
    : QDialog(parent), field_(new EditField(false, this)) {
    setWindowTitle(request.caption);
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(request.prompt, this);
    prompt->setBuddy(field_);
    layout->addWidget(prompt);
    if (request.limit > 0)
        field_->SetTypingLimit(request.limit);
    field_->setText(request.name);
    field_->selectAll();
    field_->setMinimumWidth(field_->fontMetrics().horizontalAdvance(QString(24, u'M')));
    layout->addWidget(field_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    field_->setFocus();
}

QString RenameDialog::name() const {
    return field_->text();
}

}  // namespace sheetwise
