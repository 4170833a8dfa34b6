#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "reports/JsonStream.h"

namespace kor {
namespace {

std::string written(const std::function<void(JsonStream&)>& write,
                    std::string_view newline = "\n") {
    StringSink sink;
    JsonStream json(sink, newline);
    write(json);
    json.finish();
    return sink.text;
}

// The layout: two blanks per level, one member or element per line, empty
// containers closed on the same line, the chosen line end after every line.
TEST(JsonStream, LaysOutNestedContainers) {
    const std::string text = written(
        [](JsonStream& json) {
            json.begin_object();
            json.key("a");
            json.whole(1);
            json.key("list");
            json.begin_array();
            json.whole(-2);
            json.begin_object();
            json.end_object();
            json.end_array();
            json.key("none");
            json.begin_array();
            json.end_array();
            json.end_object();
        },
        "\r\n");
    EXPECT_EQ(text,
              "{\r\n  \"a\": 1,\r\n  \"list\": [\r\n    -2,\r\n    {}\r\n  ],\r\n  \"none\": "
              "[]\r\n}\r\n");
}

// Reals read back as the same double and as reals; what is not finite is null.
TEST(JsonStream, WritesRealsInTheShortestFormThatReadsBack) {
    const std::string text = written([](JsonStream& json) {
        json.begin_array();
        for (const double value :
             {27.0, 0.2, -0.0, 1e-05, 100000.0, 1.0 / 3.0, 70.37253725372537, -1e300}) {
            json.real(value);
        }
        json.real(std::numeric_limits<double>::quiet_NaN());
        json.real(std::numeric_limits<double>::infinity());
        json.end_array();
    });
    EXPECT_NE(text.find("\n  27.0,\n  0.2,\n  0.0,\n"), std::string::npos) << text;
    const auto parsed = nlohmann::json::parse(text);
    const double expected[] = {27.0,  0.2, 0.0, 1e-05, 100000.0, 1.0 / 3.0, 70.37253725372537,
                               -1e300};
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        EXPECT_TRUE(parsed[k].is_number_float()) << k;
        EXPECT_EQ(parsed[k].get<double>(), expected[k]) << k;
    }
    EXPECT_TRUE(parsed[8].is_null());
    EXPECT_TRUE(parsed[9].is_null());
}

// Texts are Latin-1 inside the program and UTF-8 in the document, with
// quotes, backslashes and control characters escaped.
TEST(JsonStream, EscapesTextsAndWritesThemAsUtf8) {
    const std::string text = written([](JsonStream& json) {
        json.begin_object();
        json.key("label");
        json.text("M\xFCller \"A\"\\\t\x01");
        json.key("flags");
        json.begin_array();
        json.boolean(true);
        json.null();
        json.end_array();
        json.end_object();
    });
    EXPECT_NE(text.find("\"M\xC3\xBCller \\\"A\\\"\\\\\\t\\u0001\""), std::string::npos) << text;
    const auto parsed = nlohmann::json::parse(text);
    EXPECT_EQ(parsed["label"], "M\xC3\xBCller \"A\"\\\t\x01");
    EXPECT_EQ(parsed["flags"], nlohmann::json::array({true, nullptr}));
}

// A document far larger than the buffer reaches the sink whole and in order.
TEST(JsonStream, LongDocumentsPassThroughTheBufferWhole) {
    const std::string text = written([](JsonStream& json) {
        json.begin_array();
        for (int k = 0; k < 50000; ++k) {
            json.whole(k);
        }
        json.end_array();
    });
    const auto parsed = nlohmann::json::parse(text);
    ASSERT_EQ(parsed.size(), 50000u);
    EXPECT_EQ(parsed[0], 0);
    EXPECT_EQ(parsed[49999], 49999);
}

// Reals come back to the writer many times (the bands of every examinee with
// one score), and a deep document is indented past any short cut: each still
// reads exactly as its own value and level, over many buffers.
TEST(JsonStream, RepeatedRealsAndDeepLevelsKeepTheirTexts) {
    constexpr int depth = 24;
    std::vector<double> values;
    for (int k = 0; k < 30000; ++k) {
        values.push_back(k % 3 == 0 ? k / 7.0 : (k % 1500) * 0.01);
    }
    const std::string text = written([&values](JsonStream& json) {
        for (int level = 0; level < depth; ++level) {
            json.begin_array();
        }
        for (const double value : values) {
            json.real(value);
        }
        for (int level = 0; level < depth; ++level) {
            json.end_array();
        }
    });
    const std::string indent(2 * depth, ' ');
    std::string expected;
    for (std::size_t k = 0; k < values.size(); ++k) {
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, values[k]).ptr;
        std::string shown(digits, end);
        if (shown.find_first_of(".e") == std::string::npos) {
            shown += ".0";
        }
        expected += (k == 0 ? "\n" : ",\n") + indent + shown;
    }
    const std::size_t first = text.find('\n' + indent + '0');
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(text.substr(first, expected.size()), expected);
    EXPECT_EQ(nlohmann::json::parse(text).flatten().size(), values.size());
}

}  // namespace
}  // namespace kor
