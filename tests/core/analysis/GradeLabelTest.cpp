// A record's grade label keeps its characters inside itself: each label
// reads back as it was set, however long a label it replaced, and joins
// the report texts as a text would.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/analysis/Records.h"

namespace kor {
namespace {

TEST(GradeLabel, ReadsBackEachLabelAsSetOverALongerOne) {
    for (const std::string text : {"", "F", "C-  ", "Pass", "ABCDEFG"}) {
        GradeLabel label = "LONGEST";
        label = text;
        EXPECT_EQ(label.view(), text);
        EXPECT_EQ(label.size(), text.size());
        EXPECT_EQ(label.empty(), text.empty());
        EXPECT_EQ(label, GradeLabel(text));
        EXPECT_EQ(label, text.c_str());
        EXPECT_EQ("(" + label + ")", "(" + text + ")");
        EXPECT_EQ(std::string("= ") + label, "= " + text);
        std::ostringstream shown;
        shown << label;
        EXPECT_EQ(shown.str(), text);
    }
    EXPECT_FALSE(GradeLabel("A") == GradeLabel("A "));
}

TEST(GradeLabel, RecordsWithTheSameLabelsAreEqual) {
    Case_Record first;
    first.Grade = "B+  ";
    first.Grade = "A";
    Case_Record second;
    second.Grade = "A";
    EXPECT_EQ(first, second);
    second.Plus1grade = "A-";
    EXPECT_NE(first, second);
    second.Plus1grade.clear();
    EXPECT_EQ(first, second);
}

}  // namespace
}  // namespace kor
