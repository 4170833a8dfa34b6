#include "ui/DialogAgain.h"

#include <QDialog>

#include "ui/ModalWindows.h"

namespace kor::ui {

bool DialogAgain::show() {
    accepted_ = false;
    dialog_again_ = true;
    while (dialog_again_) {
        // A window closed by its frame leaves the flag set; it counts as Cancel.
        if (ModalWindows::exec(dialog_) != QDialog::Accepted) {
            dialog_again_ = false;
        }
    }
    return accepted_;
}

void DialogAgain::ok(bool refused) {
    dialog_again_ = refused;
    accepted_ = !refused;
    dialog_.accept();
}

void DialogAgain::cancel() {
    dialog_again_ = false;
    accepted_ = false;
    dialog_.reject();
}

}  // namespace kor::ui
