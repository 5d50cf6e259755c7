#include "program_keys.h"

#include "main_window.h"

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

QList<KeyHelp> programKeys()
{
    const QString mainWindow = QStringLiteral("Main window");
    QList<KeyHelp> keys;
    for (const MainWindowKey &key : TForm1::keyTable())
        keys.append({mainWindow, keyName(key), QString::fromUtf8(key.does)});
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
