#pragma once
// The result of a command that checks what the user typed: every message box
// it showed, in order, and whether it refused (then with the control that
// takes the focus).

#include <string>
#include <utility>
#include <vector>

namespace kor {

struct Outcome {
    bool refused = false;
    std::vector<std::string> messages;  // message boxes, in the order shown
    std::string focus;                  // control name that takes the focus; empty for none

    // A message box that does not stop the command.
    void show(std::string text) { messages.push_back(std::move(text)); }

    // A message box that stops the command, with the control that takes the focus.
    void refuse(std::string text, std::string focus_control = {}) {
        messages.push_back(std::move(text));
        refused = true;
        focus = std::move(focus_control);
    }

    // Takes over the messages of a step run on behalf of this command.
    void append(const Outcome& other) {
        messages.insert(messages.end(), other.messages.begin(), other.messages.end());
        if (other.refused && !refused) {
            refused = true;
            focus = other.focus;
        }
    }

    [[nodiscard]] bool accepted() const { return !refused; }
};

}  // namespace kor
