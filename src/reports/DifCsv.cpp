#include "reports/DifCsv.h"

#include <optional>

#include "core/Encoding.h"
#include "core/Format.h"
#include "reports/CsvResults.h"

namespace kor {

namespace {

// A spreadsheet sorts and filters these, so they keep more decimals than
// the web page shows.
constexpr int figure_decimals = 3;
constexpr int p_decimals = 4;

std::string figure_cell(const std::optional<double>& value, int decimals) {
    return value ? fixed(*value, decimals) : std::string();
}

}  // namespace

std::string favoured_group(const MhFigures& figures) {
    if (!figures.d_dif || *figures.d_dif == 0.0) {
        return {};
    }
    return *figures.d_dif < 0.0 ? "reference" : "focal";
}

std::vector<std::string> dif_csv_lines(const DifResults& dif) {
    std::vector<std::string> lines{"item,alpha_mh,d_dif,chi_square,p,class,favours,reason"};
    for (const DifItem& item : dif.items) {
        const MhFigures& f = item.figures;
        lines.push_back(utf8_from_latin1(csv_row(
            {whole(item.item), figure_cell(f.alpha, figure_decimals),
             figure_cell(f.d_dif, figure_decimals), figure_cell(f.chi_square, figure_decimals),
             figure_cell(f.p, p_decimals), f.ets_class, favoured_group(f), csv_cell(f.reason)})));
    }
    return lines;
}

}  // namespace kor
