#pragma once
// `TSPSSform`: how a text file must look to be inserted into the data
// editor, with a sample and an SPSS syntax that writes such a file. Shown
// without blocking the window that opened it.

#include <QDialog>

class QPlainTextEdit;

namespace kor::ui {

class AppController;

class TextInsertHelpWindow : public QDialog {
    Q_OBJECT
  public:
    TextInsertHelpWindow(AppController& controller, QWidget* parent);

    // Shows the window with its syntax box scrolled to the beginning.
    void showFromStart();

  private:
    void saveSyntax();

    AppController& controller_;
    QPlainTextEdit* syntax_ = nullptr;
};

}  // namespace kor::ui
