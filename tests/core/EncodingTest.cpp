#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/Encoding.h"

namespace kor {
namespace {

const std::string bom = "\xEF\xBB\xBF";

struct Read {
    std::optional<std::string> text;
    Outcome outcome;
};

// Reads `bytes` both ways, as a view and as bytes given up, which must agree.
Read read(const std::string& bytes) {
    Read result;
    result.text = single_byte_text(std::string_view(bytes), result.outcome);
    Outcome given_up_outcome;
    std::string given_up = bytes;
    EXPECT_EQ(single_byte_text(std::move(given_up), given_up_outcome), result.text);
    EXPECT_EQ(given_up_outcome.refused, result.outcome.refused);
    EXPECT_EQ(given_up_outcome.messages, result.outcome.messages);
    return result;
}

TEST(SingleByteText, Utf8BecomesLatin1AndTheMarkIsDropped) {
    EXPECT_EQ(read("M\xC3\xBCller").text, "M\xFCller");
    EXPECT_EQ(read(bom + "M\xC3\xBCller\r\n").text, "M\xFCller\r\n");
    EXPECT_EQ(read(bom + "ABCD").text, "ABCD");
    EXPECT_EQ(read("\xC2\x80 \xC3\xBF").text, "\x80 \xFF");  // the two ends of Latin-1
    EXPECT_TRUE(read(bom).text->empty());
    // Files joined together carry the mark inside too; it shows nothing and goes.
    EXPECT_EQ(read(bom + "A\r\n" + bom + "M\xC3\xBCller").text, "A\r\nM\xFCller");
}

TEST(SingleByteText, TextThatIsNotUtf8IsKeptByteForByte) {
    const std::string latin1 = "M\xFCller\r\nS\xE9verine";
    EXPECT_EQ(read(latin1).text, latin1);
    // One byte that is not UTF-8 makes the whole text single-byte, also the
    // UTF-8-looking pairs and a character beyond Latin-1 before it.
    const std::string mixed =
        "M\xC3\xBCller \xC5\x81"
        "od\xFC";
    EXPECT_EQ(read(mixed).text, mixed);
    // Overlong forms, surrogates and cut sequences are not UTF-8.
    for (const std::string not_utf8 :
         {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "ab\xC3", "\xBC"}) {
        Read result = read(not_utf8);
        EXPECT_EQ(result.text, not_utf8);
        EXPECT_TRUE(result.outcome.messages.empty());
    }
}

TEST(SingleByteText, ACharacterBeyondLatin1IsRefusedWithItsLineAndColumn) {
    // Columns count characters: the "ü" before the "Ł" is one column.
    Read result = read(bom +
                       "Title\r\n\r\nM\xC3\xBC\x6C\xC5\x81"
                       "ABC\r\n");
    EXPECT_FALSE(result.text);
    ASSERT_TRUE(result.outcome.refused);
    EXPECT_EQ(result.outcome.messages,
              std::vector<std::string>{
                  "Line 3, column 4: the character U+0141 cannot be stored by KOR, which keeps "
                  "text in single bytes (the Western European characters of Latin-1). Replace it "
                  "and read the file again."});
    // LF and a lone CR end lines too; a four-byte character is U+1F600.
    result = read("a\nb\rc\xF0\x9F\x98\x80");
    ASSERT_TRUE(result.outcome.refused);
    EXPECT_EQ(result.outcome.messages[0].substr(0, 46),
              "Line 3, column 2: the character U+1F600 cannot");
    EXPECT_EQ(read("\xC4\x80").outcome.messages[0].substr(0, 40),
              "Line 1, column 1: the character U+0100 c");
    EXPECT_EQ(read("x\n" + bom + "\xC4\x80").outcome.messages[0].substr(0, 40),
              "Line 2, column 1: the character U+0100 c");
}

TEST(SingleByteText, AfterTheUtf8MarkAByteThatIsNotUtf8IsRefused) {
    Read result = read(bom + "ok\r\nM\xC3\xBC\xFC");
    EXPECT_FALSE(result.text);
    EXPECT_EQ(result.outcome.messages,
              std::vector<std::string>{
                  "Line 2, column 3: the file starts with the UTF-8 mark, but the byte 0xFC "
                  "here is not UTF-8 text. Save the file again as UTF-8 (or as Western European "
                  "text without the mark) and read it again."});
}

TEST(Utf8FromLatin1, EveryByteGoesOutAndComesBackAsItWas) {
    std::string every_byte;
    for (int c = 1; c < 256; ++c) {
        every_byte += static_cast<char>(c);
    }
    const std::string utf8 = utf8_from_latin1(every_byte);
    EXPECT_EQ(utf8.size(), 127u + 2u * 128u);
    EXPECT_EQ(utf8_from_latin1("M\xFCller"), "M\xC3\xBCller");
    EXPECT_EQ(read(utf8).text, every_byte);
}

}  // namespace
}  // namespace kor
