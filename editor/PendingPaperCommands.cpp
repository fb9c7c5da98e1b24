// Paper and attribute value commands whose handlers are still being written.
#include "app/MainDialog.h"

namespace sheetwise {

void MainDialog::OnAdd() {}
void MainDialog::OnModify() {}
void MainDialog::OnDelete() {}
void MainDialog::DeleteSelectedPaper() {}
void MainDialog::OnDefaultPaper() {}
void MainDialog::OnPrecollated() {}
void MainDialog::OnModeButton(int) {}
void MainDialog::OnMoveUp() {}
void MainDialog::OnMoveDown() {}
void MainDialog::AddTypedAttributeValues() {}
void MainDialog::DeleteAttributeValue(int) {}

}  // namespace sheetwise
