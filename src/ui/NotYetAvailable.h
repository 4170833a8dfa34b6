#pragma once
// Commands whose windows are still being built answer with one plain message.

class QWidget;

namespace kor::ui {

inline constexpr const char* not_yet_available = "This command is not yet available.";

void showNotYetAvailable(QWidget* parent);

}  // namespace kor::ui
