// The find bar above a list: a label, the field the operator types a find text into, and a note
// of how many rows the text leaves.
//
// Esc in the field clears it, and in a field already empty hands the focus back; it never
// reaches the window, for which Esc would be Cancel. A window that offers keys to its own table
// before the focused control lets a control whose kAnswersEscape property is true have Esc.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace sheetwise {

// The property of a control that answers Esc itself.
inline constexpr const char* kAnswersEscape = "answersEscape";

class FindField final : public QLineEdit {
    Q_OBJECT

  public:
    explicit FindField(QWidget* parent = nullptr);

  signals:
    // Esc in the empty field: the operator is done finding.
    void Left();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class FindBar final : public QWidget {
    Q_OBJECT

  public:
    explicit FindBar(QWidget* parent = nullptr);

    FindField& field() { return *field_; }
    QString text() const { return field_->text(); }
    void SetLabel(const QString& label) { label_->setText(label); }
    void SetCount(const QString& count) { count_->setText(count); }
    QString count() const { return count_->text(); }
    // Focuses the field with its text selected, so that typing replaces it.
    void Focus();

  private:
    QLabel* label_;
    FindField* field_;
    QLabel* count_;
};

}  // namespace sheetwise
