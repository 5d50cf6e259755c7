#include "program_keys.h"

#include "command_table.h"
#include "main_window.h"
#include "preview_keys.h"
#include "print_preview_window.h"

#include <algorithm>

namespace {

// The window's own keys, the Alt keys before the F-keys, each group in the
// order of the keys.
std::vector<const MainCommand *> windowKeysInOrder()
{
    std::vector<const MainCommand *> keys;
    for (const MainCommand &command : TForm1::commandTable())
        if (command.keyHandling == KeyHandling::ExactShift || command.keyHandling == KeyHandling::AnyShift)
            keys.push_back(&command);
    std::stable_sort(keys.begin(), keys.end(), [](const MainCommand *a, const MainCommand *b) {
        return std::pair(a->keyHandling, a->key.key()) < std::pair(b->keyHandling, b->key.key());
    });
    return keys;
}

}  // namespace

QList<KeyHelp> programKeys()
{
    QList<KeyHelp> keys;
    for (const MainCommand *command : windowKeysInOrder())
        keys.append({QStringLiteral("Main window"), keyName(*command), descriptionOf(*command)});
    for (const MainCommand &command : TForm1::commandTable())
        if (command.keyHandling == KeyHandling::MenuShortcut)
            keys.append({QStringLiteral("Menus"), keyName(command), descriptionOf(command)});
    const QString slice = QStringLiteral("Slice image");
    const QString picture = QStringLiteral("3-D picture");
    keys.append({
        {slice, QStringLiteral("Click"), QStringLiteral("Move the cursor to the cell")},
        {slice, QStringLiteral("Shift+Click"), QStringLiteral("Set the measure point")},
        {picture, QStringLiteral("Drag"), QStringLiteral("Turn (across) and tilt (up and down)")},
        {picture, QStringLiteral("Wheel"), QStringLiteral("Zoom in and out")},
        {picture, QStringLiteral("Double click"), QStringLiteral("Back to the start view")},
    });
    // handled by the scroll bars themselves
    const QString scrollBar = QStringLiteral("Slice, layer and depth scroll bars");
    keys.append({
        {scrollBar, QStringLiteral("Right, Down"), QStringLiteral("One step on (further, deeper)")},
        {scrollBar, QStringLiteral("Left, Up"), QStringLiteral("One step back")},
        {scrollBar, QStringLiteral("PgDown, PgUp"), QStringLiteral("One page on, back")},
        {scrollBar, QStringLiteral("Home, End"), QStringLiteral("To the first, the last")},
    });
    for (const PreviewKey &key : TForm2::keyTable())
        keys.append({QStringLiteral("Print preview"), keyName(key), QString::fromUtf8(key.does)});
    return keys;
}
