// Everything the window asks of the person in front of it: message boxes, questions, file
// dialogs, the beep and the help system. The program shows real dialogs; tests put in a scripted
// implementation that records each box and gives the answers the test asks for, so no test ever
// waits on a modal dialog.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace sheetwise {

enum class BoxIcon { kNone, kExclamation, kQuestion };
// kOverwriteSaveAsCancel answers kYes for Overwrite and kNo for Save As.
enum class BoxButtons { kOk, kYesNo, kYesNoCancel, kOverwriteSaveAsCancel };
enum class BoxAnswer { kOk, kYes, kNo, kCancel };

struct FileDialogRequest {
    QString filter;            // Qt filter: "Description (*.cat);;All Files (*.*)"
    QString defaultExtension;  // added to a typed name without one
    bool save = false;         // a save dialog, which asks before overwriting
    QString directory;         // where the dialog opens; empty: Qt's choice
};

// A name asked for: the dialog's caption, the line above the field, the name the field starts
// with (selected, so that typing replaces it) and how many characters may be typed.
struct NameRequest {
    QString caption;
    QString prompt;
    QString name;
    int limit = 0;
};

class UserInterface {
  public:
    virtual ~UserInterface() = default;

    // `details` (may be empty) goes below the text: which file, and why.
    virtual BoxAnswer ShowBox(QWidget* owner, const QString& caption, const QString& text,
                              BoxIcon icon, BoxButtons buttons, const QString& details) = 0;
    // The chosen path, or an empty text when the dialog was cancelled.
    virtual QString ChooseFile(QWidget* owner, const FileDialogRequest& request) = 0;
    // The name typed, or nothing when the dialog was cancelled.
    virtual std::optional<QString> AskName(QWidget* owner, const NameRequest& request) = 0;
    virtual void Beep() = 0;
    // A wait the operator may end: shows (or keeps showing) the text with a Cancel button while
    // something else is waited for; false once the operator cancelled. EndWait takes it away.
    virtual bool Waiting(QWidget* owner, const QString& text, const QString& details) = 0;
    virtual void EndWait() = 0;
    // Asks the help system for a help file; false when there is no help system or it failed.
    // command 9 opens the file, command 8 shows the pop-up topic `data`.
    virtual bool Help(QWidget* owner, const QString& helpFile, int command, int data) = 0;
};

}  // namespace sheetwise
