#pragma once
// Data sets for the tests, set up in the data editor as a user would type
// them; nothing is loaded or analysed yet.

#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"

namespace kor::testing {

// The editor's texts. The number of examinees is the number of lines and the
// number of items the length of the key; a text left empty stays empty in
// the editor (no options text, for example, lets the loader take its own).
// (Every member has its initializer so that a test names only the texts it needs.)
struct TypedDataSet {
    std::string title{};
    std::string comments{};
    int label_length = 0;
    std::string key{};
    std::string options{};
    std::string include{};
    std::vector<std::string> lines{};  // label and responses
};

std::unique_ptr<ProgramState> typed(const TypedDataSet& set);

// Types `set` into the editor of a state the test holds already.
void type_into(ProgramState& state, const TypedDataSet& set);

// Two small published data sets whose analysis results are known:
// 23 examinees, 49 items, items 9 and 45 excluded, items 1 and 16 with
// alternative answers, groups 33 and 27.
std::unique_ptr<ProgramState> sample_set_1();

// 17 examinees, 65 items, groups 27 and 25.
std::unique_ptr<ProgramState> sample_set_2();

}  // namespace kor::testing
