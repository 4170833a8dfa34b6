// The web page of Sample Data #1 as a browser shows and prints it: headless
// Chromium takes a picture of the first screen, which must show something,
// and prints the page to PDF, which must give the summary, the table of
// items and one page per item section.

#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/Application.h"
#include "core/FileIO.h"
#include "core/analysis/Analysis.h"
#include "core/data/Loader.h"
#include "support/DataSets.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

namespace fs = std::filesystem;

// The browser's program on the search path, or nothing.
std::string chromium_path() {
    const char* path = std::getenv("PATH");
    std::string folders = path == nullptr ? "" : path;
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t colon = folders.find(':', start);
        const std::string folder =
            folders.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        if (!folder.empty()) {
            const fs::path candidate = fs::path(folder) / "chromium";
            std::error_code ignored;
            if (fs::is_regular_file(candidate, ignored)) {
                return candidate.string();
            }
        }
        if (colon == std::string::npos) {
            break;
        }
        start = colon + 1;
    }
    return {};
}

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (const char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

// Runs the browser headless on `page` with `action`, keeping its profile,
// caches and messages inside `folder`; a browser that hangs is stopped.
int run_chromium(const std::string& browser, const testing::TempFolder& folder,
                 const std::string& page, const std::string& action) {
    const std::string home = folder.file("home");
    fs::create_directories(home);
    const std::string command =
        "cd " + quoted(folder.path().string()) + " && HOME=" + quoted(home) +
        " XDG_CONFIG_HOME=" + quoted(home + "/config") +
        " XDG_CACHE_HOME=" + quoted(home + "/cache") + " timeout 120 " + quoted(browser) +
        " --headless --no-sandbox --disable-gpu --no-first-run --disable-breakpad "
        "--disable-extensions"
        " --hide-scrollbars --no-pdf-header-footer --user-data-dir=" +
        quoted(folder.file("profile")) + " " + action + " " + quoted("file://" + page) + " >" +
        quoted(folder.file("browser.log")) + " 2>&1";
    return std::system(command.c_str());
}

// The pages of a PDF: its page objects, told from the page tree ("/Pages").
int pdf_pages(const std::string& pdf) {
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1)) {
        pages += pdf.compare(at, 12, "/Type /Pages") == 0 ? 0 : 1;
    }
    return pages;
}

class BrowserReport : public ::testing::Test {
  protected:
    void SetUp() override {
        browser_ = chromium_path();
        if (browser_.empty()) {
            GTEST_SKIP() << "chromium is not installed (scripts/install-deps.sh installs it)";
        }
        auto state = testing::sample_set_1();
        ASSERT_FALSE(load_test_data(*state).refused);
        ASSERT_FALSE(run_analysis(*state).refused);
        included_ = state->data.num_included_items;
        Application app(std::move(state));
        page_ = folder_.file("report.html");
        const Outcome saved = app.save_html_report(page_);
        ASSERT_TRUE(saved.accepted()) << saved.messages.front();
    }

    std::string browser_;
    testing::TempFolder folder_;
    std::string page_;
    int included_ = 0;
};

TEST_F(BrowserReport, TheFirstScreenShowsThePage) {
    const std::string shot = folder_.file("first.png");
    ASSERT_EQ(run_chromium(browser_, folder_, page_,
                           "--window-size=1280,1600 --screenshot=" + quoted(shot)),
              0)
        << read_file(folder_.file("browser.log"), 1 << 20);
    const QImage image(QString::fromStdString(shot));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 1280);
    // Text, a card and a plot: many colours, and a good share of the screen not white.
    QSet<QRgb> colours;
    long long inked = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb pixel = image.pixel(x, y);
            colours.insert(pixel);
            inked += qGray(pixel) < 200 ? 1 : 0;
        }
    }
    const long long sampled = static_cast<long long>(image.width() / 2) * (image.height() / 2);
    EXPECT_GT(colours.size(), 20);
    EXPECT_GT(inked * 100, sampled);  // more than 1 %
}

TEST_F(BrowserReport, PrintsTheSummaryTheTableAndOnePagePerItem) {
    const std::string pdf = folder_.file("report.pdf");
    ASSERT_EQ(run_chromium(browser_, folder_, page_, "--print-to-pdf=" + quoted(pdf)), 0)
        << read_file(folder_.file("browser.log"), 1 << 20);
    ASSERT_EQ(included_, 47);
    // The summary (card, histogram, map) on one page, the table of the
    // items on one, then one page per item section.
    EXPECT_EQ(pdf_pages(read_file(pdf, 1 << 26)), 1 + 1 + included_);
}

}  // namespace
}  // namespace kor
