// File, help and About commands whose handlers are still being written. Exit and Cancel close the
// window so the program can always be left.
#include <QContextMenuEvent>

#include "app/MainDialog.h"

namespace sheetwise {

bool MainDialog::ConfirmUnsavedChanges() { return false; }
void MainDialog::NewCatalog() {}
void MainDialog::OpenCatalog() {}
void MainDialog::ImportCatalog() {}
void MainDialog::SaveCatalog() {}
void MainDialog::SaveCatalogAs() {}
void MainDialog::ExitProgram(int commandId) { CloseWindow(commandId); }
void MainDialog::ComputeHelpPath() {}
void MainDialog::CreateWhatsThisMenu() {}
void MainDialog::ShowHelpTopics() {}
void MainDialog::ShowAbout() {}
void MainDialog::OnContextMenu(const QPoint&) {}
void MainDialog::OnHelpRequest() {}
void MainDialog::contextMenuEvent(QContextMenuEvent* event) { OnContextMenu(event->globalPos()); }

}  // namespace sheetwise
