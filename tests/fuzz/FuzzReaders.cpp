// libFuzzer entry points for every reader of outside input. Each target is
// this file built with KOR_FUZZ_TARGET set to one of the readers below; every
// input must be read (or refused with a message) without a crash, a hang, a
// sanitizer report or memory out of proportion to its size. Data the loader
// accepts goes on through the analysis and every report and file text, so
// odd but accepted data is exercised there too (checked builds stop when a
// value that is not a finite number reaches a report). One more target reads
// input files and checks that the data editor's conversions always lead back
// to the user's lines, and one plans spreadsheet imports with the choices the
// input's first byte names.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "app/Analyze.h"
#include "app/ProgramState.h"
#include "app/forms/EditorModel.h"
#include "app/forms/GradingScaleFile.h"
#include "app/forms/InputFileForms.h"
#include "core/data/Conversions.h"
#include "core/data/CsvImport.h"
#include "core/data/InputFile.h"
#include "core/data/Loader.h"
#include "core/data/TextImport.h"
#include "reports/Exports.h"
#include "reports/FullReport.h"
#include "reports/GradeReports.h"
#include "reports/ResultsFiles.h"
#include "reports/ViewerText.h"

namespace {

std::string_view as_text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Every input starts from the state the program starts with. A program state
// holds its examinee records at the full limit (several megabytes of mostly
// empty strings), so building or copying one per input would spend nearly the
// whole run on them. The kept state is reset by assigning a start-up copy of
// everything but the records; of the records, only those the last input can
// have written are set back: the loader, the analysis and the reports write
// records 1..num_examinees, and the count is set once per load and never
// lowered. Now and then every record is checked, so a change to that rule
// shows up as a finding instead of state leaking between inputs.
kor::ProgramState& fresh_state() {
    static const auto start = std::make_unique<kor::ProgramState>();
    static const auto state = std::make_unique<kor::ProgramState>();
    static const kor::Case_Record fresh_record;
    static unsigned runs = 0;

    auto& records = state->results.examinee_records;
    const auto written = static_cast<std::size_t>(std::max(state->data.num_examinees, 0));
    for (std::size_t i = 1; i <= std::min(written, records.size()); ++i) {
        records[i] = fresh_record;
    }
    if (++runs % 4096 == 0) {
        for (std::size_t i = 1; i <= records.size(); ++i) {
            if (!(records[i] == fresh_record)) {
                __builtin_trap();  // a record beyond num_examinees was written
            }
        }
    }

    auto kept = std::move(records);
    auto start_records = std::move(start->results.examinee_records);
    *state = *start;
    start->results.examinee_records = std::move(start_records);
    state->results.examinee_records = std::move(kept);
    return *state;
}

// Plain text brings only the data lines; the rest is typed as a user would
// after inserting it: the lines counted as examinees, no label, the first
// line's length as the item count and a key of option 1 for every item.
void fill_boxes_for_plain_text(kor::ProgramState& state) {
    kor::EditorTexts& editor = state.editor;
    kor::count_lines_as_examinees(state);
    const std::size_t first = editor.data_lines.empty() ? 0 : editor.data_lines.front().size();
    const std::size_t items = std::clamp<std::size_t>(first, 1, kor::max_items);
    editor.label_length = "0";
    editor.items = std::to_string(items);
    editor.answer_key = std::string(items, 'A');
}

// What "Close && Analyze" leads to: the loader, and when it accepts the data
// the analysis with every report, file text and grade report built from it.
void load_and_analyse(kor::ProgramState& state) {
    const kor::EditorCloseResult closed =
        kor::close_editor(state, kor::EditorExit::close_and_analyze);
    if (!closed.start_analysis) {
        return;
    }
    if (kor::analyze_and_report(state).refused) {
        return;
    }
    (void)kor::results_file_lines(state);
    (void)kor::exm_file_lines(state);
    (void)kor::itm_file_lines(state);
    (void)kor::opt_file_lines(state);
    (void)kor::item_stats_lines(state);
    (void)kor::alt_data_lines(state);
    (void)kor::quick_examinee_view(state, state.report_texts.examinees);
    (void)kor::quick_item_view(state, state.report_texts.items);
    (void)kor::quick_options_view(state);
    (void)kor::grade_report_file(state);
}

// The conversions rewrite the user's lines; their way back must give the
// lines as the user had them when the data were loaded (the load itself may
// fill or end the options box), whatever the data. A difference stops the run.
void convert_and_back(kor::ProgramState& state) {
    if (kor::load_test_data(state).refused) {
        return;
    }
    const kor::EditorTexts loaded = state.editor;
    kor::ConvertMenu menu;
    if (kor::convert_to_right_wrong(state, menu).refused) {
        __builtin_trap();  // the same lines loaded a moment ago
    }
    kor::convert_back_from_right_wrong(state, menu);
    if (!(state.editor == loaded)) {
        __builtin_trap();  // right-wrong and back changed the data
    }
    if (kor::convert_to_letters(state, menu).refused) {
        __builtin_trap();  // the same lines loaded a moment ago
    }
    kor::convert_back_to_original_lines(state, menu);
    if (!(state.editor == loaded)) {
        __builtin_trap();  // letters and back changed the data
    }
}

#if KOR_FUZZ_TARGET == 10
// The spreadsheet import's choices, from the bits of the input's first byte:
// the delimiter (detected, comma, semicolon or tab), the header (detected,
// given, none), short rows refused or filled, no key row, a key file, four
// options; from the second byte the item and id columns, a key row and a
// typed key. A key file is the text after the first NUL byte.
struct CsvFuzzInput {
    kor::CsvOptions options;
    std::string_view data;
};

CsvFuzzInput csv_fuzz_input(std::string_view contents) {
    CsvFuzzInput input;
    if (contents.size() < 2) {
        input.data = contents;
        return input;
    }
    const auto choices = static_cast<unsigned char>(contents[0]);
    const auto columns = static_cast<unsigned char>(contents[1]);
    input.data = contents.substr(2);
    kor::CsvOptions& options = input.options;
    constexpr char delimiters[] = {',', ';', '\t'};
    if ((choices & 3u) != 0) {
        options.delimiter = delimiters[(choices & 3u) - 1];
    }
    if ((choices >> 2 & 3u) != 0) {
        options.header = (choices >> 2 & 3u) == 1;
    }
    options.short_rows =
        (choices & 16u) != 0 ? kor::CsvShortRows::blank : kor::CsvShortRows::refuse;
    options.no_key_row = (choices & 32u) != 0;
    // Two NULs end the data of an exam in versions: a versions map follows,
    // for the version column B.
    const std::size_t map_at = input.data.find(std::string_view("\0\0", 2));
    if (map_at != std::string_view::npos) {
        options.version_column = "2";
        options.versions_map =
            kor::CsvNamedFile{"map.csv", std::string(input.data.substr(map_at + 2))};
        input.data = input.data.substr(0, map_at);
    }
    const std::size_t nul = input.data.find('\0');
    if ((choices & 64u) != 0 && nul != std::string_view::npos) {
        options.key_file = kor::CsvNamedFile{"key.csv", std::string(input.data.substr(nul + 1))};
        input.data = input.data.substr(0, nul);
    }
    static const char* const items[] = {"", "2-5", "Q1..Q4", "3", "5-2", "Q1"};
    static const char* const ids[] = {"", "1", "1,2", "ID", "9", "Q1"};
    options.items = items[(columns & 7u) % 6];
    options.ids = ids[(columns >> 3 & 7u) % 6];
    if ((columns & 64u) != 0) {
        options.key_row = 2;
    }
    if ((columns & 128u) != 0) {
        options.key = "ABCD";
    }
    if ((choices & 128u) != 0) {
        options.options = "4";
    }
    return input;
}

// Plans the import; a plan accepted fills the data editor, whose boxes the
// loader must then take as they are. (The analysis and the reports of loaded
// data are the other targets' part.)
void plan_and_load_csv(std::string_view contents) {
    const CsvFuzzInput input = csv_fuzz_input(contents);
    (void)kor::looks_like_csv(input.data);
    const kor::CsvPlan plan = kor::plan_csv_import(input.data, "fuzz.csv", input.options);
    if (plan.choices) {
        (void)kor::csv_preview_summary(*plan.choices, plan.table);
    }
    if (!plan.mapping) {
        if (!plan.outcome.refused || plan.outcome.messages.empty()) {
            __builtin_trap();  // neither a mapping nor a refusal
        }
        return;
    }
    (void)kor::csv_summary(*plan.mapping, plan.table);
    (void)kor::csv_preview_summary(*plan.mapping, plan.table);
    kor::ProgramState& state = fresh_state();
    kor::fill_editor_from_csv(state, *plan.mapping, "fuzz.csv");
    if (kor::load_test_data(state).refused) {
        __builtin_trap();  // the loader refuses boxes the import filled
    }
}
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view contents = as_text(data, size);
#if KOR_FUZZ_TARGET != 10
    kor::ProgramState& state = fresh_state();
#endif
#if KOR_FUZZ_TARGET == 1
    kor::read_input_text(state, contents, kor::InputLayout::version6);
    load_and_analyse(state);
#elif KOR_FUZZ_TARGET == 2
    kor::read_input_text(state, contents, kor::InputLayout::version5);
    load_and_analyse(state);
#elif KOR_FUZZ_TARGET == 3
    kor::read_input_text(state, contents, kor::InputLayout::version4);
    load_and_analyse(state);
#elif KOR_FUZZ_TARGET == 4
    kor::read_input_text(state, contents, kor::InputLayout::version3);
    load_and_analyse(state);
#elif KOR_FUZZ_TARGET == 5
    kor::load_scale_text(state, contents, true);
    kor::load_scale_text(state, contents, false);
#elif KOR_FUZZ_TARGET == 6
    kor::insert_text(state, "fuzz.txt", contents);
    fill_boxes_for_plain_text(state);
    load_and_analyse(state);
#elif KOR_FUZZ_TARGET == 7
    kor::insert_data_and_key_text(state, "fuzz.txt", contents);
    kor::count_lines_as_examinees(state);
    state.editor.label_length = "0";
    state.editor.items = std::to_string(state.editor.answer_key.size());
    load_and_analyse(state);
#elif KOR_FUZZ_TARGET == 8
    kor::insert_text(state, "fuzz.txt", contents);
    state.editor.items = "36";
    kor::import_testscore_data(state);
    load_and_analyse(state);
#elif KOR_FUZZ_TARGET == 9
    kor::read_input_text(state, contents, kor::InputLayout::version6);
    convert_and_back(state);
#elif KOR_FUZZ_TARGET == 10
    // A program state is made only for a plan accepted: a fresh one is costly.
    plan_and_load_csv(contents);
#else
#error "KOR_FUZZ_TARGET must name a reader"
#endif
    return 0;
}
