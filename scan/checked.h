#pragma once
// Checked indexing and arithmetic. An index out of range or an integer
// overflow in the program's own code raises a ProgramError, which the handler
// guard of the windows reports and which ends the handler that caused it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

class ProgramError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class RangeError : public ProgramError {
public:
    RangeError() : ProgramError("Range check error") {}
};

class OverflowError : public ProgramError {
public:
    OverflowError() : ProgramError("Integer overflow") {}
};

class DivisionByZeroError : public ProgramError {
public:
    DivisionByZeroError() : ProgramError("Division by zero") {}
};

inline void checkIndex(long long index, long long size)
{
    if (index < 0 || index >= size)
        throw RangeError();
}

// Checks that the whole run [first, first + count) lies inside an array of size.
inline void checkRange(long long first, long long count, long long size)
{
    if (first < 0 || count < 0 || first > size || count > size - first)
        throw RangeError();
}

template <class T>
T checkedAdd(T a, T b)
{
    T result;
    if (__builtin_add_overflow(a, b, &result))
        throw OverflowError();
    return result;
}

template <class T>
T checkedSub(T a, T b)
{
    T result;
    if (__builtin_sub_overflow(a, b, &result))
        throw OverflowError();
    return result;
}

template <class T>
T checkedMul(T a, T b)
{
    T result;
    if (__builtin_mul_overflow(a, b, &result))
        throw OverflowError();
    return result;
}

// Narrows a value to T, raising a range error when it does not fit.
template <class T, class U>
T checkedNarrow(U value)
{
    T result = static_cast<T>(value);
    if (static_cast<U>(result) != value || ((result < T{}) != (value < U{})))
        throw RangeError();
    return result;
}

// A fixed array whose subscript is range-checked.
template <class T, std::size_t N>
class CheckedArray {
public:
    static constexpr long long size() { return static_cast<long long>(N); }

    T &operator[](long long index)
    {
        checkIndex(index, size());
        return items_[index];
    }
    const T &operator[](long long index) const
    {
        checkIndex(index, size());
        return items_[index];
    }

    // Unchecked access for loops that have checked their whole run with checkRange.
    T *data() { return items_; }
    const T *data() const { return items_; }

private:
    T items_[N] = {};
};

// A heap array allocated once to a fixed size; its subscript is range-checked.
// An array that was never allocated (or was released) has size 0, so every
// access to it is a range error rather than a crash.
template <class T>
class CheckedVector {
public:
    void allocate(std::size_t count) { items_.assign(count, T{}); }
    void release() { std::vector<T>().swap(items_); }

    long long size() const { return static_cast<long long>(items_.size()); }

    T &operator[](long long index)
    {
        checkIndex(index, size());
        return items_[static_cast<std::size_t>(index)];
    }
    const T &operator[](long long index) const
    {
        checkIndex(index, size());
        return items_[static_cast<std::size_t>(index)];
    }

    T *data() { return items_.data(); }
    const T *data() const { return items_.data(); }

private:
    std::vector<T> items_;
};
