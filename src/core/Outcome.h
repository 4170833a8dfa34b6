#pragma once
// The result of a command that checks what the user typed: every message box
// it showed, in order, whether it refused (then with the control that takes
// the focus), and the files it wrote.

#include <string>
#include <utility>
#include <vector>

namespace kor {

struct Outcome {
    bool refused = false;
    std::vector<std::string> messages;  // message boxes, in the order shown
    std::string focus;                  // control name that takes the focus; empty for none
    std::vector<std::string> written;   // paths of the files written, in order
    // What the command changed, so that whatever shows it is shown anew:
    // the data set (or its editor texts), a setting, the results.
    struct Changed {
        bool data = false;
        bool settings = false;
        bool results = false;
    };
    Changed changed;

    // A message box that does not stop the command.
    void show(std::string text) { messages.push_back(std::move(text)); }

    // A message box that stops the command, with the control that takes the focus.
    void refuse(std::string text, std::string focus_control = {}) {
        messages.push_back(std::move(text));
        refused = true;
        focus = std::move(focus_control);
    }

    void wrote(std::string path) { written.push_back(std::move(path)); }

    // Takes over the messages and files of a step run on behalf of this command.
    void append(const Outcome& other) {
        messages.insert(messages.end(), other.messages.begin(), other.messages.end());
        written.insert(written.end(), other.written.begin(), other.written.end());
        changed.data = changed.data || other.changed.data;
        changed.settings = changed.settings || other.changed.settings;
        changed.results = changed.results || other.changed.results;
        if (other.refused && !refused) {
            refused = true;
            focus = other.focus;
        }
    }

    [[nodiscard]] bool accepted() const { return !refused; }
};

}  // namespace kor
