#include "screen_cursors.h"

#include <QHash>

namespace {

QHash<int, QCursor> &registry()
{
    static QHash<int, QCursor> cursors;
    return cursors;
}

}  // namespace

void registerScreenCursor(int number, const QCursor &cursor)
{
    registry().insert(number, cursor);
}

QCursor screenCursor(int number)
{
    return registry().value(number, QCursor(Qt::ArrowCursor));
}
