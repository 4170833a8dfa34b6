#pragma once
// The group dialog `TDiscForm` ("Disrimination Percentages"): how large the
// upper and lower score groups are, as whole percentages.

#include "ui/DialogParts.h"

class QLineEdit;

namespace kor::ui {

class AppController;

class GroupDialog : public RepeatedDialog {
    Q_OBJECT
  public:
    GroupDialog(AppController& controller, QWidget* parent);

    // "Set &Percentages for Item Discrimination...".
    void run();

  private:
    void pushTexts();
    void pullTexts();
    void ok();

    AppController& controller_;
    QLineEdit* txt_disc_top_ = nullptr;
    QLineEdit* txt_disc_bottom_ = nullptr;
};

}  // namespace kor::ui
