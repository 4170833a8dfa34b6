#pragma once
// The Spearman-Brown calculator `TSpearmanForm` ("Spearman-Brown Prophecy
// Formula"): how many items the analysed test needs for a desired
// reliability. Its panel reads as one sentence with the answers in it.

#include <QDialog>

class QLabel;

namespace kor::ui {

class AppController;

class SpearmanBrownDialog : public QDialog {
    Q_OBJECT
  public:
    SpearmanBrownDialog(AppController& controller, QWidget* parent);

    // "&Spearman-Brown Prophecy": the analysed test's reliability and length,
    // the desired reliability .80, shown modally.
    void run();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* buildSentence();
    QWidget* buildFormula();
    void calculate();
    void pushForm();

    AppController& controller_;
    QLabel* lbl_more_fewer_ = nullptr;
    bool sized_ = false;
};

}  // namespace kor::ui
