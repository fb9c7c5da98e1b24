// Commands whose handlers are still being written. Each returns without doing anything; Exit and
// Cancel close the window so the program can always be left.
#include <QContextMenuEvent>

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
bool MainDialog::ConfirmUnsavedChanges() {
    return false;
}
void MainDialog::NewCatalog() {}
void MainDialog::OpenCatalog() {}
void MainDialog::ImportCatalog() {}
void MainDialog::SaveCatalog() {}
void MainDialog::SaveCatalogAs() {}
void MainDialog::ExitProgram(int commandId) {
    CloseWindow(commandId);
}
void MainDialog::ComputeHelpPath() {}
void MainDialog::CreateWhatsThisMenu() {}
void MainDialog::ShowHelpTopics() {}
void MainDialog::ShowAbout() {}
void MainDialog::OnContextMenu(const QPoint&) {}
void MainDialog::OnHelpRequest() {}
void MainDialog::contextMenuEvent(QContextMenuEvent* event) {
    OnContextMenu(event->globalPos());
}

}  // namespace sheetwise
