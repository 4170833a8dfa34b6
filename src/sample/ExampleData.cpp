#include "sample/ExampleData.h"

#include <cstddef>
#include <cstdio>

namespace kor {

namespace {

// "Student 01" .. and the like, padded with blanks to the label length.
std::string numbered_label(const char* prefix, int number, std::size_t length) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%02d", prefix, number);
    std::string label(text);
    label.resize(length, ' ');
    return label;
}

std::string padded(std::string text, std::size_t length) {
    text.resize(length, ' ');
    return text;
}

std::vector<std::string> labelled(const std::vector<std::string>& labels,
                                  const std::vector<std::string>& responses) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < responses.size(); ++i) {
        lines.push_back(labels[i] + responses[i]);
    }
    return lines;
}

std::vector<std::string> students(int count, std::size_t length) {
    std::vector<std::string> labels;
    for (int i = 1; i <= count; ++i) {
        labels.push_back(numbered_label("Student ", i, length));
    }
    return labels;
}

// ---------------------------------------------------------------- set 1

const std::vector<std::string> set_1_names = {
    "Abernathy, Claire", "Baptiste, Marcus", "Chen, Lily",       "Delgado, Ramon",
    "Eriksen, Ingrid",   "Fitzgerald, Owen", "Gallagher, Nora",  "Hakimi, Samir",
    "Ivanova, Tatiana",  "Jablonski, Piotr", "Kowalczyk, Anna",  "Lindqvist, Erik",
    "Mbeki, Thandiwe",   "Nakamura, Kenji",  "O'Brien, Siobhan", "Petrakis, Nikos",
    "Quintero, Lucia",   "Rasmussen, Jonas", "Sullivan, Grace",  "Takahashi, Yumi",
    "Umarov, Timur",     "Vasquez, Elena",   "Whitfield, Harold"};

const std::vector<std::string> set_1_responses = {
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

ExampleTexts make_set_1() {
    ExampleTexts t;
    t.title = "Sample Data #1: 23, 23.0, 40.0, 33.0, 32.130, 4.839, 23.418, -0.043";
    t.comments = "-1.035, 47, 0.684, 0.229, 0.260, 0.697, 0.578, 2.665, 10, 34.0, 6, 27.";
    t.examinees = 23;
    t.items = 49;
    t.label_length = 22;
    t.key = "3441413131422221211124423331141331223441341314321";
    t.options = "4442444334422222222244444444442342244444444434423";
    t.include = "AYYYYYYYNYYYYYYAYYYYYYYYYYYYYYYYYYYYYYYYYYYYNYYYY";
    std::vector<std::string> labels;
    for (const std::string& name : set_1_names) {
        labels.push_back(padded(name, 22));
    }
    t.lines = labelled(labels, set_1_responses);
    return t;
}

// ---------------------------------------------------------------- set 2

ExampleTexts make_set_2() {
    ExampleTexts t;
    t.title = "Sample Data #2: 17, 33.0, 55.0, 52.0, 49.0, 6.362, 40.471, -1.132";
    t.comments = "0.199, 65, 0.754, 0.240, 0.286, 0.798, 0.713, 2.859, 6, 54.0, 4, 43.0";
    t.examinees = 17;
    t.items = 65;
    t.label_length = 16;
    t.key = "14433323434213312221214124222421424213114312214352233431413331412";
    t.options = "24454434444444443442224444444434434334444444444454444444444444442";
    t.include = std::string(65, 'Y');
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
    t.lines = labelled(students(17, 16), responses);
    return t;
}

// ---------------------------------------------------------------- set 3

ExampleTexts make_set_3() {
    ExampleTexts t;
    t.title = "Sample Data Set #3: 50, 16.0, 43.0, 32.5, 32.52, 5.818, 33.850, -0.345";
    t.comments = "-0.160, 46, 0.707, 0.317, 0.315, 0.794, 0.734, 2.642, 14, 37.0, 13, 28";
    t.examinees = 50;
    t.items = 46;
    t.label_length = 19;
    t.key = "1314422114431231122233121342324233434413343242";
    t.options = std::string(46, '4');
    t.include = std::string(46, 'Y');
    t.lines = {"ID #054 Student 01 1344421124424234221234121342342233124313211142"};
    const std::vector<std::string>& rest = set_3_supplied_lines();
    t.lines.insert(t.lines.end(), rest.begin(), rest.end());
    return t;
}

// ---------------------------------------------------------------- QXM

ExampleTexts make_qxm() {
    const ExampleTexts& set_1 = sample_set_1_texts();
    ExampleTexts t;
    t.title = "Sample Data Set #1: 23, 22.0, 42.0, 34.0, 33.261, 5.415, 29.323, -0.16";
    t.comments = "-0.807, 49, 0.679, 0.262, 0.271, 0.741, 0.649, 2.759, 8, 36.0, 6, 28.0";
    t.examinees = 23;
    t.items = 49;
    t.label_length = 20;
    t.key = "34414ACACA42Ff2abaTt24423CCAAD13312bcdda39131DCBA";
    t.options = set_1.options;
    t.include = set_1.include;
    t.lines = qxm_supplied_lines();
    return t;
}

// ---------------------------------------------------------------- RVW

std::string rvw_label(int number) {
    char text[32];
    std::snprintf(text, sizeof text, "Examinee%4d   ", number);
    return text;
}

ExampleTexts make_rvw() {
    ExampleTexts t;
    t.title = "Data for Biserial Example";
    t.comments = "Use to illustrate item discrimination characteristics";
    t.examinees = 200;
    t.items = 75;
    t.label_length = 15;
    t.key = std::string(75, '1');
    t.options = std::string(75, '2');
    t.lines = {rvw_label(1) +
               "010011111110000011001000000001011010000000111011000001010110000010101100000"};
    const std::vector<std::string>& rest = rvw_supplied_lines();
    t.lines.insert(t.lines.end(), rest.begin(), rest.end());
    return t;
}

// ---------------------------------------------------------------- four ways

const std::string four_way_key = "11112122221222211212";

const std::vector<std::string> four_way_numeric = {
    "11112122221122111212", "11112222211222211111", "11112122221222211212", "12212112221222221211",
    "11212122221222221211", "11212122111221111222", "11112122221222211112", "11212122212221122212",
    "21221222112221221212", "11112221221222221211", "11212122221222111212", "21222112221222221211",
    "11212112111122122111", "11212122211222211221", "11212122222222211211"};

const std::vector<std::string> four_way_mixture = {
    "11AT210BF21a0bt11fA2", "11AT20BF2110bf2at11A", "11AT210BF210bf2at01B", "1201BATF201bf20B1Fat",
    "112A0TBF201bf20B1Fat", "112A0TBF11a20t11Abf2", "11AT210BF210bf2at110", "112A0TBF210bf1a20BtF",
    "210B1F20ATbf210B1Fa2", "11AT20B1F210bf20aBt1", "112A0TBF201bf21at01B", "210BF1A20bTf20BF121a",
    "112A0T1B11atF210b1AT", "112A0TBF2110bf2at0B1", "112A0TBF20bf20B11Fat"};

// The numeric answers written with another pair of characters for 1 and 2.
std::string rewritten(const std::string& numeric, char one, char two) {
    std::string text = numeric;
    for (char& c : text) {
        c = c == '1' ? one : two;
    }
    return text;
}

// 1 where the answer is the key's, 0 elsewhere.
std::string right_wrong(const std::string& numeric) {
    std::string text = numeric;
    for (std::size_t j = 0; j < text.size(); ++j) {
        text[j] = numeric[j] == four_way_key[j] ? '1' : '0';
    }
    return text;
}

ExampleTexts make_four_way(FourWayCoding coding) {
    ExampleTexts t;
    t.title = "Sample True-False Data";
    t.examinees = 15;
    t.items = 20;
    t.label_length = 15;
    t.options = std::string(20, '2');
    t.include = std::string(20, 'Y');
    std::vector<std::string> responses;
    switch (coding) {
        case FourWayCoding::numeric:
            t.comments = "In paricular, note the Answer Key with 1 and 2";
            t.key = four_way_key;
            responses = four_way_numeric;
            break;
        case FourWayCoding::right_wrong:
            t.comments = "In paricular, note the Answer KEY with all ones (because 0 = wrong)";
            t.key = std::string(20, '1');
            for (const std::string& line : four_way_numeric) {
                responses.push_back(right_wrong(line));
            }
            break;
        case FourWayCoding::letter:
            t.comments = "In paricular, note the Answer Key with A and B";
            t.key = rewritten(four_way_key, 'A', 'B');
            for (const std::string& line : four_way_numeric) {
                responses.push_back(rewritten(line, 'A', 'B'));
            }
            break;
        case FourWayCoding::true_false:
            t.comments = "In paricular, note the Answer Key with T and F";
            t.key = rewritten(four_way_key, 'T', 'F');
            for (const std::string& line : four_way_numeric) {
                responses.push_back(rewritten(line, 'T', 'F'));
            }
            break;
        case FourWayCoding::mixture:
            t.title = "With 2 options ONLY, (1AaTt) are interchangeable, as are (20BbFf)";
            t.comments = "With more than 2 options, (Tt0) would be treated as missing, (Ff)=6";
            t.key = "1111210000ABbbBTtfTF";
            responses = four_way_mixture;
            break;
    }
    t.lines = labelled(students(15, 15), responses);
    return t;
}

}  // namespace

const ExampleTexts& sample_set_1_texts() {
    static const ExampleTexts texts = make_set_1();
    return texts;
}

const ExampleTexts& sample_set_2_texts() {
    static const ExampleTexts texts = make_set_2();
    return texts;
}

const ExampleTexts& sample_set_3_texts() {
    static const ExampleTexts texts = make_set_3();
    return texts;
}

const ExampleTexts& qxm_texts() {
    static const ExampleTexts texts = make_qxm();
    return texts;
}

const ExampleTexts& rvw_texts() {
    static const ExampleTexts texts = make_rvw();
    return texts;
}

const ExampleTexts& four_way_texts(FourWayCoding coding) {
    static const ExampleTexts numeric = make_four_way(FourWayCoding::numeric);
    static const ExampleTexts right = make_four_way(FourWayCoding::right_wrong);
    static const ExampleTexts letter = make_four_way(FourWayCoding::letter);
    static const ExampleTexts true_false = make_four_way(FourWayCoding::true_false);
    static const ExampleTexts mixture = make_four_way(FourWayCoding::mixture);
    switch (coding) {
        case FourWayCoding::numeric:
            return numeric;
        case FourWayCoding::right_wrong:
            return right;
        case FourWayCoding::letter:
            return letter;
        case FourWayCoding::true_false:
            return true_false;
        case FourWayCoding::mixture:
            return mixture;
    }
    return numeric;
}

}  // namespace kor
