#include "slice_grid_text.h"

QByteArray sliceGridText(const ScanVolume &volume)
{
    QByteArray text;
    for (long long row = volume.grid_first_row; row <= volume.grid_last_row; ++row) {
        for (long long column = volume.grid_first_col; column <= volume.grid_last_col; ++column) {
            text += QByteArray::number(volume.slice_grid.at(row, column));
            text += '\t';
        }
        text += '\n';
    }
    return text;
}
