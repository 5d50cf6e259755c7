#include "command_table.h"

#include "main_window.h"

#include <QKeySequence>

#include <cstring>

namespace {

constexpr Qt::KeyboardModifiers kShiftState = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier
                                              | Qt::MetaModifier;

bool isDigit(int key)
{
    return key >= Qt::Key_0 && key <= Qt::Key_9;
}

bool handledByWindow(const MainCommand &command)
{
    return command.keyHandling == KeyHandling::ExactShift || command.keyHandling == KeyHandling::AnyShift;
}

}  // namespace

QString keyName(const MainCommand &command)
{
    if (command.keyHandling == KeyHandling::None)
        return {};
    return QKeySequence(command.key).toString(QKeySequence::NativeText);
}

QString keyOfCommand(const char *id)
{
    for (const MainCommand &command : TForm1::commandTable())
        if (std::strcmp(command.id, id) == 0)
            return keyName(command);
    return {};
}

QString menuTextOf(const MainCommand &command)
{
    const QString text = QString::fromUtf8(command.menuText);
    return handledByWindow(command) ? text + QLatin1Char('\t') + keyName(command) : text;
}

QString toolTipOf(const MainCommand &command)
{
    const QString tip = QString::fromUtf8(command.toolTip);
    const QString key = keyName(command);
    return key.isEmpty() ? tip : tip + QLatin1Char('(') + key + QLatin1Char(')');
}

QString descriptionOf(const MainCommand &command)
{
    if (command.does)
        return QString::fromUtf8(command.does);
    return QString::fromUtf8(command.menuText).remove(QLatin1Char('&'));
}

bool runsOnKey(const MainCommand &command, int key, Qt::KeyboardModifiers shift)
{
    if (command.key.key() != key)
        return false;
    switch (command.keyHandling) {
    case KeyHandling::AnyShift:
        return true;
    case KeyHandling::ExactShift:
        return (shift & kShiftState) == command.key.keyboardModifiers()
               && !(isDigit(key) && shift.testFlag(Qt::KeypadModifier));
    case KeyHandling::None:
    case KeyHandling::MenuShortcut:
        break;
    }
    return false;
}
