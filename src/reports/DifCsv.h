#pragma once
// The comparison of two groups for differential item functioning as a
// comma-separated file, and the one rule every writer of it (the CSV file,
// the JSON document, the web page) follows for the group an item favours.

#include <string>
#include <vector>

#include "core/analysis/Records.h"

namespace kor {

// "reference" where MH D-DIF is negative (the item is harder for focal
// examinees than for reference examinees of the same score), "focal" where
// it is positive; empty where it is 0 or cannot be computed.
std::string favoured_group(const MhFigures& figures);

// "item,alpha_mh,d_dif,chi_square,p,class,favours,reason", then one row per
// compared item in item order; a figure that cannot be computed, a missing
// class or reason, and an item that favours neither group are empty cells.
std::vector<std::string> dif_csv_lines(const DifResults& dif);

}  // namespace kor
