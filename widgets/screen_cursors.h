#pragma once
// Cursors registered by number, as the windows refer to them.

#include <QCursor>

void registerScreenCursor(int number, const QCursor &cursor);
// The cursor registered under number, or the arrow when none is.
QCursor screenCursor(int number);

constexpr int kHandCursor = 1;
