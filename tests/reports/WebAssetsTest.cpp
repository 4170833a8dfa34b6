// The web page's style sheet and script are built in from their files: the
// program holds the files' texts exactly, the page carries them whole, and
// neither holds what would break the page as XML.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app/ProgramState.h"
#include "core/FileIO.h"
#include "core/analysis/Analysis.h"
#include "core/data/Loader.h"
#include "reports/HtmlReport.h"
#include "reports/WebAssets.h"
#include "support/DataSets.h"
#include "support/HtmlCheck.h"

namespace kor {
namespace {

// Text with LF line ends as the page file holds it, with CR LF.
std::string as_page_lines(std::string_view text) {
    std::string lines;
    for (const char c : text) {
        lines += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return lines;
}

TEST(WebAssets, AreTheirFilesTextsAndThePageCarriesThemWhole) {
    auto state = testing::sample_set_1();
    ASSERT_FALSE(load_test_data(*state).refused);
    ASSERT_FALSE(run_analysis(*state).refused);
    const std::string page = testing::joined(html_report_lines(*state));
    struct Asset {
        std::string_view file;
        std::string_view embedded;
        std::string_view open, close;  // the tags around it on the page
    };
    for (const Asset& asset : {
             Asset{"report.css", report_style_sheet, "<style>\n", "</style>\n"},
             Asset{"report.js", report_script, "<script>//<![CDATA[\n", "//]]></script>\n"},
         }) {
        SCOPED_TRACE(std::string(asset.file));
        const std::string path =
            std::string(KOR_SOURCE_DIR) + "/reports/web/" + std::string(asset.file);
        // A stale build, or a text the embedding step altered.
        EXPECT_EQ(asset.embedded, read_file(path, 1 << 20));
        // Its lines ended by LF alone, the last one too, so that the page's
        // lines give back the file.
        EXPECT_TRUE(asset.embedded.ends_with('\n'));
        EXPECT_EQ(asset.embedded.find('\r'), std::string_view::npos);
        EXPECT_NE(page.find(as_page_lines(std::string(asset.open) + std::string(asset.embedded) +
                                          std::string(asset.close))),
                  std::string::npos);
        // Markup characters would end the element early or break the XML.
        for (const std::string_view markup : {"<", "&", "]]>"}) {
            EXPECT_EQ(asset.embedded.find(markup), std::string_view::npos) << markup;
        }
    }
}

}  // namespace
}  // namespace kor
