#include "native_path.h"
#include "scan_folder.h"
#include "thumbnail_cache.h"
#include "thumbnail_job.h"

#include "cli_run.h"

#include <QDir>
#include <QTest>

#include <cstdio>

#include <sys/stat.h>

namespace {

// A scan of zeros with depth scale code `code` and one sample of value 10 at
// depth row 100 of layer 24, slice 0: a trace the load-time smoothing leaves alone.
QByteArray scanWithDeepSample(int code = 0)
{
    QByteArray image(131072, '\0');
    image[2052] = static_cast<char>(code);
    image[5120 * 24 + 0 * 128 + 101] = 10;
    return scanFileOf(image);
}

ScanFolderEntry entryNamed(const QString &name, const QString &time)
{
    ScanFolderEntry entry;
    entry.name = name;
    entry.path = QStringLiteral("/scans/") + name;
    entry.modified = QDateTime::fromString(time, Qt::ISODate);
    return entry;
}

QStringList names(const QList<ScanFolderEntry> &entries)
{
    QStringList result;
    for (const ScanFolderEntry &entry : entries)
        result << entry.name;
    return result;
}

}  // namespace

class ScanBrowserTest : public QObject {
    Q_OBJECT

private slots:
    void listsScansByTheirContent()
    {
        CliFolder folder;
        folder.write("plate.vlm", scanWithDeepSample(2));
        folder.write("weld.dat", scanWithDeepSample(3));  // a scan under another name
        folder.write("notes.vlm", "not a scan at all");  // named as a scan, but is none
        folder.write("readme.txt", "a text");
        folder.write("magic.vlm", "VLMv1.0");  // the magic alone: its depth scale is unknown
        QVERIFY(QDir().mkdir(folder.path("inner.vlm")));
        QCOMPARE(::mkfifo(QFile::encodeName(folder.path("pipe.vlm")).constData(), 0600), 0);
        QCOMPARE(::mkfifo(QFile::encodeName(folder.path("pipe.dat")).constData(), 0600), 0);
        QVERIFY(QFile::link(folder.path("nowhere"), folder.path("dangling.vlm")));
        QVERIFY(QFile::link(folder.path("loop.vlm"), folder.path("loop.vlm")));

        const ScanFolderListing listing = listScanFolder(QDir::cleanPath(folder.path(".")));
        QVERIFY(listing.problem.isEmpty());
        const QList<ScanFolderEntry> entries = arrangeScans(listing.entries, ScanOrder::Name, QString());
        QCOMPARE(names(entries), (QStringList{"dangling.vlm", "loop.vlm", "magic.vlm", "notes.vlm", "pipe.vlm",
                                              "plate.vlm", "weld.dat"}));
        QCOMPARE(entries[0].problem, QStringLiteral("cannot open: No such file or directory"));
        QCOMPARE(entries[1].problem, QStringLiteral("cannot open: Too many levels of symbolic links"));
        QVERIFY(entries[2].problem.isEmpty());
        QCOMPARE(entries[2].depthScaleFactor, 0);
        QVERIFY2(entries[3].problem.contains("not a scan file"), qPrintable(entries[3].problem));
        QCOMPARE(entries[4].problem, QStringLiteral("cannot open: Not a regular file (a FIFO)"));
        QVERIFY(entries[5].problem.isEmpty());
        QCOMPARE(entries[5].depthScaleFactor, 100);
        QCOMPARE(entries[5].path, folder.path("plate.vlm"));
        QVERIFY(entries[6].problem.isEmpty());
        QCOMPARE(entries[6].depthScaleFactor, 200);
    }

    // A name that is not valid UTF-8 is listed, shown and opened by its bytes.
    void namesThatAreNotUtf8AreListedAndRead_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("depthScaleFactor");
        QTest::newRow("Latin-1 name") << QByteArray("pl\xe4tte.vlm") << 100;
        QTest::newRow("stray byte, another extension") << QByteArray("weld-\xff.dat") << 200;
    }
    void namesThatAreNotUtf8AreListedAndRead()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, depthScaleFactor);
        CliFolder folder;
        const QByteArray path = QFile::encodeName(folder.path("x").chopped(1)) + name;
        const QByteArray bytes = scanWithDeepSample(depthScaleFactor == 100 ? 2 : 3);
        FILE *file = std::fopen(path.constData(), "wb");
        QVERIFY(file && std::fwrite(bytes.constData(), 1, bytes.size(), file) == std::size_t(bytes.size()));
        std::fclose(file);
        const ScanFolderListing listing = listScanFolder(QDir::cleanPath(folder.path(".")));
        QCOMPARE(listing.entries.size(), 1);
        const ScanFolderEntry &entry = listing.entries[0];
        QVERIFY2(entry.problem.isEmpty(), qPrintable(entry.problem));
        QCOMPARE(entry.depthScaleFactor, depthScaleFactor);
        QCOMPARE(entry.size, bytes.size());
        QCOMPARE(nativePath(entry.path), path);
        ThumbnailMaker maker;
        QVERIFY(maker.make(entry.path).problem.isEmpty());
    }

    void sortsAndFilters_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("by name, numbers in order") << int(ScanOrder::Name) << ""
                                                   << QStringList{"pos001", "pos01b", "pos10", "scan2", "Scan10", "wall"};
        QTest::newRow("leading zeros") << int(ScanOrder::Name) << "0" << QStringList{"pos001", "pos01b", "pos10", "Scan10"};
        QTest::newRow("by time, newest first, then by name")
            << int(ScanOrder::Time) << "" << QStringList{"wall", "pos001", "pos01b", "pos10", "scan2", "Scan10"};
        QTest::newRow("filter ignores case") << int(ScanOrder::Name) << "SCAN" << QStringList{"scan2", "Scan10"};
        QTest::newRow("filter matches within the name") << int(ScanOrder::Time) << "al" << QStringList{"wall"};
        QTest::newRow("filter matching nothing") << int(ScanOrder::Name) << "x" << QStringList{};
    }
    void sortsAndFilters()
    {
        QFETCH(int, order);
        QFETCH(QString, filter);
        QFETCH(QStringList, shown);
        const QList<ScanFolderEntry> entries{entryNamed("Scan10", "2026-03-01T10:00:00"),
                                             entryNamed("wall", "2026-03-02T09:00:00"),
                                             entryNamed("scan2", "2026-03-01T11:00:00"),
                                             entryNamed("pos10", "2026-03-01T11:00:00"),
                                             entryNamed("pos01b", "2026-03-01T11:00:00"),
                                             entryNamed("pos001", "2026-03-01T11:00:00")};
        QCOMPARE(names(arrangeScans(entries, ScanOrder(order), filter)), shown);
    }

    void thumbnailIsTheGateMaximumOfTheWholeDepth()
    {
        CliFolder folder;
        ThumbnailMaker maker;
        const ScanThumbnail thumbnail = maker.make(folder.write("deep.vlm", scanWithDeepSample()));
        QVERIFY(thumbnail.problem.isEmpty());
        const QImage &picture = thumbnail.picture;
        QCOMPARE(picture.size(), QSize(200, 120));
        // cells of 199 / 39 = 5 by 119 / 23 = 5 pixels; layer 24 is row 23,
        // slice 0 column 0; at brightness 128 a sample of 10 is grey
        // 255 - Trunc(2 * 10 * 3.56) = 184
        QCOMPARE(picture.pixelColor(2, 23 * 5 + 2), QColor(184, 184, 184));
        QCOMPARE(picture.pixelColor(2, 22 * 5 + 2), QColor(255, 255, 255));
        QCOMPARE(picture.pixelColor(7, 23 * 5 + 2), QColor(255, 255, 255));
        // no cursor cell
        for (int y = 0; y < picture.height() - 1; ++y)
            for (int x = 0; x < picture.width() - 1; ++x)
                QVERIFY(picture.pixelColor(x, y).red() == picture.pixelColor(x, y).blue());
    }

    void unreadableFilesGiveTheirReason_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "gone.vlm" << QByteArray() << "cannot open: No such file or directory";
        QTest::newRow("a folder") << "." << QByteArray() << "not a regular file";
        QTest::newRow("not a scan") << "notes.vlm" << QByteArray("text") << "not a scan file";
        QTest::newRow("short") << "short.vlm" << scanWithDeepSample().left(1016)
                               << "the file ends after 1000 of 131072 image bytes";
    }
    void unreadableFilesGiveTheirReason()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        CliFolder folder;
        const QString path = bytes.isEmpty() ? folder.path(name) : folder.write(name, bytes);
        ThumbnailMaker maker;
        const ScanThumbnail thumbnail = maker.make(path);
        QVERIFY(thumbnail.picture.isNull());
        QCOMPARE(thumbnail.problem, reason);
    }

    void cancellingStopsTheLoop()
    {
        CliFolder folder;
        const QString path = folder.write("deep.vlm", scanWithDeepSample());
        std::atomic<bool> cancelled{false};
        int calls = 0;
        const int made = makeThumbnails(QStringList(5, path), kThumbnailSize, cancelled,
                                        [&](int index, const ScanThumbnail &) {
                                            ++calls;
                                            if (index == 1)
                                                cancelled = true;
                                        });
        QCOMPARE(made, 2);
        QCOMPARE(calls, 2);
    }

    void theCacheKnowsAChangedFile_data()
    {
        QTest::addColumn<int>("secondsLater");
        QTest::addColumn<int>("sizeChange");
        QTest::addColumn<bool>("found");
        QTest::newRow("unchanged") << 0 << 0 << true;
        QTest::newRow("written again") << 60 << 0 << false;
        QTest::newRow("other size") << 0 << 10 << false;
    }
    void theCacheKnowsAChangedFile()
    {
        QFETCH(int, secondsLater);
        QFETCH(int, sizeChange);
        QFETCH(bool, found);
        ScanFolderEntry entry = entryNamed("plate.vlm", "2026-03-01T10:00:00");
        entry.size = 131088;
        ThumbnailCache cache;
        cache.store(entry, ScanThumbnail{QImage(), QStringLiteral("kept")});
        entry.modified = entry.modified.addSecs(secondsLater);
        entry.size += sizeChange;
        const std::optional<ScanThumbnail> stored = cache.find(entry);
        QCOMPARE(stored.has_value(), found);
        if (found)
            QCOMPARE(stored->problem, QStringLiteral("kept"));
    }
};

QTEST_MAIN(ScanBrowserTest)
#include "scan_browser_test.moc"
