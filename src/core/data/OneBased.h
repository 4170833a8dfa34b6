#pragma once
// Arrays indexed from 1, as items and examinees are numbered everywhere in
// the program; slot 0 exists but is never used.

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace kor {

// The slot of a 1-based position (an item or examinee number) in a
// container indexed from 0 or 1 by std::size_t.
constexpr std::size_t at(int position) {
    return static_cast<std::size_t>(position);
}

// A position of any integer type: item and examinee numbers are int.
template <typename I>
concept Position = std::is_integral_v<I>;

template <typename T, std::size_t N>
class OneBased {
  public:
    template <Position I>
    T& operator[](I i) {
        assert(i >= 1 && static_cast<std::size_t>(i) <= N);
        return slots_[static_cast<std::size_t>(i)];
    }
    template <Position I>
    const T& operator[](I i) const {
        assert(i >= 1 && static_cast<std::size_t>(i) <= N);
        return slots_[static_cast<std::size_t>(i)];
    }
    void fill(const T& value) { slots_.fill(value); }
    static constexpr std::size_t size() { return N; }

  private:
    std::array<T, N + 1> slots_{};
};

// The same for large arrays kept on the heap. The room for all N is set
// aside at once, but a slot is made only when it is first written to, so a
// data set pays for the slots it uses and a reference to a slot stays valid
// however many more are made. Reading a slot never written gives a fresh value.
template <typename T, std::size_t N>
class OneBasedHeap {
  public:
    OneBasedHeap() { slots_.reserve(N + 1); }
    OneBasedHeap(const OneBasedHeap& other) : OneBasedHeap() { slots_ = other.slots_; }
    OneBasedHeap& operator=(const OneBasedHeap& other) {
        slots_ = other.slots_;  // within the room already set aside
        return *this;
    }
    ~OneBasedHeap() = default;

    template <Position I>
    T& operator[](I position) {
        const auto i = static_cast<std::size_t>(position);
        assert(position >= 1 && i <= N);
        if (i >= slots_.size()) {
            slots_.resize(i + 1);
        }
        return slots_[i];
    }
    template <Position I>
    const T& operator[](I position) const {
        const auto i = static_cast<std::size_t>(position);
        assert(position >= 1 && i <= N);
        return i < slots_.size() ? slots_[i] : fresh();
    }
    static constexpr std::size_t size() { return N; }

  private:
    static const T& fresh() {
        static const T value{};
        return value;
    }
    std::vector<T> slots_;
};

// Lines numbered from 1 and kept together in one text: a copy of thousands
// of lines that is read back rarely takes little more than their characters
// (no block and no text object per line). A line never kept reads empty.
class OneBasedLines {
  public:
    // Keeps `lines` in place of what was kept.
    void assign(const std::vector<std::string>& lines) {
        std::size_t total = 0;
        for (const std::string& line : lines) {
            total += line.size();
        }
        std::string text;
        text.reserve(total);
        std::vector<std::size_t> ends;
        ends.reserve(lines.size() + 1);
        ends.push_back(0);
        for (const std::string& line : lines) {
            text += line;
            ends.push_back(text.size());
        }
        text_ = std::move(text);
        ends_ = std::move(ends);
    }
    template <Position I>
    std::string_view operator[](I position) const {
        const auto i = static_cast<std::size_t>(position);
        assert(position >= 1);
        if (i >= ends_.size()) {
            return {};
        }
        return std::string_view(text_).substr(ends_[i - 1], ends_[i] - ends_[i - 1]);
    }

  private:
    std::string text_;
    std::vector<std::size_t> ends_;  // where line i ends is ends_[i]; ends_[0] = 0
};

// A table of bytes that reads as zeros from the start. It is made when it is
// first written to, and the system hands out new pages zeroed, so a table
// never written costs nothing and the parts of a large table that are never
// written cost no memory and no time.
class ZeroedBytes {
  public:
    explicit ZeroedBytes(std::size_t size) : size_(size) {}
    ZeroedBytes(const ZeroedBytes& other) : size_(other.size_) {
        if (other.bytes_) {
            std::memcpy(made(), other.bytes_.get(), size_);
        }
    }
    ZeroedBytes& operator=(const ZeroedBytes& other) {
        if (this != &other) {
            ZeroedBytes copy(other);
            std::swap(size_, copy.size_);
            std::swap(bytes_, copy.bytes_);
        }
        return *this;
    }
    ~ZeroedBytes() = default;

    std::uint8_t& operator[](std::size_t i) {
        assert(i < size_);
        return made()[i];
    }
    std::uint8_t operator[](std::size_t i) const {
        assert(i < size_);
        return bytes_ ? bytes_.get()[i] : 0;
    }

  private:
    std::uint8_t* made() {
        if (!bytes_) {
            bytes_.reset(static_cast<std::uint8_t*>(std::calloc(size_, 1)));
            if (!bytes_) {
                throw std::bad_alloc();
            }
        }
        return bytes_.get();
    }
    struct Free {
        void operator()(std::uint8_t* bytes) const { std::free(bytes); }
    };
    std::size_t size_;
    std::unique_ptr<std::uint8_t, Free> bytes_;
};

}  // namespace kor
