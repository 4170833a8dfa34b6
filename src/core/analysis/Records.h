#pragma once
// The examinee and item records of an analysis. The loader writes the case
// number, the label and the item number; the analysis fills the rest.

#include <string>

#include "core/data/OneBased.h"
#include "core/data/TestData.h"

namespace kor {

struct Case_Record {
    int IDnum = 0;     // examinee number: position of the data line
    std::string Name;  // label: the first label_length characters of the data line
};

struct Item_Record {
    int ItemNum = 0;
};

struct AnalysisResults {
    OneBasedHeap<Case_Record, max_examinees_limit> examinee_records;
    OneBased<Item_Record, max_items> item_records;
};

}  // namespace kor
