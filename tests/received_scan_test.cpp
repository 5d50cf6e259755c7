#include "received_scan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>

namespace {

// A received image whose layers hold a pattern: 131,073 entries.
std::vector<uint8_t> receivedPattern()
{
    std::vector<uint8_t> image(131073, 0);
    for (std::size_t i = 5120; i < 128000; ++i)
        image[i] = static_cast<uint8_t>(1 + i % 100);
    return image;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

Q_DECLARE_METATYPE(ExistingFile)

class ReceivedScanTest : public QObject {
    Q_OBJECT

private slots:
    // The scan is made where no file is, with the permissions of any new file
    // of the user, and nothing of the write is left beside it.
    void aNewFileIsMadeAsAnyNewFileIs()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("scan.vlm");
        auto volume = std::make_unique<ScanVolume>();
        const mode_t before = ::umask(027);
        const ReceivedScanSave save = saveReceivedScan(*volume, receivedPattern(), path, ExistingFile::Keep);
        ::umask(before);
        QVERIFY2(save.outcome.ok, qPrintable(save.outcome.error));
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
        QCOMPARE(int(status.st_mode & 0777), 0640);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"scan.vlm"});
        QCOMPARE(fileBytes(path).size(), 131088);
    }

    void aFileAtTheTargetIsReplacedOnlyWhenAllowed_data()
    {
        QTest::addColumn<ExistingFile>("existing");
        QTest::newRow("kept") << ExistingFile::Keep;
        QTest::newRow("replaced") << ExistingFile::Replace;
    }
    void aFileAtTheTargetIsReplacedOnlyWhenAllowed()
    {
        QFETCH(ExistingFile, existing);
        QTemporaryDir folder;
        const QString path = folder.filePath("scan.vlm");
        QFile there(path);
        QVERIFY(there.open(QIODevice::WriteOnly) && there.write("made meanwhile") == 14);
        there.close();
        auto volume = std::make_unique<ScanVolume>();
        const ReceivedScanSave save = saveReceivedScan(*volume, receivedPattern(), path, existing);
        if (existing == ExistingFile::Replace) {
            QVERIFY(save.outcome.ok);
            QCOMPARE(fileBytes(path).size(), 131088);
            QCOMPARE(int(volume->scan_image[5121]), 22);  // 1 + 5121 mod 100
            return;
        }
        QVERIFY(!save.outcome.ok);
        QVERIFY(save.outcome.fileAppeared);
        QCOMPARE(fileBytes(path), QByteArray("made meanwhile"));
        QCOMPARE(int(volume->scan_image[5121]), 0);  // the volume stays as it was
        QVERIFY(save.recovery.ok);
        QCOMPARE(fileBytes(save.recoveryPath).size(), 131088);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"scan.vlm"});
    }

    // Scans kept in the same second are numbered after the time, each still a scan file.
    void recoveriesOfOneSecondAreNumbered()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("weld.vlm");
        QFile there(path);
        QVERIFY(there.open(QIODevice::WriteOnly) && there.write("made meanwhile") == 14);
        there.close();
        const QDateTime now(QDate(2031, 5, 6), QTime(7, 8, 9));
        const QStringList expected{"weld-20310506-070809.vlm", "weld-20310506-070809-2.vlm",
                                   "weld-20310506-070809-3.vlm"};
        for (const QString &name : expected)
            QFile::remove(QDir(recoveryFolder()).filePath(name));
        QStringList kept;
        for (int i = 0; i < 3; ++i) {
            auto volume = std::make_unique<ScanVolume>();
            const ReceivedScanSave save = saveReceivedScan(*volume, receivedPattern(), path, ExistingFile::Keep, now);
            QVERIFY(save.recovery.ok);
            kept << QFileInfo(save.recoveryPath).fileName();
        }
        QCOMPARE(kept, expected);
        for (const QString &name : expected)
            QFile::remove(QDir(recoveryFolder()).filePath(name));
    }

    // A dead or stuck line sends zeros with right checksums: only an image
    // with something in its layers is a scan.
    void onlyZerosInTheLayersAreRefused_data()
    {
        QTest::addColumn<int>("nonZeroAt");
        QTest::addColumn<bool>("refused");
        QTest::newRow("all zeros") << -1 << true;
        QTest::newRow("only the header block") << 2052 << true;
        QTest::newRow("only the tail") << 128500 << true;
        QTest::newRow("a value in the first layer") << 5121 << false;
        QTest::newRow("a value in the last layer") << 127999 << false;
    }
    void onlyZerosInTheLayersAreRefused()
    {
        QFETCH(int, nonZeroAt);
        QFETCH(bool, refused);
        QTemporaryDir folder;
        const QString path = folder.filePath("scan.vlm");
        std::vector<uint8_t> received(131073, 0);
        if (nonZeroAt >= 0)
            received[static_cast<std::size_t>(nonZeroAt)] = 5;
        auto volume = std::make_unique<ScanVolume>();
        const qsizetype keptBefore = QDir(recoveryFolder()).entryList(QDir::Files).size();
        const ReceivedScanSave save = saveReceivedScan(*volume, received, path, ExistingFile::Replace);
        QCOMPARE(!save.outcome.ok, refused);
        QCOMPARE(QFile::exists(path), !refused);
        if (!refused)
            return;
        QCOMPARE(receivedScanFailureText(path, save),
                 QStringLiteral("Only zeros arrived: check the cable and that the instrument is sending."));
        QVERIFY(save.recoveryPath.isEmpty());
        QCOMPARE(QDir(recoveryFolder()).entryList(QDir::Files).size(), keptBefore);
    }
};

QTEST_GUILESS_MAIN(ReceivedScanTest)
#include "received_scan_test.moc"
