#pragma once
// Arrays indexed from 1, as items and examinees are numbered everywhere in
// the program; slot 0 exists but is never used.

#include <array>
#include <cassert>
#include <cstddef>
#include <vector>

namespace kor {

template <typename T, std::size_t N>
class OneBased {
public:
    T& operator[](std::size_t i) {
        assert(i >= 1 && i <= N);
        return slots_[i];
    }
    const T& operator[](std::size_t i) const {
        assert(i >= 1 && i <= N);
        return slots_[i];
    }
    void fill(const T& value) { slots_.fill(value); }
    static constexpr std::size_t size() { return N; }

private:
    std::array<T, N + 1> slots_{};
};

// The same for large arrays kept on the heap.
template <typename T, std::size_t N>
class OneBasedHeap {
public:
    OneBasedHeap() : slots_(N + 1) {}
    T& operator[](std::size_t i) {
        assert(i >= 1 && i <= N);
        return slots_[i];
    }
    const T& operator[](std::size_t i) const {
        assert(i >= 1 && i <= N);
        return slots_[i];
    }
    static constexpr std::size_t size() { return N; }

private:
    std::vector<T> slots_;
};

}  // namespace kor
