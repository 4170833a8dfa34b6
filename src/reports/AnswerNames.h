#pragma once
// The names of the options in the output read by people (the web page): in
// the form the instructor typed the answer key in. The fixed-width reports
// keep their option numbers, and the options CSV its letters, which the
// spreadsheets built on it rely on.

#include <string>

namespace kor {

struct TTestData;

// How the answer key names the options, decided once for the whole data
// set so that every item reads alike: by letters when it names options by
// letters ("C") and nowhere by a digit, by "T" and "F" when every item is a
// true-false item keyed that way, and otherwise (digits, a key mixing digits
// and letters, right-wrong data) by the option numbers the reports show.
enum class AnswerForm { digits, letters, true_false };
AnswerForm answer_form(const TTestData& data);

// Option or key code `code` in `form`: "3", "C" or "T". A code that names no
// option (a key of 9, which counts every answer right) keeps its digit.
std::string answer_name(AnswerForm form, int code);

}  // namespace kor
