// The help window: the operator's manual in a text browser of the program's own, so that help
// needs no web browser and no help system.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace sheetwise {

class HelpWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the manual at an anchor (empty: its beginning) and brings the window up; false when
    // the manual cannot be read.
    bool Show(const QString& manualPath, const QString& anchor);

    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

}  // namespace sheetwise
