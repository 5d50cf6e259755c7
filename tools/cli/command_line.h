#pragma once
// The arguments of one command: its file, the view options every command that
// draws shares, and the command's own options. "--" ends the options: every
// argument after it is a file, whatever it begins with. An option other than
// a view option may be given once.

#include "view_state.h"

#include <QSize>
#include <QStringList>

#include <optional>

class CommandLine {
public:
    explicit CommandLine(QStringList arguments);

    // Takes the view options out of the arguments and sets each into view in
    // the order given, as its control would be set.
    bool takeViewOptions(ViewState &view);
    // Takes "--name VALUE"; nullopt when absent or given more than once.
    std::optional<QString> takeValue(const QString &name);
    // Takes "--name"; true when given, false when absent or given more than once.
    bool takeFlag(const QString &name);
    // Takes --json and --csv, one or neither, for a table: true for --csv.
    // Both fail the line, with the reason reported.
    bool takeCsvChoice();
    // Takes "--name WxH" with both sides in 2..largest, or gives fallback when absent.
    std::optional<QSize> takeSize(const QString &name, QSize fallback, int largest);
    // Takes "--name N" with N a whole number in lowest..highest, or gives fallback when absent.
    std::optional<int> takeInteger(const QString &name, int fallback, int lowest, int highest);
    // Takes "--name X" with X a number in lowest..highest (a full stop or a
    // comma marking the decimals), or gives fallback when absent.
    std::optional<float> takeReal(const QString &name, float fallback, float lowest, float highest);
    // The one argument left that is not an option; empty, with the reason
    // reported, when there is none, more than one or an unknown option.
    QString takeFile();
    // All arguments left, each a file; empty, with the reason reported, when
    // there is none or an unknown option.
    QStringList takeFiles();
    // For a command without files: false, with the reason reported, when any
    // argument is left (an unknown option or a stray word).
    bool nothingLeft();

    bool failed() const { return failed_; }

private:
    void fail(const QString &message);
    // False, with the reason reported, when an option is left.
    bool onlyFilesLeft();

    // the arguments before "--", where options are looked for, and those after it
    QStringList arguments_;
    QStringList filesAfterOptions_;
    bool failed_ = false;
};
