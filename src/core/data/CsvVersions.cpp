#include "core/data/CsvVersions.h"

#include <map>
#include <set>

#include "core/Encoding.h"
#include "core/FileIO.h"
#include "core/data/Codes.h"
#include "core/data/CsvCells.h"
#include "core/data/CsvColumns.h"

namespace kor::csv {

namespace {

std::string version_cell_place(const PlanState& s, const CsvRow& row) {
    return "Row " + std::to_string(row.number) + ": the version cell (column " +
           s.column_label(*s.mapping.version_column) + ")";
}

// The version a row's version cell names; refused when it names none.
const ExamVersion* version_of_row(PlanState& s, std::size_t index, const std::string& what) {
    const CsvRow& row = s.row_at(index);
    const std::string name = s.cell(index, *s.mapping.version_column);
    if (name.empty()) {
        s.refuse_row(row.number, version_cell_place(s, row) + " is empty; " + what);
        return nullptr;
    }
    const ExamVersion* version = s.versions->find(name);
    if (version == nullptr) {
        s.refuse_row(row.number, version_cell_place(s, row) + " names version " + quoted(name) +
                                     ", which the versions map " + s.versions->file_name +
                                     " lacks (it has " + s.versions->names() + ")");
    }
    return version;
}

// A version's key as its own questions order it.
struct VersionKey {
    const ExamVersion* version;
    std::string key;
    std::string from;  // "row 2", "key file row 3"
};

std::string not_one_answer(const std::string& text) {
    return std::string("the key must be one response character (") + response_characters +
           ") for every question, but this cell " +
           (text.empty() ? "is empty" : "holds " + quoted(text));
}

bool add_version_key(PlanState& s, std::vector<VersionKey>& keys, VersionKey key, int row) {
    for (const VersionKey& other : keys) {
        if (other.version == key.version) {
            return s.refuse_row(row, "Both " + other.from + " and " + key.from +
                                         " hold the key of version " + key.version->name +
                                         "; keep one of them");
        }
    }
    keys.push_back(std::move(key));
    return true;
}

bool keys_from_rows(PlanState& s, std::vector<VersionKey>& keys) {
    for (std::size_t index : s.key_row_indexes) {
        const ExamVersion* version =
            version_of_row(s, index, "a key row must name the version it is the key of");
        if (version == nullptr) {
            return false;
        }
        const CsvRow& row = s.row_at(index);
        std::string key;
        for (std::size_t c : s.mapping.item_columns) {
            const std::string text = s.cell(index, c);
            if (!is_single_response(text)) {
                return s.refuse_row(row.number, s.at_cell(row, c) + not_one_answer(text));
            }
            key += text;
        }
        if (!add_version_key(s, keys, {version, key, "row " + std::to_string(row.number)},
                             row.number)) {
            return false;
        }
    }
    return true;
}

// One key row of a key file: the version's name in its first cell, then
// one answer per cell or the answers as one word; or laid out as the data,
// with the version in the version column.
bool key_of_file_row(PlanState& s, const CsvRow& row, std::vector<VersionKey>& keys) {
    const std::string in_file =
        "Key file " + s.options.key_file->name + ", row " + std::to_string(row.number) + ": ";
    const bool as_data = row.cells.size() == s.plan.table.columns;
    const std::size_t name_column = as_data ? *s.mapping.version_column : 0;
    const std::string name = trimmed(row.cells[name_column]);
    if (lower(name) == "version" || (as_data && name == s.column_header(name_column))) {
        return true;  // the header row
    }
    const ExamVersion* version = s.versions->find(name);
    if (version == nullptr) {
        return s.refuse(in_file + "the row must start with the version it is the key of, " +
                        "one of " + s.versions->names() + ", not " + quoted(name));
    }
    std::vector<std::string> answers;
    if (as_data) {
        for (std::size_t c : s.mapping.item_columns) {
            answers.push_back(trimmed(row.cells[c]));
        }
    } else if (row.cells.size() == 2 && trimmed(row.cells[1]).size() == s.item_count()) {
        for (char c : trimmed(row.cells[1])) {
            answers.emplace_back(1, c);
        }
    } else {
        for (std::size_t c = 1; c < row.cells.size(); ++c) {
            answers.push_back(trimmed(row.cells[c]));
        }
    }
    if (answers.size() != s.item_count()) {
        return s.refuse(in_file + "the key of version " + version->name + " has " +
                        std::to_string(answers.size()) + " answers, but the data have " +
                        std::to_string(s.item_count()) + " item columns");
    }
    std::string key;
    for (const std::string& answer : answers) {
        if (!is_single_response(answer)) {
            return s.refuse(in_file + not_one_answer(answer));
        }
        key += answer;
    }
    return add_version_key(s, keys, {version, key, "key file row " + std::to_string(row.number)},
                           0);
}

bool keys_from_file(PlanState& s, std::vector<VersionKey>& keys) {
    const CsvNamedFile& file = *s.options.key_file;
    const FileBytes bytes = file_bytes(file.text);
    const CsvParse parse = parse_csv(bytes.text, detect_delimiter(bytes.text).value_or(','));
    if (parse.error) {
        return s.refuse("Key file " + file.name + ", " + lower_first(*parse.error));
    }
    for (const CsvRow& row : parse.rows) {
        if (!is_empty_row(row) && !key_of_file_row(s, row, keys)) {
            return false;
        }
    }
    if (keys.empty()) {
        return s.refuse("The key file " + file.name + " holds no key rows");
    }
    return true;
}

// "version B question 29 keys D (= master B)".
std::string keyed_as(const VersionKey& key, std::size_t question, char master) {
    const char written = key.key[question];
    std::string text = "version " + key.version->name + " question " +
                       std::to_string(question + 1) + " keys " + std::string(1, written);
    if (master != written) {
        text += " (= master " + std::string(1, master) + ")";
    }
    return text;
}

// The master key where every version's key agrees through the map; one
// line per master item where they do not.
bool master_key_of(PlanState& s, const std::vector<VersionKey>& keys) {
    std::string master(s.item_count(), ' ');
    std::vector<std::string> disagreements;
    for (std::size_t item = 0; item < s.item_count(); ++item) {
        std::vector<std::string> parts;
        std::vector<char> masters;
        for (const VersionKey& key : keys) {
            const std::size_t question = key.version->question_of[item];
            const std::string in_master =
                key.version->answer_in_master(question, std::string(1, key.key[question]));
            masters.push_back(in_master[0]);
            parts.push_back(keyed_as(key, question, in_master[0]));
        }
        master[item] = masters.front();
        const auto same = [&](char c) {
            return response_code(c, highest_option) ==
                       response_code(masters.front(), highest_option) &&
                   (response_code(c, 2) == response_code(masters.front(), 2));
        };
        if (!std::all_of(masters.begin(), masters.end(), same)) {
            disagreements.push_back("Master item " + std::to_string(item + 1) + ": " +
                                    join(parts, ", "));
        }
    }
    if (!disagreements.empty()) {
        return s.refuse(
            "The versions' keys disagree through the versions map " + s.versions->file_name +
            " (one of each pair is a miskey, or the map is wrong):\n" + join(disagreements, "\n"));
    }
    s.mapping.key = master;
    return true;
}

void note_versions(PlanState& s, const std::vector<VersionKey>& keys) {
    for (const ExamVersion& version : s.versions->versions) {
        CsvVersion found{version.name, 0, {}, {}};
        for (const ExamVersion* of_student : s.student_versions) {
            found.students += of_student == &version ? 1 : 0;
        }
        for (const VersionKey& key : keys) {
            if (key.version == &version) {
                found.key_from = key.from;
                found.key = key.key;
            }
        }
        s.mapping.versions.push_back(found);
    }
}

}  // namespace

bool check_version_choices(PlanState& s) {
    const bool column = !s.options.version_column.empty();
    if (column != s.options.versions_map.has_value()) {
        return s.refuse(column ? "--version-column needs the versions map (--versions FILE), "
                                 "which says which master item each version's question is"
                               : "--versions needs the column that names each student's "
                                 "version (--version-column COLUMN)");
    }
    return true;
}

namespace {

// The one column `flag` names, into `column`.
bool one_given_column(PlanState& s, const std::string& text, const std::string& flag,
                      std::optional<std::size_t>& column) {
    std::vector<std::size_t> columns;
    if (!given_columns(s, text, flag, false, columns)) {
        return false;
    }
    if (columns.size() != 1) {
        return s.refuse(flag + " names one column, not " + quoted(text));
    }
    column = columns.front();
    return true;
}

}  // namespace

bool choose_label_columns(PlanState& s) {
    if (!s.options.version_column.empty() &&
        !one_given_column(s, s.options.version_column, "--version-column",
                          s.mapping.version_column)) {
        return false;
    }
    return s.options.group_column.empty() ||
           one_given_column(s, s.options.group_column, "--group-column", s.mapping.group_column);
}

bool read_versions(PlanState& s) {
    if (!s.options.versions_map) {
        return true;
    }
    VersionsMapRead read =
        read_versions_map(s.options.versions_map->text, s.options.versions_map->name,
                          static_cast<int>(s.item_count()));
    if (read.outcome.refused) {
        s.plan.outcome.append(read.outcome);
        return false;
    }
    s.mapping.versions_map_name = read.map.file_name;
    s.versions = std::move(read.map);
    return true;
}

bool assign_versions(PlanState& s) {
    if (!s.versions) {
        return true;
    }
    for (std::size_t index : s.student_indexes) {
        const ExamVersion* version =
            version_of_row(s, index, "every student needs the version they wrote");
        if (version == nullptr) {
            return false;
        }
        s.student_versions.push_back(version);
    }
    std::vector<VersionKey> keys;
    if (s.options.key_file) {
        s.mapping.key_source = CsvKeySource::file;
        s.mapping.key_file_name = s.options.key_file->name;
        if (!keys_from_file(s, keys)) {
            return false;
        }
    } else if (!keys_from_rows(s, keys)) {
        return false;
    } else if (s.key_row_index) {
        s.mapping.key_source = CsvKeySource::row;
        s.mapping.key_row = s.row_at(*s.key_row_index).number;
        for (std::size_t index : s.key_row_indexes) {
            s.mapping.key_rows.push_back(s.row_at(index).number);
        }
    }
    if (!keys.empty() && !master_key_of(s, keys)) {
        return false;
    }
    note_versions(s, keys);
    return true;
}

bool assign_groups(PlanState& s) {
    if (!s.mapping.group_column) {
        return true;
    }
    std::set<std::string> names;
    for (std::size_t index : s.student_indexes) {
        const std::string group = one_line(s.cell(index, *s.mapping.group_column));
        s.student_groups.push_back(group);
        if (group.empty()) {
            s.mapping.rows_without_group.push_back(s.row_at(index).number);
        } else {
            names.insert(group);
        }
    }
    s.mapping.groups.assign(names.begin(), names.end());
    return true;
}

}  // namespace kor::csv
