#include "command_line.h"

#include "cli_commands.h"
#include "decimal_text.h"

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

CommandLine::CommandLine(QStringList arguments)
{
    const qsizetype end = arguments.indexOf(QLatin1String("--"));
    if (end >= 0) {
        filesAfterOptions_ = arguments.mid(end + 1);
        arguments.resize(end);
    }
    arguments_ = std::move(arguments);
}

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
        if (argument == QLatin1String("--gate-max")) {
            view.showGateMaximum = true;
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
    if (arguments_.contains(name)) {
        fail(QStringLiteral("%1 is given more than once").arg(name));
        return std::nullopt;
    }
    return value;
}

bool CommandLine::takeCsvChoice()
{
    const bool json = takeFlag(QStringLiteral("--json"));
    const bool csv = takeFlag(QStringLiteral("--csv"));
    if (json && csv)
        fail(QStringLiteral("--json and --csv: choose one"));
    return csv;
}

bool CommandLine::takeFlag(const QString &name)
{
    const qsizetype count = arguments_.removeAll(name);
    if (count > 1) {
        fail(QStringLiteral("%1 is given more than once").arg(name));
        return false;
    }
    return count == 1;
}

std::optional<QSize> CommandLine::takeSize(const QString &name, QSize fallback, int largest)
{
    const auto value = takeValue(name);
    if (!value)
        return failed_ ? std::nullopt : std::optional<QSize>(fallback);
    const QStringList parts = value->split(QLatin1Char('x'));
    bool widthOk = false;
    bool heightOk = false;
    const QSize size(parts.value(0).toInt(&widthOk), parts.value(1).toInt(&heightOk));
    const auto fits = [largest](int side) { return side >= 2 && side <= largest; };
    if (parts.size() != 2 || !widthOk || !heightOk || !fits(size.width()) || !fits(size.height())) {
        fail(QStringLiteral("%1 takes WIDTHxHEIGHT, both from 2 to %2, not \"%3\"").arg(name).arg(largest).arg(*value));
        return std::nullopt;
    }
    return size;
}

std::optional<int> CommandLine::takeInteger(const QString &name, int fallback, int lowest, int highest)
{
    const auto value = takeValue(name);
    if (!value)
        return failed_ ? std::nullopt : std::optional<int>(fallback);
    bool number = false;
    const int parsed = value->toInt(&number);
    if (!number || parsed < lowest || parsed > highest) {
        fail(QStringLiteral("%1 takes a whole number from %2 to %3, not \"%4\"")
                 .arg(name)
                 .arg(lowest)
                 .arg(highest)
                 .arg(*value));
        return std::nullopt;
    }
    return parsed;
}

std::optional<float> CommandLine::takeReal(const QString &name, float fallback, float lowest, float highest)
{
    const auto value = takeValue(name);
    if (!value)
        return failed_ ? std::nullopt : std::optional<float>(fallback);
    const auto parsed = parseDecimal(*value);
    if (!parsed || *parsed < lowest || *parsed > highest) {
        fail(QStringLiteral("%1 takes a number from %2 to %3, not \"%4\"")
                 .arg(name)
                 .arg(lowest)
                 .arg(highest)
                 .arg(*value));
        return std::nullopt;
    }
    return static_cast<float>(*parsed);
}

bool CommandLine::onlyFilesLeft()
{
    if (failed_)
        return false;
    // a file that begins with a dash is named after "--" (or as ./-name)
    for (const QString &argument : std::as_const(arguments_)) {
        if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            fail(QStringLiteral("unknown option %1").arg(argument));
            return false;
        }
    }
    arguments_ += std::exchange(filesAfterOptions_, {});
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

bool CommandLine::nothingLeft()
{
    if (!onlyFilesLeft())
        return false;
    if (!arguments_.isEmpty())
        fail(QStringLiteral("unexpected argument \"%1\"").arg(arguments_.first()));
    return !failed_;
}
