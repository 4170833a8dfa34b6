#pragma once
// The alternative-answers dialog `TAnswerForm` ("Alternative Answers") of
// the data editor: for every item flagged "A" in the include line, up to
// eight more responses that are scored correct.

#include "ui/DialogParts.h"

class QTableWidget;

namespace kor::ui {

class AppController;

class AltAnswersDialog : public RepeatedDialog {
    Q_OBJECT
  public:
    AltAnswersDialog(AppController& controller, QWidget* parent);

    // Shows the table the editor's command prepared until OK passes or it is
    // cancelled.
    void run();

  private:
    void pushTable();
    void pullTable();
    void ok();

    AppController& controller_;
    QTableWidget* titlegrid_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

}  // namespace kor::ui
