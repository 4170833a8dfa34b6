#pragma once
// The problem-item dialog `TProbForm` ("Set Criteria for Problem Items"):
// the five thresholds by which the quick item analysis suggests problem
// items, and whether it suggests them at all.

#include "app/forms/ProblemItemForm.h"
#include "ui/DialogParts.h"

class QCheckBox;

namespace kor::ui {

class AppController;

class ProblemItemDialog : public RepeatedDialog {
    Q_OBJECT
  public:
    ProblemItemDialog(AppController& controller, QWidget* parent);

    // "Set Criteria for Problem Items".
    void run();

  protected:
    // The boxes keep what they show; the thresholds stay as they are.
    void cancelStep() override { pullForm(); }

  private:
    void pushForm();
    void pullForm();
    // A button that changes the boxes through the model.
    template <typename Step>
    void onButton(const char* name, Step step);

    AppController& controller_;
    QCheckBox* chk_suggest_ = nullptr;
};

}  // namespace kor::ui
