#pragma once
// Runs a step that may fail in the file system; the failure becomes a
// refusal with the system's message.

#include <type_traits>

#include "core/FileIO.h"
#include "core/Outcome.h"

namespace kor {

// The outcome of a command, marked with what it changed.
inline Outcome changed_data(Outcome outcome) {
    outcome.changed.data = true;
    return outcome;
}
inline Outcome changed_settings(Outcome outcome) {
    outcome.changed.settings = true;
    return outcome;
}
inline Outcome changed_data_and_settings(Outcome outcome) {
    outcome.changed.data = true;
    outcome.changed.settings = true;
    return outcome;
}

// A step either returns its outcome or adds to the one it is given; a failure
// comes after what the step had added so far.
template <typename Step>
Outcome guarded(Step&& step) {
    Outcome outcome;
    try {
        if constexpr (std::is_invocable_v<Step&, Outcome&>) {
            step(outcome);
        } else {
            outcome = step();
        }
    } catch (const FileError& error) {
        outcome.refuse(error.what());
    }
    return outcome;
}

}  // namespace kor
