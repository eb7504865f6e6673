// A growable array of plain values, for the prime table and its side table.
// Unlike std::vector it grows with realloc, which moves a large block by
// remapping its pages instead of copying it: the old and the new array are
// never both resident, so the peak memory stays near the size of the table.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <utility>

template <typename T>
class Tableau {
    static_assert(std::is_trivially_copyable_v<T>, "realloc moves the values as bytes");

public:
    Tableau() = default;
    Tableau(std::size_t n, T v) { assign(n, v); }
    Tableau(Tableau&& t) noexcept : d_(std::exchange(t.d_, nullptr)), n_(std::exchange(t.n_, 0)), cap_(std::exchange(t.cap_, 0)) {}
    Tableau& operator=(Tableau&& t) noexcept
    {
        std::swap(d_, t.d_);
        std::swap(n_, t.n_);
        std::swap(cap_, t.cap_);
        return *this;
    }
    Tableau(const Tableau&) = delete;
    Tableau& operator=(const Tableau&) = delete;
    ~Tableau() { std::free(d_); }

    T& operator[](std::size_t i) { return d_[i]; }
    const T& operator[](std::size_t i) const { return d_[i]; }
    std::size_t size() const { return n_; }
    T* data() { return d_; }
    const T* data() const { return d_; }
    const T* begin() const { return d_; }
    const T* end() const { return d_ + n_; }

    // Throws std::bad_alloc when memory runs out; the array is then unchanged.
    void push_back(T v)
    {
        if (n_ == cap_) reserve(cap_ < 16 ? 16 : cap_ + cap_ / 2);
        d_[n_++] = v;
    }

    void assign(std::size_t n, T v)
    {
        reserve(n);
        for (std::size_t i = 0; i < n; ++i) d_[i] = v;
        n_ = n;
    }

    // Keeps the first n values (n <= size()).
    void shrink(std::size_t n) { n_ = n; }

private:
    void reserve(std::size_t cap)
    {
        if (cap <= cap_) return;
        void* p = std::realloc(d_, cap * sizeof(T));
        if (p == nullptr) throw std::bad_alloc();
        d_ = static_cast<T*>(p);
        cap_ = cap;
    }

    T* d_ = nullptr;
    std::size_t n_ = 0;
    std::size_t cap_ = 0;
};
