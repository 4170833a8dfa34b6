#pragma once
// The dialog `TDifForm` ("Differential Item Functioning"): which label
// columns hold each examinee's group, and which two groups are compared item
// by item. The groups listed are those the application finds in the labels;
// the application checks the columns and the choice and words every
// refusal, and the dialog stays open over a refusal.

#include <QDialog>
#include <string>

class QComboBox;
class QLineEdit;

namespace kor::ui {

class AppController;

class DifDialog : public QDialog {
    Q_OBJECT
  public:
    DifDialog(AppController& controller, QWidget* parent);

    // "Analysis > Differential Item Functioning...": shown modally; true
    // when OK set the groups to compare, for the analysis to run next.
    static bool choose(AppController& controller, QWidget* parent);

  private:
    void findGroups();
    void showGroups();
    static void selectName(QComboBox& box, const std::string& name, int fallback);
    void ok();

    AppController& controller_;
    QLineEdit* txt_group_label_ = nullptr;
    QComboBox* cmb_reference_ = nullptr;
    QComboBox* cmb_focal_ = nullptr;
};

}  // namespace kor::ui
