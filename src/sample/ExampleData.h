#pragma once
// The constant texts of the built-in examples: what each one types into the
// data editor's boxes and data window.

#include <string>
#include <vector>

namespace kor {

struct ExampleTexts {
    std::string title;
    std::string comments;
    int examinees = 0;
    int items = 0;
    int label_length = 0;
    std::string key;
    std::string options;
    std::string include;             // empty for an example that leaves the include line alone
    std::vector<std::string> lines;  // label, then one response per item
};

const ExampleTexts& sample_set_1_texts();
const ExampleTexts& sample_set_2_texts();
const ExampleTexts& sample_set_3_texts();
const ExampleTexts& qxm_texts();
const ExampleTexts& rvw_texts();

// The answer pattern shown four ways (five commands), in each of its codings.
enum class FourWayCoding { numeric, right_wrong, letter, true_false, mixture };
const ExampleTexts& four_way_texts(FourWayCoding coding);

// The data lines that the examples' description leaves to the program, made
// by tools/example-data: set 3 after its given first line, the whole QXM set
// (of which only the first answers are given), the RVW set after its given
// first line.
const std::vector<std::string>& set_3_supplied_lines();
const std::vector<std::string>& qxm_supplied_lines();
const std::vector<std::string>& rvw_supplied_lines();

}  // namespace kor
