#pragma once
// A grade label as an examinee's record holds it: the characters inside the
// label itself, so that thousands of records need no text block each and
// stay small. The grading scale keeps its labels at four characters on
// every way in (the dialog, the scale file, the input file), and the bands
// use two of them; seven places leave room to spare.

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace kor {

class GradeLabel {
  public:
    static constexpr std::size_t capacity = 7;

    GradeLabel() = default;
    GradeLabel(std::string_view text) { assign(text); }
    GradeLabel(const char* text) : GradeLabel(std::string_view(text)) {}
    GradeLabel(const std::string& text) : GradeLabel(std::string_view(text)) {}

    std::string_view view() const { return {chars_.data(), size_}; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    void clear() { size_ = 0; }

    friend bool operator==(const GradeLabel& a, const GradeLabel& b) {
        return a.view() == b.view();
    }
    friend bool operator==(const GradeLabel& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const GradeLabel& a, const std::string& b) { return a.view() == b; }
    friend bool operator==(const GradeLabel& a, const char* b) {
        return a.view() == std::string_view(b);
    }
    friend std::string operator+(std::string text, const GradeLabel& label) {
        return text.append(label.view());
    }
    friend std::string operator+(const char* text, const GradeLabel& label) {
        return std::string(text).append(label.view());
    }
    friend std::ostream& operator<<(std::ostream& out, const GradeLabel& label) {
        return out << label.view();
    }

  private:
    void assign(std::string_view text) {
        assert(text.size() <= capacity);
        size_ = static_cast<std::uint8_t>(text.size() < capacity ? text.size() : capacity);
        text.copy(chars_.data(), size_);
    }

    std::array<char, capacity> chars_{};
    std::uint8_t size_ = 0;
};

}  // namespace kor
