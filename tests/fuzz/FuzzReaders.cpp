// libFuzzer entry points for every reader of outside input. Each target is
// this file built with KOR_FUZZ_TARGET set to one of the readers below; every
// input must be read (or refused with a message) without a crash, a hang, a
// sanitizer report or memory out of proportion to its size.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "core/VariablesUnit.h"
#include "core/data/InputFile.h"
#include "core/data/Loader.h"
#include "core/data/TextImport.h"
#include "core/settings/GradingScaleFile.h"

namespace {

std::string_view as_text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A file read into the editor is then loaded as "Close && Analyze" would.
void read_then_load(std::string_view contents, kor::InputLayout layout) {
    auto state = std::make_unique<kor::ProgramState>();
    kor::read_input_text(*state, contents, layout);
    kor::close_editor(*state, kor::EditorExit::close_and_analyze);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view contents = as_text(data, size);
#if KOR_FUZZ_TARGET == 1
    read_then_load(contents, kor::InputLayout::version6);
#elif KOR_FUZZ_TARGET == 2
    read_then_load(contents, kor::InputLayout::version5);
#elif KOR_FUZZ_TARGET == 3
    read_then_load(contents, kor::InputLayout::version4);
#elif KOR_FUZZ_TARGET == 4
    read_then_load(contents, kor::InputLayout::version3);
#elif KOR_FUZZ_TARGET == 5
    auto state = std::make_unique<kor::ProgramState>();
    kor::load_scale_text(*state, contents, true);
    kor::load_scale_text(*state, contents, false);
#elif KOR_FUZZ_TARGET == 6
    auto state = std::make_unique<kor::ProgramState>();
    kor::insert_text(*state, "fuzz.txt", contents);
    kor::close_editor(*state, kor::EditorExit::close_and_analyze);
#elif KOR_FUZZ_TARGET == 7
    auto state = std::make_unique<kor::ProgramState>();
    kor::insert_data_and_key_text(*state, "fuzz.txt", contents);
    kor::close_editor(*state, kor::EditorExit::close_and_analyze);
#elif KOR_FUZZ_TARGET == 8
    auto state = std::make_unique<kor::ProgramState>();
    kor::insert_text(*state, "fuzz.txt", contents);
    state->editor.txt_items = "36";
    kor::import_testscore_data(*state);
    kor::close_editor(*state, kor::EditorExit::close_and_analyze);
#else
#error "KOR_FUZZ_TARGET must name a reader"
#endif
    return 0;
}
