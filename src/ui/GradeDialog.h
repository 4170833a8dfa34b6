#pragma once
// The grade dialog `TGradeForm` ("Grade Percentages"): the grading scheme,
// the category labels and minimum percentages, and the scale file kept
// between runs ("kor.ini" in the working folder, or any ".ini" named).

#include "app/forms/GradeForm.h"
#include "ui/DialogParts.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace kor::ui {

class AppController;

class GradeDialog : public RepeatedDialog {
    Q_OBJECT
  public:
    GradeDialog(AppController& controller, QWidget* parent);

    // "Set Percentages for &Grades...": loads kor.ini when there is one and
    // shows the dialog until OK passes or it is cancelled.
    void run();

  protected:
    // The edits keep what they show; nothing is stored.
    void cancelStep() override { pullTexts(); }

  private:
    QWidget* buildSchemes();
    QWidget* buildRows();
    QWidget* buildButtons();
    void chooseScheme(GradeScheme scheme);
    void countEdited(const QString& text);
    void useProgramDefaults();
    void ok();
    void saveAsDefaults();
    void saveIniFile();
    void readIniFile();
    void pullTexts();
    void pushForm();
    void saveScale(const std::string& path);

    AppController& controller_;
    QRadioButton* schemes_[5] = {};  // by GradeScheme
    QLineEdit* labels_[max_grade_categories] = {};
    QLineEdit* percents_[max_grade_categories - 1] = {};
    QLineEdit* txt_num_cats_ = nullptr;
    QLabel* lbl_num_cats_ = nullptr;
    QLabel* lbl_set_ = nullptr;
    QWidget* heads_[2] = {};
};

}  // namespace kor::ui
