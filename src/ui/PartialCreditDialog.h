#pragma once
// The partial-credit dialog `TPCform` ("Partial Credit") of the data editor:
// switches partial credit on or off, sets the total possible partial-credit
// points and the points of each multiple-choice item.

#include <QDialog>
#include <string>

class QLineEdit;

namespace kor::ui {

class AppController;

class PartialCreditDialog : public QDialog {
    Q_OBJECT
  public:
    PartialCreditDialog(AppController& controller, QWidget* parent);

    // "Add/Remove Partial Credit or change MC point values...": the points in
    // force, shown modally. Returns the editor box that takes the focus
    // afterwards (OK puts the total at the end of the options line).
    std::string run();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void pushTexts();
    void pullTexts();
    void ok();
    void turnOff();

    AppController& controller_;
    QLineEdit* txt_pc_points_ = nullptr;
    QLineEdit* txt_mc_points_ = nullptr;
    std::string editor_focus_;
    bool sized_ = false;
};

}  // namespace kor::ui
