#pragma once
// The grey levels of the slice last drawn: rows of signed 16-bit cells,
// re-created by the slice renderer at every drawing. Every access is checked.

#include "checked.h"

#include <cstdint>

class SliceGrid {
public:
    void allocate(int rows, int columns)
    {
        if (rows < 0 || columns < 0)
            throw RangeError();
        rows_ = rows;
        columns_ = columns;
        cells_.allocate(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
    }
    void release()
    {
        cells_.release();
        rows_ = columns_ = 0;
    }

    int rows() const { return rows_; }
    int columns() const { return columns_; }

    int16_t &at(long long row, long long column)
    {
        checkIndex(row, rows_);
        checkIndex(column, columns_);
        return cells_.data()[row * columns_ + column];
    }
    int16_t at(long long row, long long column) const
    {
        checkIndex(row, rows_);
        checkIndex(column, columns_);
        return cells_.data()[row * columns_ + column];
    }

    // Unchecked row pointer for loops that have checked their extent.
    int16_t *row(int index) { return cells_.data() + static_cast<long long>(index) * columns_; }
    const int16_t *row(int index) const { return cells_.data() + static_cast<long long>(index) * columns_; }

private:
    CheckedVector<int16_t> cells_;
    int rows_ = 0;
    int columns_ = 0;
};
