#include "ui/NotYetAvailable.h"

#include "ui/MessageBoxes.h"

namespace kor::ui {

void showNotYetAvailable(QWidget* parent) {
    MessageBoxes::inform(parent, QString::fromLatin1(not_yet_available));
}

}  // namespace kor::ui
