#pragma once
// The settings dialogs' "show again while refused": a command sets
// dialog_again and shows its dialog modally for as long as it stays set. The
// dialog's OK sets it when the input was refused, so the dialog comes back
// with the user's input still in it, and clears it when all was accepted;
// Cancel (and closing the window) clears it.

class QDialog;

namespace kor::ui {

class DialogAgain {
  public:
    explicit DialogAgain(QDialog& dialog) : dialog_(dialog) {}

    // The command: shows the dialog until its OK passes or it is cancelled.
    // Returns true when OK passed.
    bool show();

    // The dialog's OK after its own check, and its Cancel; both close it.
    void ok(bool refused);
    void cancel();

    bool again() const { return dialog_again_; }

  private:
    QDialog& dialog_;
    bool dialog_again_ = false;
    bool accepted_ = false;
};

}  // namespace kor::ui
