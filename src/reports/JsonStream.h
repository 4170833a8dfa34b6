#pragma once
// A JSON writer that streams: each value goes into a buffer that is handed
// to a sink as it fills, so a document of any size is never held whole. The
// layout is two blanks of indentation per level with every member and element
// on a line of its own, and `{}` and `[]` for empty containers.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileIO.h"

namespace kor {

class JsonStream {
  public:
    // Lines end with `newline`.
    JsonStream(TextSink& sink, std::string_view newline);
    ~JsonStream();
    JsonStream(const JsonStream&) = delete;
    JsonStream& operator=(const JsonStream&) = delete;

    void begin_object();
    void end_object();
    void begin_array();
    void end_array();
    // The name of the next member of the open object; names are plain ASCII.
    void key(std::string_view name);

    // Reals in the shortest form that reads back as the same double, always
    // with a decimal point or an exponent so that they read back as reals;
    // a value that is not finite is written as null.
    void real(double value);
    void whole(long long value);
    void boolean(bool value);
    void null();
    // Single-byte (Latin-1) text, written as UTF-8 with JSON's escapes.
    void text(std::string_view latin1);

    // Ends the document with a line end and hands the rest to the sink.
    void finish();

  private:
    // The shortest form of a double is at most 24 characters, and ".0" more.
    static constexpr std::size_t real_text_size = 28;
    // A real's text, kept by the bits of its value.
    struct RealText {
        std::uint64_t bits;
        std::uint8_t size;
        char text[real_text_size];
    };
    static std::size_t shortest_real(double value, char (&text)[real_text_size]);

    void before_value();
    void line_break();
    void put(std::string_view bytes);
    void put(char c);
    void flush_when_full();
    void flush();

    struct Level {
        bool object = false;
        int members = 0;
    };

    TextSink& sink_;
    std::string newline_;
    std::string break_and_indent_;  // the line end and blanks past the deepest indentation
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    // Reals repeat (percentages and bands follow the score), and formatting
    // one costs more than all else the writer does: the texts of the latest
    // are kept.
    std::vector<RealText> reals_;
    std::vector<Level> levels_;
    bool after_key_ = false;
};

}  // namespace kor
