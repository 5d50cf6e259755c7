#include "program_keys.h"

#include "main_window.h"

#include <QAction>
#include <QKeySequence>

QString keyName(const MainWindowKey &key)
{
    const QKeyCombination combination(
        key.shift == MainWindowKey::Shift::ExactlyAlt ? Qt::AltModifier : Qt::NoModifier, Qt::Key(key.key));
    return QKeySequence(combination).toString(QKeySequence::NativeText);
}

QString keyOfCommand(void (TForm1::*handler)())
{
    for (const MainWindowKey &key : TForm1::keyTable())
        if (key.handler == handler)
            return keyName(key);
    return {};
}

QList<KeyHelp> programKeys(const QList<QAction *> &commands)
{
    const QString mainWindow = QStringLiteral("Main window");
    QList<KeyHelp> keys;
    for (const MainWindowKey &key : TForm1::keyTable())
        keys.append({mainWindow, keyName(key), QString::fromUtf8(key.does)});
    QStringList listed;
    for (const QAction *command : commands) {
        const QString chord = command->shortcut().toString(QKeySequence::NativeText);
        if (chord.isEmpty() || listed.contains(chord))
            continue;
        listed << chord;
        QString does = command->text().section(QLatin1Char('\t'), 0, 0);
        keys.append({QStringLiteral("Menus"), chord, does.remove(QLatin1Char('&'))});
    }
    const QString slice = QStringLiteral("Slice image");
    const QString picture = QStringLiteral("3-D picture");
    keys.append({
        {slice, QStringLiteral("Click"), QStringLiteral("Move the cursor to the cell")},
        {slice, QStringLiteral("Shift+Click"), QStringLiteral("Set the measure point")},
        {picture, QStringLiteral("Drag"), QStringLiteral("Turn (across) and tilt (up and down)")},
        {picture, QStringLiteral("Wheel"), QStringLiteral("Zoom in and out")},
        {picture, QStringLiteral("Double click"), QStringLiteral("Back to the start view")},
    });
    // handled by the controls and windows themselves
    const QString scrollBar = QStringLiteral("Slice, layer and depth scroll bars");
    const QString preview = QStringLiteral("Print preview");
    keys.append({
        {scrollBar, QStringLiteral("Right, Down"), QStringLiteral("One step on (further, deeper)")},
        {scrollBar, QStringLiteral("Left, Up"), QStringLiteral("One step back")},
        {scrollBar, QStringLiteral("PgDown, PgUp"), QStringLiteral("One page on, back")},
        {scrollBar, QStringLiteral("Home, End"), QStringLiteral("To the first, the last")},
        {preview, QStringLiteral("F2"), QStringLiteral("Print the page and close the preview")},
        {preview, QStringLiteral("F3"), QStringLiteral("Close the preview without printing")},
        {preview, QStringLiteral("F4"), QStringLiteral("Page margins")},
        {preview, QStringLiteral("1"), QStringLiteral("Caption lines on or off")},
    });
    return keys;
}
