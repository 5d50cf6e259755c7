#include "batch_export.h"

#include "cli_commands.h"
#include "native_path.h"
#include "scan_loading.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <map>
#include <memory>
#include <utility>
#include <unistd.h>

namespace {

// Why nothing can be written into folder; empty when it can.
QString folderProblem(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return QStringLiteral("the folder does not exist");
    if (!info.isDir())
        return QStringLiteral("it is not a folder");
    if (!info.isWritable())
        return QStringLiteral("permission denied");
    return {};
}

// The name each file is converted under: DIR/STEM.EXT.
QStringList chosenNamesOf(const BatchExport &batch)
{
    QStringList names;
    for (const QString &file : batch.files)
        names << QDir(batch.folder).filePath(QFileInfo(file).completeBaseName() + exportExtension(batch.format));
    return names;
}

// The pairs of files that would write a file of the same name, each with the
// first name they share: the same stem, or for the layer formats stems that
// meet in the numbers (scan.vlm and scan1.vlm both give scan11.dat).
QStringList sameOutputs(const BatchExport &batch, const QStringList &chosenNames)
{
    std::map<QString, int> writerOf;
    std::map<std::pair<int, int>, QString> sharedName;
    for (int i = 0; i < chosenNames.size(); ++i) {
        for (const QString &output : exportOutputs(batch.format, chosenNames[i])) {
            const auto [first, added] = writerOf.emplace(output, i);
            if (!added && first->second != i)
                sharedName.emplace(std::pair(first->second, i), output);
        }
    }
    QStringList clashes;
    for (const auto &[pair, output] : sharedName)
        clashes << QStringLiteral("%1 and %2 (%3)").arg(batch.files[pair.first], batch.files[pair.second], output);
    return clashes;
}

class Progress {
public:
    explicit Progress(int total) : total_(total), terminal_(isatty(STDERR_FILENO) != 0) {}

    // On a terminal one line is rewritten; elsewhere each file has its line.
    void show(int number, const QString &file)
    {
        std::fprintf(stderr, terminal_ ? "\r\033[K[%d/%d] %s" : "[%d/%d] %s\n", number, total_, nativePath(file).constData());
        std::fflush(stderr);
    }

    void finish()
    {
        if (terminal_)
            std::fputs("\n", stderr);
    }

private:
    int total_;
    bool terminal_;
};

bool convert(const BatchExport &batch, const QString &file, const QString &chosen)
{
    auto volume = std::make_unique<ScanVolume>();
    return loadScan(file, *volume) && writeExport(*volume, batch.format, chosen, {file, batch.probe});
}

}  // namespace

int runBatchExport(const BatchExport &batch)
{
    if (const QString problem = folderProblem(batch.folder); !problem.isEmpty()) {
        reportFailure(QStringLiteral("cannot write into %1: %2").arg(batch.folder, problem));
        return 1;
    }
    const QStringList chosenNames = chosenNamesOf(batch);
    if (const QStringList clashes = sameOutputs(batch, chosenNames); !clashes.isEmpty()) {
        reportFailure(QStringLiteral("nothing written: these would be written under the same name: %1")
                          .arg(clashes.join(QStringLiteral("; "))));
        return 1;
    }
    QStringList existing;
    for (const QString &chosen : chosenNames) {
        for (const QString &output : exportOutputs(batch.format, chosen)) {
            if (pathTaken(output))
                existing << output;
        }
    }
    if (!existing.isEmpty() && !batch.force) {
        reportFailure(QStringLiteral("nothing written: %1 of the files to write exist, %2 …; --force replaces them")
                          .arg(existing.size())
                          .arg(existing.first()));
        return 1;
    }
    QStringList failed;
    Progress progress(static_cast<int>(batch.files.size()));
    for (int i = 0; i < batch.files.size(); ++i) {
        progress.show(i + 1, batch.files[i]);
        if (!convert(batch, batch.files[i], chosenNames[i]))
            failed << batch.files[i];
    }
    progress.finish();
    if (failed.isEmpty())
        return 0;
    reportFailure(QStringLiteral("%1 of %2 files not converted: %3")
                      .arg(failed.size())
                      .arg(batch.files.size())
                      .arg(failed.join(QStringLiteral(", "))));
    return 1;
}
