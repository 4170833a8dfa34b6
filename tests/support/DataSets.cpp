#include "support/DataSets.h"

#include <cstdio>

#include "core/data/AltAnswers.h"

namespace kor::testing {

namespace {

std::string label(const char* prefix, int number, std::size_t width) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%02d", prefix, number);
    std::string result(text);
    result.resize(width, ' ');
    return result;
}

std::vector<std::string> labelled(const char* prefix, std::size_t width,
                                  const std::vector<std::string>& responses) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < responses.size(); ++i) {
        lines.push_back(label(prefix, static_cast<int>(i + 1), width) + responses[i]);
    }
    return lines;
}

}  // namespace

void type_into(ProgramState& state, const TypedDataSet& set) {
    EditorTexts& e = state.editor;
    e.title = set.title;
    e.comments = set.comments;
    e.cases = std::to_string(set.lines.size());
    e.items = std::to_string(set.key.size());
    e.label_length = std::to_string(set.label_length);
    e.answer_key = set.key;
    e.options = set.options;
    e.include = set.include;
    e.data_lines = set.lines;
}

std::unique_ptr<ProgramState> typed(const TypedDataSet& set) {
    auto state = std::make_unique<ProgramState>();
    type_into(*state, set);
    return state;
}

std::unique_ptr<ProgramState> sample_set_1() {
    const std::vector<std::string> responses = {
        "3441413133322221222124122442132232223441342314321",
        "3321423133412222211114422332121132223441342214321",
        "3432413124421221112124423331132332123441323414321",
        "3231413112422222111124222442132131123442132111123",
        "3341413131411221111124211342141331143441311211311",
        "3131413131422221112124422332132132223411344214321",
        "3241413121412221121124322221111332223441321214321",
        "3231321221422222211234321322131121224114123432321",
        "3122413122411221211134422312131132123411131213221",
        "3441413132422221111124442342241332223441341314321",
        "3431423122412122112124423232132331123441313214321",
        "3132413231412221121131312142121331123441343214211",
        "3431423131112211211123422332131332223441343214311",
        "3231443121312221112124422332242111123412323311121",
        "3431413131422221112124423331131331123441311214321",
        "3311413112412221111121423332142332223441144221322",
        "3441443133322222111224412442131312223444421311121",
        "3241414132312221111124411332112231123441122213221",
        "3441413121412221111124422331141331123441344111322",
        "3341413131412221211124423332121232223241311214321",
        "1331424134112222112124322432121132223441123323221",
        "3441413121422221111134422422221231223412322211221",
        "3341413131422221111121422331121332223441313314321"};
    auto state =
        typed({.title = "Sample Data #1: 23, 23.0, 40.0, 33.0, 32.130, 4.839, 23.418, -0.043",
               .comments = "-1.035, 47, 0.684, 0.229, 0.260, 0.697, 0.578, 2.665, 10, 34.0, 6, 27.",
               .label_length = 22,
               .key = "3441413131422221211124423331141331223441341314321",
               .options = "4442444334422222222244444444442342244444444434423",
               .include = "AYYYYYYYNYYYYYYAYYYYYYYYYYYYYYYYYYYYYYYYYYYYNYYYY",
               .lines = labelled("Examinee number ", 22, responses)});
    // Item 1 also accepts 1, 2 and 4; item 16 also accepts 2.
    state->data.alt_answer_cells[1] = {"3", "1", "2", "4", "", "", "", "", ""};
    state->data.alt_answer_cells[16] = {"1", "2", "", "", "", "", "", "", ""};
    prepare_alt_answer_table(*state);
    alt_answers_ok(*state);
    state->settings.upper_group_percent_text = "33";
    state->settings.lower_group_percent_text = "27";
    return state;
}

std::unique_ptr<ProgramState> sample_set_2() {
    const std::vector<std::string> responses = {
        "14254223424213313221212124222421424213114312212352233431123121412",
        "24453333433214312211214324221421324213114332314353233431214133312",
        "14253322434213322222214121222424124213114312214352233431113321412",
        "14253323434213321221214224222421424313114312114353243431313141412",
        "14413322434213111222212224222421424213214214212352233431114132212",
        "14423323434213323222214314222421424213114312212353213431413231411",
        "14423323434213313222212324222421424213114212212152233431213133412",
        "14223323434213322221214221222421424213113214412353243431421131411",
        "14253323434213113222214224222421423213114332212351233433423131412",
        "14223322434214322222214324222421423213224212212341233431413141411",
        "14453322431124111242214211224111424213311222312353243211112121211",
        "14423323434213322232214224222421424213134312212352233431211131412",
        "14453322344113121221214224222421424223413233312312233441411122211",
        "14453323434213323232214124221421429213114313212342233431413331419",
        "14453333434313443232212324342121123213114312112352243431413124411",
        "14423323244233332231114234232131414323414212212222233421411423442",
        "14423323434213321221214324222421124213114312111452233431311231412"};
    auto state =
        typed({.title = "Sample Data #2: 17, 33.0, 55.0, 52.0, 49.0, 6.362, 40.471, -1.132",
               .comments = "0.199, 65, 0.754, 0.240, 0.286, 0.798, 0.713, 2.859, 6, 54.0, 4, 43.0",
               .label_length = 16,
               .key = "14433323434213312221214124222421424213114312214352233431413331412",
               .options = "24454434444444443442224444444434434334444444444454444444444444442",
               .include = std::string(65, 'Y'),
               .lines = labelled("Student ", 16, responses)});
    state->settings.upper_group_percent_text = "27";
    state->settings.lower_group_percent_text = "25";
    return state;
}

}  // namespace kor::testing
