#pragma once
// The map of an exam handed out in versions: for every version, which
// master item each of its questions is, and (where the version prints the
// options in another order) which master option each of its options is.
// Read from a spreadsheet file with the header `version,question,
// master_item[,options]` and one row per question of each version.

#include <cstddef>
#include <string>
#include <vector>

#include "core/Outcome.h"

namespace kor {

// One question of a version.
struct MappedQuestion {
    int master_item = 0;  // counted from 1
    // For the version's options in order (A, B, C, ...), the master options
    // they are, as capital letters ("CADB": the version's A is the master's
    // C); empty when the version keeps the master's order.
    std::string options;
    int row = 0;  // the map's row, for messages
};

struct ExamVersion {
    std::string name;
    std::vector<MappedQuestion> questions;  // question q at index q - 1
    std::vector<std::size_t>
        question_of;  // by master item (index 0 = item 1): its question's index

    // A cell of question `question` (index) with its answer moved to the
    // master's options; anything but one answer among the question's
    // options is returned as it is.
    std::string answer_in_master(std::size_t question, const std::string& cell) const;
};

struct VersionsMap {
    std::string file_name;
    std::vector<ExamVersion> versions;  // in the order the map names them first

    // The version named `name` (as written, or in other capitals); null when
    // the map has none.
    const ExamVersion* find(const std::string& name) const;
    // "A, B and C".
    std::string names() const;
};

struct VersionsMapRead {
    Outcome outcome;
    VersionsMap map;
};

// Reads the map of `file_name` for a test of `items` items: every version
// needs one row for each question 1..items, each naming a different master
// item 1..items; an options cell must be a permutation of the first options
// (letters A-H or digits 1-8), the same number of them for a master item in
// every version. Each fault is refused with the map's row.
VersionsMapRead read_versions_map(std::string_view bytes, const std::string& file_name, int items);

// The option the master's `option` (1..8) is written as, in the style of
// `like`: a digit, a small or capital letter, or T and F.
char option_written_like(char like, int option);

}  // namespace kor
