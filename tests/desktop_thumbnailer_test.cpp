// The file manager's way of making a scan's thumbnail: the command line of
// the installed thumbnailer entry, with its size, input and output filled in.

#include "cli_run.h"

#include <QImage>
#include <QMap>
#include <QStandardPaths>
#include <QTest>

#include <set>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// The keys of the desktop entry file, as "Group/Key".
QMap<QString, QString> readEntry()
{
    QFile file(QStringLiteral(VELMORA_THUMBNAILER_ENTRY));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QMap<QString, QString> keys;
    QString group;
    for (const QString &line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith('[') && line.endsWith(']'))
            group = line.mid(1, line.size() - 2);
        else if (const qsizetype equals = line.indexOf('='); equals > 0)
            keys.insert(group + '/' + line.left(equals), line.mid(equals + 1));
    }
    return keys;
}

// Runs the entry's command as a file manager does: %s the size, %i the
// input, %o the output; gives the exit status.
int runEntry(int size, const QString &input, const QString &output)
{
    QStringList command = QProcess::splitCommand(readEntry().value("Thumbnailer Entry/Exec"));
    for (QString &word : command)
        word.replace("%s", QString::number(size)).replace("%i", input).replace("%o", output);
    const QString program = QStandardPaths::findExecutable(command.takeFirst(), {VELMORA_THUMBNAILER_DIR});
    QProcess process;
    process.start(program, command);
    process.waitForFinished(30000);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : kCliCrashed;
}

int colourCount(const QImage &picture)
{
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y));
    return static_cast<int>(colours.size());
}

// A scan of zeros but for one echo at depth row 100 of layer 24, slice 0.
QByteArray scanWithOneEcho()
{
    QByteArray image(131072, '\0');
    image[5120 * 24 + 101] = 90;
    return scanFileOf(image);
}

}  // namespace

class DesktopThumbnailerTest : public QObject {
    Q_OBJECT

private:
    CliFolder folder_;

private slots:
    void theEntryNamesTheThumbnailerAndTheScanType()
    {
        const QMap<QString, QString> entry = readEntry();
        QCOMPARE(entry.value("Thumbnailer Entry/TryExec"), QStringLiteral("velmora-thumbnailer"));
        QCOMPARE(entry.value("Thumbnailer Entry/Exec"), QStringLiteral("velmora-thumbnailer -s %s %i %o"));
        QCOMPARE(entry.value("Thumbnailer Entry/MimeType"), QStringLiteral("application/x-velmora-scan;"));
    }

    // The browser's 200 x 120 thumbnail, its longer side brought to the
    // size asked for: 128 gives 128 x 76.8, kept whole as 76.
    void theThumbnailFitsTheSizeAsked_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("normal, 128") << 128 << QSize(128, 76);
        QTest::newRow("large, 256") << 256 << QSize(256, 153);
        QTest::newRow("x-large, 512") << 512 << QSize(512, 307);
    }
    void theThumbnailFitsTheSizeAsked()
    {
        QFETCH(int, size);
        QFETCH(QSize, expected);
        const QString output = folder_.path(QStringLiteral("sample-%1.png").arg(size));
        QCOMPARE(runEntry(size, qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), output), 0);
        const QImage picture(output);
        QCOMPARE(picture.size(), expected);
        // the side-drilled holes and the crack show as more than a flat picture
        QVERIFY(colourCount(picture) > 10);
    }

    void twoScansGiveTwoPictures()
    {
        const QString sample = folder_.path("sample.png");
        const QString other = folder_.path("other.png");
        QCOMPARE(runEntry(128, qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), sample), 0);
        QCOMPARE(runEntry(128, folder_.write("one-echo.vlm", scanWithOneEcho()), other), 0);
        QVERIFY(QImage(sample) != QImage(other));
    }

    void aFileThatIsNotAScanGivesNoThumbnail_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text named as a scan") << QByteArray("not a scan at all");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("a scan cut short") << scanWithOneEcho().left(5000);
    }
    void aFileThatIsNotAScanGivesNoThumbnail()
    {
        QFETCH(QByteArray, bytes);
        const QString output = folder_.path("refused.png");
        QCOMPARE(runEntry(128, folder_.write("refused.vlm", bytes), output), 1);
        QVERIFY(!QFile::exists(output));
    }

    // As root, a thumbnail put in place of a device would replace the device.
    void anOutputThatIsNotAFileStaysAsItIs_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "FIFO";
        QTest::newRow("device") << "device";
    }
    void anOutputThatIsNotAFileStaysAsItIs()
    {
        QFETCH(QString, kind);
        const QString output = folder_.path(kind);
        const QByteArray name = QFile::encodeName(output);
        const bool made = kind == "FIFO" ? ::mkfifo(name.constData(), 0600) == 0
                                         : ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
        if (!made)
            QSKIP("cannot make the node here (making a device needs root)");
        QCOMPARE(runEntry(128, qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), output), 1);
        struct stat status {};
        QCOMPARE(::stat(name.constData(), &status), 0);
        QVERIFY(kind == "FIFO" ? S_ISFIFO(status.st_mode) : S_ISCHR(status.st_mode));
    }
};

QTEST_GUILESS_MAIN(DesktopThumbnailerTest)
#include "desktop_thumbnailer_test.moc"
