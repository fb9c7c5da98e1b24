// The editor: one window on the catalog named on the command line, or on the default catalog.
#include <QApplication>
#include <QMessageBox>

#include "InformationOptions.h"
#include "model/DefaultCatalog.h"
#include "ui/resources/AcceleratorTableReader.h"
#include "ui/resources/DialogTemplateReader.h"
#include "ui/resources/MenuTemplateReader.h"
#include "ui/resources/ProgramStrings.h"
#include "ui/resources/ResourceIds.h"
#include "ui/window/MainDialog.h"
#include "ui/window/QtUserInterface.h"

namespace sheetwise {
namespace {

int Run(QApplication& application) {
    auto dialog = LoadDialogTemplate(resource_id::kMainDialog);
    auto menu = LoadMenuTemplate(resource_id::kMainMenu);
    auto accelerators = LoadAcceleratorTable(resource_id::kMainAccelerators);
    if (!dialog || !menu || !accelerators)
        return 0;  // the window cannot be created
    StartupEnvironment environment;
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        environment.catalogArgument = arguments[1].toStdU16String();
    environment.executablePath = RunningExecutablePath();
    QtUserInterface ui;
    MainDialog window(ui, std::move(*dialog), std::move(*menu), std::move(*accelerators),
                      ProgramStrings(), std::move(environment));
    QObject::connect(&window, &MainDialog::Closed, &application,
                     [](int commandId) { QCoreApplication::exit(commandId); });
    window.Initialise();
    if (window.closingCommand() != 0)
        return window.closingCommand();
    window.show();
    return application.exec();
}

}  // namespace
}  // namespace sheetwise

int main(int argc, char** argv) {
    // Before the application object, which needs a display and would take the option for a
    // catalog.
    if (const std::optional<int> status =
            sheetwise::AnswerInformationOption(argc, argv, stdout, stderr))
        return *status;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sheetwise"));
    QApplication::setOrganizationName(QStringLiteral("Korvane"));
    return sheetwise::Run(application);
}
