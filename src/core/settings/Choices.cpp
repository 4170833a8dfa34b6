#include "core/settings/Choices.h"

#include <array>
#include <utility>

#include "core/Format.h"
#include "core/settings/AnalysisSettings.h"

namespace kor {

namespace {

template <typename Choice, std::size_t N>
using NameTable = std::array<std::pair<Choice, const char*>, N>;

constexpr NameTable<BandUnit, 4> band_unit_table{{
    {BandUnit::raw_scores, "raw"},
    {BandUnit::percentages, "percent"},
    {BandUnit::grade_letters, "letters"},
    {BandUnit::none, "none"},
}};

constexpr NameTable<ExamineeOrder, 3> examinee_order_table{{
    {ExamineeOrder::none, "none"},
    {ExamineeOrder::label, "label"},
    {ExamineeOrder::score, "score"},
}};

constexpr NameTable<ItemOrder, 5> item_order_table{{
    {ItemOrder::number, "number"},
    {ItemOrder::difficulty, "difficulty"},
    {ItemOrder::discrimination, "discrimination"},
    {ItemOrder::point_biserial, "pbis"},
    {ItemOrder::adjusted_point_biserial, "adjpbis"},
}};

constexpr NameTable<BandsError, 2> bands_error_table{{
    {BandsError::sem, "sem"},
    {BandsError::csem, "csem"},
}};

constexpr NameTable<NotReached, 2> not_reached_table{{
    {NotReached::wrong, "wrong"},
    {NotReached::exclude, "exclude"},
}};

template <typename Choice, std::size_t N>
const char* name_in(const NameTable<Choice, N>& table, Choice choice) {
    for (const auto& [value, name] : table) {
        if (value == choice) {
            return name;
        }
    }
    return "";
}

template <typename Choice, std::size_t N>
std::optional<Choice> choice_in(const NameTable<Choice, N>& table, std::string_view wanted) {
    for (const auto& [value, name] : table) {
        if (wanted == name) {
            return value;
        }
    }
    return std::nullopt;
}

template <typename Choice, std::size_t N>
std::vector<std::string> names_in(const NameTable<Choice, N>& table) {
    std::vector<std::string> names;
    for (const auto& entry : table) {
        names.emplace_back(entry.second);
    }
    return names;
}

}  // namespace

BandUnit band_unit_of(const AnalysisSettings& s) {
    if (s.band_use_raw)
        return BandUnit::raw_scores;
    if (s.band_use_percent)
        return BandUnit::percentages;
    if (s.band_use_letters)
        return BandUnit::grade_letters;
    return BandUnit::none;
}

ExamineeOrder examinee_order_of(const AnalysisSettings& s) {
    if (s.sort_exam_label)
        return ExamineeOrder::label;
    if (s.sort_exam_score)
        return ExamineeOrder::score;
    return ExamineeOrder::none;
}

ItemOrder item_order_of(const AnalysisSettings& s) {
    if (s.sort_item_diff)
        return ItemOrder::difficulty;
    if (s.sort_item_disc)
        return ItemOrder::discrimination;
    if (s.sort_item_pbis)
        return ItemOrder::point_biserial;
    if (s.sort_item_adjp)
        return ItemOrder::adjusted_point_biserial;
    return ItemOrder::number;
}

const char* name_of(BandUnit unit) {
    return name_in(band_unit_table, unit);
}
const char* name_of(ExamineeOrder order) {
    return name_in(examinee_order_table, order);
}
const char* name_of(ItemOrder order) {
    return name_in(item_order_table, order);
}

const char* name_of(BandsError error) {
    return name_in(bands_error_table, error);
}
const char* name_of(NotReached use) {
    return name_in(not_reached_table, use);
}

std::optional<BandUnit> band_unit_named(std::string_view name) {
    return choice_in(band_unit_table, name);
}
std::optional<ExamineeOrder> examinee_order_named(std::string_view name) {
    return choice_in(examinee_order_table, name);
}
std::optional<ItemOrder> item_order_named(std::string_view name) {
    return choice_in(item_order_table, name);
}

std::optional<BandsError> bands_error_named(std::string_view name) {
    return choice_in(bands_error_table, name);
}
std::optional<NotReached> not_reached_named(std::string_view name) {
    return choice_in(not_reached_table, name);
}

std::vector<std::string> band_unit_names() {
    return names_in(band_unit_table);
}
std::vector<std::string> examinee_order_names() {
    return names_in(examinee_order_table);
}
std::vector<std::string> item_order_names() {
    return names_in(item_order_table);
}

std::vector<std::string> bands_error_names() {
    return names_in(bands_error_table);
}
std::vector<std::string> not_reached_names() {
    return names_in(not_reached_table);
}

std::string ci_level_name(double level) {
    return fixed(level, 2);
}

std::vector<std::string> ci_level_names() {
    std::vector<std::string> names;
    for (const double level : ci_levels) {
        names.push_back(ci_level_name(level));
    }
    return names;
}

std::optional<double> ci_level_named(std::string_view name) {
    for (const double level : ci_levels) {
        if (name == ci_level_name(level)) {
            return level;
        }
    }
    return std::nullopt;
}

}  // namespace kor
