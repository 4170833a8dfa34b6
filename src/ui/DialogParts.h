#pragma once
// What the settings dialogs and the editor's dialogs share: controls made
// with their object names, the colours of read-only and editable boxes, the
// order of the Tab key, a first size that fits the screen, and the base of a
// dialog that its command shows again while OK refuses.

#include <QColor>
#include <QDialog>
#include <QString>
#include <initializer_list>
#include <string>

#include "core/Outcome.h"
#include "ui/DialogAgain.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTableWidgetItem;

namespace kor::ui {

QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption);
QLineEdit* namedEdit(QWidget* parent, const char* name);
QLabel* namedLabel(QWidget* parent, const char* name, const QString& text);
QRadioButton* namedRadio(QWidget* parent, const char* name, const QString& caption);

// Boxes the user cannot type into are cream, the others white.
inline const QColor read_only_colour{255, 251, 240};
inline const QColor editable_colour{255, 255, 255};
void setEditable(QLineEdit& box, bool editable);
// A grid cell that shows a value the user does not type: cream and not editable.
void setReadOnlyCell(QTableWidgetItem& cell);

// A grid of small cells whose size hint shows all of them; where the window
// has less room it scrolls instead.
void setCompactGrid(QTableWidget& grid, int column_width);

// What is being typed into a cell of `grid` goes into the cell, as leaving
// the cell would put it there: a button pressed meanwhile reads it.
void commitTypedCell(QTableWidget& grid);

// The Tab key visits the named children of `window` in the given order.
void orderTabs(QWidget& window, std::initializer_list<const char*> names);

// The room a window may take of the screen: its free area less a panel and
// a title bar (1366 x 700 of a 1366 x 768 laptop screen).
QSize screenRoom(const QWidget& window);
// `wanted` as a window's first size, within that room.
void resizeWithinScreen(QWidget& window, QSize wanted);

// A first size for a window: what it asks for, within the screen's free
// area, placed over the window it was opened from.
void fitToScreen(QWidget& window);

// A dialog whose command shows it again while its OK refuses (the modal
// repeat of every settings dialog, through DialogAgain). OK shows the
// model's messages and puts the focus on the control the refusal names,
// also when the dialog comes back; Cancel, Escape and the close box run the
// dialog's cancel step.
class RepeatedDialog : public QDialog {
    Q_OBJECT
  public:
    explicit RepeatedDialog(QWidget* parent);

    // The command: true when OK passed.
    bool showUntilAccepted();

  protected:
    void answerOk(const Outcome& outcome);
    // What Cancel does to the program state; nothing by default.
    virtual void cancelStep() {}

    void showEvent(QShowEvent* event) override;
    void reject() override;

  private:
    DialogAgain again_{*this};
    std::string focus_on_show_;
    bool sized_ = false;
};

}  // namespace kor::ui
