#pragma once
// Runs a step that may fail in the file system; the failure becomes a
// refusal with the system's message.

#include "core/FileIO.h"
#include "core/Outcome.h"

namespace kor {

template <typename Step>
Outcome guarded(Step&& step) {
    try {
        return step();
    } catch (const FileError& error) {
        Outcome outcome;
        outcome.refuse(error.what());
        return outcome;
    }
}

}  // namespace kor
