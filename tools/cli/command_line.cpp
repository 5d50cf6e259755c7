#include "command_line.h"

#include "cli_commands.h"

#include <functional>
#include <map>
#include <utility>

namespace {

using Setter = std::function<void(ViewState &, int)>;

const std::map<QString, Setter> &viewSetters()
{
    static const std::map<QString, Setter> setters = {
        {QStringLiteral("--slice"), setSlice},
        {QStringLiteral("--layer"), setLayer},
        {QStringLiteral("--depth"), setDepth},
        {QStringLiteral("--top"), setTopBorder},
        {QStringLiteral("--bottom"), setBottomBorder},
        {QStringLiteral("--first"), setFirstLayer},
        {QStringLiteral("--last"), setLastLayer},
        {QStringLiteral("--brightness"), setBrightness},
        {QStringLiteral("--threshold"), setThreshold},
    };
    return setters;
}

std::optional<SliceAxis> axisNamed(const QString &name)
{
    if (name == QLatin1String("x"))
        return SliceAxis::X;
    if (name == QLatin1String("y"))
        return SliceAxis::Y;
    if (name == QLatin1String("z"))
        return SliceAxis::Z;
    return std::nullopt;
}

}  // namespace

void CommandLine::fail(const QString &message)
{
    if (!failed_)
        reportFailure(message);
    failed_ = true;
}

bool CommandLine::takeViewOptions(ViewState &view)
{
    QStringList rest;
    for (int i = 0; i < arguments_.size(); ++i) {
        const QString &argument = arguments_[i];
        const auto setter = viewSetters().find(argument);
        const bool takesValue = setter != viewSetters().end() || argument == QLatin1String("--view");
        if (argument == QLatin1String("--smoothing")) {
            view.smoothing = 1;
            continue;
        }
        if (!takesValue) {
            rest << argument;
            continue;
        }
        if (i + 1 >= arguments_.size()) {
            fail(QStringLiteral("%1 needs a value").arg(argument));
            return false;
        }
        const QString value = arguments_[++i];
        if (argument == QLatin1String("--view")) {
            const auto axis = axisNamed(value);
            if (!axis) {
                fail(QStringLiteral("--view takes x, y or z, not \"%1\"").arg(value));
                return false;
            }
            view.axis = *axis;
            continue;
        }
        bool number = false;
        const int parsed = value.toInt(&number);
        if (!number) {
            fail(QStringLiteral("%1 takes a whole number, not \"%2\"").arg(argument, value));
            return false;
        }
        setter->second(view, parsed);
    }
    arguments_ = rest;
    return true;
}

std::optional<QString> CommandLine::takeValue(const QString &name)
{
    const qsizetype at = arguments_.indexOf(name);
    if (at < 0)
        return std::nullopt;
    if (at + 1 >= arguments_.size()) {
        fail(QStringLiteral("%1 needs a value").arg(name));
        return std::nullopt;
    }
    const QString value = arguments_[at + 1];
    arguments_.remove(at, 2);
    return value;
}

bool CommandLine::takeFlag(const QString &name)
{
    return arguments_.removeAll(name) > 0;
}

std::optional<QSize> CommandLine::takeSize(const QString &name, QSize fallback)
{
    const auto value = takeValue(name);
    if (!value)
        return failed_ ? std::nullopt : std::optional<QSize>(fallback);
    const QStringList parts = value->split(QLatin1Char('x'));
    bool widthOk = false;
    bool heightOk = false;
    const QSize size(parts.value(0).toInt(&widthOk), parts.value(1).toInt(&heightOk));
    if (parts.size() != 2 || !widthOk || !heightOk || size.width() < 2 || size.height() < 2) {
        fail(QStringLiteral("%1 takes WIDTHxHEIGHT, both at least 2, not \"%2\"").arg(name, *value));
        return std::nullopt;
    }
    return size;
}

bool CommandLine::onlyFilesLeft()
{
    if (failed_)
        return false;
    for (const QString &argument : arguments_) {
        if (argument.startsWith(QLatin1String("--"))) {
            fail(QStringLiteral("unknown option %1").arg(argument));
            return false;
        }
    }
    return true;
}

QStringList CommandLine::takeFiles()
{
    if (!onlyFilesLeft())
        return {};
    if (arguments_.isEmpty())
        fail(QStringLiteral("no file named"));
    return std::exchange(arguments_, {});
}

QString CommandLine::takeFile()
{
    if (!onlyFilesLeft())
        return {};
    if (arguments_.size() != 1) {
        fail(arguments_.isEmpty() ? QStringLiteral("no file named") : QStringLiteral("more than one file named"));
        return {};
    }
    return arguments_.takeFirst();
}
