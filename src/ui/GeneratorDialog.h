#pragma once
// The generator dialog `TGenForm` ("Data Generation Information") of the
// data editor: how many examinees and items to simulate, the seed of the
// random stream, the options per item, the difficulty of the exam and
// whether answers are numbers or letters.

#include "ui/DialogParts.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace kor::ui {

class AppController;

class GeneratorDialog : public RepeatedDialog {
    Q_OBJECT
  public:
    GeneratorDialog(AppController& controller, QWidget* parent);

    // The editor's "&Generate Data": the boxes as the editor's start mode
    // fills them, shown until Generate succeeds or Cancel is pressed.
    void run();

  protected:
    void cancelStep() override;

  private:
    QWidget* buildCounts();
    QWidget* buildOptions();
    QWidget* buildDifficulty();
    QWidget* buildCoding();
    void pushForm();
    void pullForm();
    void generate();

    AppController& controller_;
    QRadioButton* option_radios_[5] = {};      // by GenOptionChoice
    QRadioButton* difficulty_radios_[7] = {};  // by GenDifficulty
    QRadioButton* gen_num_ = nullptr;
    QRadioButton* gen_let_ = nullptr;
    QLabel* lbl_largen_ = nullptr;
};

}  // namespace kor::ui
