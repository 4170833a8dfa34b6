#include "core/data/VersionsMap.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

#include "core/Encoding.h"
#include "core/TextUtil.h"
#include "core/data/Codes.h"
#include "core/data/CsvReader.h"

namespace kor {

namespace {

constexpr int most_options = 8;

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string lowered(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// The columns of the map's header row.
struct MapColumns {
    std::size_t version = 0;
    std::size_t question = 0;
    std::size_t master_item = 0;
    std::optional<std::size_t> options;
};

std::optional<std::size_t> column_named(const CsvRow& header, const std::string& name) {
    for (std::size_t c = 0; c < header.cells.size(); ++c) {
        std::string cell = lowered(trimmed(header.cells[c]));
        std::replace(cell.begin(), cell.end(), ' ', '_');
        if (cell == name) {
            return c;
        }
    }
    return std::nullopt;
}

// Reads the map row by row; `refuse` records the first fault.
class MapReader {
  public:
    MapReader(const std::string& file_name, int items) : items_(items) {
        read_.map.file_name = file_name;
    }

    VersionsMapRead run(std::string_view bytes) {
        const FileBytes text = file_bytes(bytes);
        const CsvParse parse = parse_csv(text.text, detect_delimiter(text.text).value_or(','));
        if (parse.error) {
            refuse(0, *parse.error);
        } else if (read_rows(parse.rows, text.utf8)) {
            check_versions_complete();
        }
        return std::move(read_);
    }

  private:
    bool refuse(int row, const std::string& what) {
        read_.outcome.refuse("Versions map " + read_.map.file_name +
                             (row != 0 ? ", row " + std::to_string(row) : std::string()) + ": " +
                             what);
        return false;
    }

    bool read_rows(const std::vector<CsvRow>& rows, bool utf8) {
        std::vector<const CsvRow*> filled;
        for (const CsvRow& row : rows) {
            if (!is_empty_row(row)) {
                filled.push_back(&row);
            }
        }
        if (filled.empty()) {
            return refuse(0, "the file is empty");
        }
        if (!read_header(*filled.front())) {
            return false;
        }
        for (std::size_t k = 1; k < filled.size(); ++k) {
            if (!read_row(*filled[k], utf8)) {
                return false;
            }
        }
        if (read_.map.versions.empty()) {
            return refuse(0, "the file holds no rows below its header");
        }
        return true;
    }

    bool read_header(const CsvRow& header) {
        const auto version = column_named(header, "version");
        const auto question = column_named(header, "question");
        const auto master = column_named(header, "master_item");
        if (!version || !question || !master) {
            return refuse(header.number,
                          "the header row must name the columns version, question and "
                          "master_item (and, where the options are in another order, options)");
        }
        columns_ = MapColumns{*version, *question, *master, column_named(header, "options")};
        return true;
    }

    std::string cell(const CsvRow& row, std::size_t column) const {
        return column < row.cells.size() ? trimmed(row.cells[column]) : std::string();
    }

    bool read_row(const CsvRow& row, bool utf8) {
        std::string name = cell(row, columns_.version);
        if (utf8) {
            ConvertedPart part = single_byte_part(name, BeyondLatin1::refuse);
            if (!part.refusal.empty()) {
                return refuse(row.number, "the version " + part.refusal);
            }
            name = part.text;
        }
        if (name.empty()) {
            return refuse(row.number, "the version cell is empty");
        }
        ExamVersion& version = version_named(name);
        const std::optional<int> question = whole_number(row, columns_.question, "question");
        const std::optional<int> master = whole_number(row, columns_.master_item, "master_item");
        if (!question || !master) {
            return false;
        }
        if (*question < 1 || *question > items_) {
            return refuse(row.number, "question " + std::to_string(*question) +
                                          " is outside version " + version.name + "'s " +
                                          std::to_string(items_) + " items");
        }
        if (*master < 1 || *master > items_) {
            return refuse(row.number, "master item " + std::to_string(*master) +
                                          " is outside the test's " + std::to_string(items_) +
                                          " items");
        }
        MappedQuestion& slot = version.questions[static_cast<std::size_t>(*question - 1)];
        if (slot.row != 0) {
            return refuse(row.number, "version " + version.name + " question " +
                                          std::to_string(*question) + " is given twice (rows " +
                                          std::to_string(slot.row) + " and " +
                                          std::to_string(row.number) + ")");
        }
        for (const MappedQuestion& other : version.questions) {
            if (other.row != 0 && other.master_item == *master) {
                return refuse(row.number, "version " + version.name + " uses master item " +
                                              std::to_string(*master) + " twice (rows " +
                                              std::to_string(other.row) + " and " +
                                              std::to_string(row.number) + ")");
            }
        }
        slot = MappedQuestion{*master, {}, row.number};
        return !columns_.options || read_options(row, version.name, *question, slot);
    }

    ExamVersion& version_named(const std::string& name) {
        for (ExamVersion& version : read_.map.versions) {
            if (version.name == name) {
                return version;
            }
        }
        ExamVersion version;
        version.name = name;
        version.questions.resize(static_cast<std::size_t>(items_));
        read_.map.versions.push_back(std::move(version));
        return read_.map.versions.back();
    }

    std::optional<int> whole_number(const CsvRow& row, std::size_t column, const char* what) {
        const std::string text = cell(row, column);
        const std::optional<int> number = parse_int(text);
        if (!number) {
            refuse(row.number, std::string("the ") + what + " cell " +
                                   (text.empty() ? "is empty" : "holds \"" + text + "\"") +
                                   ", not a whole number");
        }
        return number;
    }

    // A permutation of the first options, as letters or digits.
    bool read_options(const CsvRow& row, const std::string& version, int question,
                      MappedQuestion& slot) {
        const std::string text = upper(cell(row, *columns_.options));
        if (text.empty()) {
            return true;
        }
        std::string letters;
        std::vector<bool> seen(most_options + 1, false);
        const int count = static_cast<int>(text.size());
        for (char c : text) {
            const int option = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                               : (c >= 'A' && c <= 'H')                    ? c - 'A' + 1
                                                                           : 0;
            if (count < 2 || count > most_options || option < 1 || option > count ||
                seen[static_cast<std::size_t>(option)]) {
                const std::string last(1, static_cast<char>('A' + std::clamp(count, 2, 8) - 1));
                return refuse(row.number, "the options \"" + cell(row, *columns_.options) +
                                              "\" of version " + version + " question " +
                                              std::to_string(question) +
                                              " are not a permutation of the options A-" + last +
                                              ": each of the item's options once, in the order "
                                              "the version prints them");
            }
            seen[static_cast<std::size_t>(option)] = true;
            letters += static_cast<char>('A' + option - 1);
        }
        slot.options = letters;
        return check_option_counts(row, version, slot);
    }

    // A master item has the same number of options in every version.
    bool check_option_counts(const CsvRow& row, const std::string& version,
                             const MappedQuestion& slot) {
        const auto [seen, inserted] =
            option_counts_.try_emplace(slot.master_item, OptionCount{slot.options.size(), version});
        if (!inserted && seen->second.count != slot.options.size()) {
            return refuse(row.number, "version " + version + " gives master item " +
                                          std::to_string(slot.master_item) + " " +
                                          std::to_string(slot.options.size()) +
                                          " options, version " + seen->second.version + " " +
                                          std::to_string(seen->second.count));
        }
        return true;
    }

    // Every version has a row for each question; with as many rows as
    // items, each naming another master item, every master item is used.
    bool check_versions_complete() {
        for (ExamVersion& version : read_.map.versions) {
            version.question_of.assign(static_cast<std::size_t>(items_), 0);
            for (std::size_t q = 0; q < version.questions.size(); ++q) {
                if (version.questions[q].row == 0) {
                    std::vector<bool> used(static_cast<std::size_t>(items_) + 1, false);
                    for (const MappedQuestion& other : version.questions) {
                        used[static_cast<std::size_t>(other.master_item)] = true;
                    }
                    const auto unused = std::find(used.begin() + 1, used.end(), false);
                    return refuse(0, "version " + version.name + " has no row for question " +
                                         std::to_string(q + 1) + ", so it never uses master item " +
                                         std::to_string(unused - used.begin()));
                }
                version
                    .question_of[static_cast<std::size_t>(version.questions[q].master_item - 1)] =
                    q;
            }
        }
        return true;
    }

    struct OptionCount {
        std::size_t count;
        std::string version;
    };

    int items_;
    MapColumns columns_;
    std::map<int, OptionCount> option_counts_;
    VersionsMapRead read_;
};

}  // namespace

char option_written_like(char like, int option) {
    const bool true_false = like == 'T' || like == 'F' || like == 't' || like == 'f';
    if (true_false && option <= 2) {
        const char letter = option == 1 ? 'T' : 'F';
        return std::islower(static_cast<unsigned char>(like)) ? static_cast<char>(letter + 32)
                                                              : letter;
    }
    if (std::isdigit(static_cast<unsigned char>(like))) {
        return static_cast<char>('0' + option);
    }
    const char base = std::islower(static_cast<unsigned char>(like)) ? 'a' : 'A';
    return static_cast<char>(base + option - 1);
}

std::string ExamVersion::answer_in_master(std::size_t question, const std::string& cell) const {
    const std::string& options = questions[question].options;
    if (options.empty() || cell.size() != 1) {
        return cell;
    }
    const int count = static_cast<int>(options.size());
    const std::uint8_t code = response_code(cell[0], count);
    if (code < 1 || code > count) {
        return cell;
    }
    return std::string(1, option_written_like(cell[0], options[code - 1] - 'A' + 1));
}

const ExamVersion* VersionsMap::find(const std::string& name) const {
    for (const bool exact : {true, false}) {
        for (const ExamVersion& version : versions) {
            if (exact ? version.name == name : lowered(version.name) == lowered(name)) {
                return &version;
            }
        }
    }
    return nullptr;
}

std::string VersionsMap::names() const {
    std::string text;
    for (std::size_t k = 0; k < versions.size(); ++k) {
        text += (k == 0 ? "" : k + 1 == versions.size() ? " and " : ", ") + versions[k].name;
    }
    return text;
}

VersionsMapRead read_versions_map(std::string_view bytes, const std::string& file_name, int items) {
    return MapReader(file_name, items).run(bytes);
}

}  // namespace kor
