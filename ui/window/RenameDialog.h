// The small dialog Rename asks the new name in: the paper's present name, ready to be typed
// over, with OK and Cancel.
#pragma once

#include <QDialog>

#include "ui/window/UserInterface.h"

namespace sheetwise {

class EditField;

class RenameDialog final : public QDialog {
    Q_OBJECT

  public:
    RenameDialog(const NameRequest& request, QWidget* parent = nullptr);

    QString name() const;
    EditField& field() { return *field_; }

  private:
    EditField* field_;
};

}  // namespace sheetwise
