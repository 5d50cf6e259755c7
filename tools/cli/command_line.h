#pragma once
// The arguments of one command: its file, the view options every command that
// draws shares, and the command's own options.

#include "view_state.h"

#include <QSize>
#include <QStringList>

#include <optional>

class CommandLine {
public:
    explicit CommandLine(QStringList arguments) : arguments_(std::move(arguments)) {}

    // Takes the view options out of the arguments and sets each into view in
    // the order given, as its control would be set.
    bool takeViewOptions(ViewState &view);
    // Takes "--name VALUE"; nullopt when absent.
    std::optional<QString> takeValue(const QString &name);
    bool takeFlag(const QString &name);
    // Takes "--name WxH", or gives fallback when absent.
    std::optional<QSize> takeSize(const QString &name, QSize fallback);
    // The one argument left that is not an option; empty, with the reason
    // reported, when there is none, more than one or an unknown option.
    QString takeFile();
    // The arguments left, at least one, none an option; reported when not so.
    QStringList takeFiles();

    bool failed() const { return failed_; }

private:
    void fail(const QString &message);

    QStringList arguments_;
    bool failed_ = false;
};
