#include "ui/window/HelpWindow.h"

#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace sheetwise {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // Links to other sites open in the desktop's browser; the manual's own links stay here.
    browser_->setOpenExternalLinks(true);
    // Esc closes it, as it closes any window that only shows something.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    resize(720, 640);
}

bool HelpWindow::Show(const QString& manualPath, const QString& anchor) {
    const QFileInfo manual(manualPath);
    if (!manual.isFile() || !manual.isReadable())
        return false;
    QUrl url = QUrl::fromLocalFile(manual.absoluteFilePath());
    url.setFragment(anchor.isEmpty() ? QString() : anchor);
    browser_->setSource(url);
    setWindowTitle(browser_->documentTitle());
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace sheetwise
