// The recent scans of File ▸ Open recent, kept in the settings, and the
// desktop's shared recent list, read back with GLib's own bookmark reader.

#include "desktop_recent_list.h"
#include "recent_scans.h"
#include "settings_store.h"
#include "test_environment.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <glib.h>

namespace {

QStringList letters(const QString &these)
{
    QStringList paths;
    for (const QChar letter : these)
        paths << QStringLiteral("/scans/%1.vlm").arg(letter);
    return paths;
}

RecentScans addedInTurn(const QStringList &paths)
{
    RecentScans recent;
    for (const QString &path : paths)
        recent.add(path);
    return recent;
}

QByteArray fileUri(const QString &path)
{
    return QByteArrayLiteral("file://") + QFile::encodeName(path);
}

struct BookmarkReader {
    GBookmarkFile *file = g_bookmark_file_new();
    bool loaded = false;
    explicit BookmarkReader(const QString &path)
    {
        loaded = g_bookmark_file_load_from_file(file, QFile::encodeName(path).constData(), nullptr);
    }
    ~BookmarkReader() { g_bookmark_file_free(file); }
    bool has(const QByteArray &uri) const { return g_bookmark_file_has_item(file, uri.constData()); }
    QString mimeType(const QByteArray &uri) const
    {
        gchar *type = g_bookmark_file_get_mime_type(file, uri.constData(), nullptr);
        const QString text = QString::fromUtf8(type);
        g_free(type);
        return text;
    }
    bool usedBy(const QByteArray &uri, const char *application) const
    {
        return g_bookmark_file_has_application(file, uri.constData(), application, nullptr);
    }
};

}  // namespace

class RecentScansTest : public QObject {
    Q_OBJECT

private slots:
    // Newest first, each scan once, ten at most.
    void theNewestComeFirstOnceAndTenAtMost_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("three") << letters("abc") << letters("cba");
        QTest::newRow("one again goes first") << letters("abcb") << letters("bca");
        QTest::newRow("twelve keep the last ten") << letters("abcdefghijkl") << letters("lkjihgfedc");
        QTest::newRow("an old one again") << letters("abcdefghijklc") << letters("clkjihgfed");
    }
    void theNewestComeFirstOnceAndTenAtMost()
    {
        QFETCH(QStringList, added);
        QFETCH(QStringList, listed);
        QCOMPARE(addedInTurn(added).paths(), listed);
    }

    // A list written over a longer one reads back as written: the places it
    // does not fill are emptied.
    void theSettingsKeepTheListAsWritten()
    {
        TestEnvironment environment;
        {
            SettingsStore settings;
            addedInTurn(letters("abcdef")).write(settings);
            settings.close();
        }
        {
            SettingsStore settings;
            addedInTurn(letters("xy")).write(settings);
            settings.close();
        }
        QCOMPARE(environment.stored("RecentScan1").toString(), QStringLiteral("/scans/y.vlm"));
        QCOMPARE(environment.stored("RecentScan3").toString(), QString());
        RecentScans read;
        read.read(SettingsStore());
        QCOMPARE(read.paths(), letters("yx"));
    }

    void missingScansCanBeCleared()
    {
        TestEnvironment environment;
        QFile kept(environment.path("kept.vlm"));
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.close();
        RecentScans recent = addedInTurn({environment.path("gone.vlm"), kept.fileName(), environment.path("gone2.vlm")});
        recent.removeMissing();
        QCOMPARE(recent.paths(), QStringList{kept.fileName()});
    }

    void theDesktopListNamesTheScanItsTypeAndVelmora()
    {
        TestEnvironment environment;
        const QString scan = environment.path("weld 7.vlm");
        QCOMPARE(addToDesktopRecentList(scan), std::nullopt);
        const QString list = environment.path("data/recently-used.xbel");
        QCOMPARE(desktopRecentListPath(), list);
        const BookmarkReader reader(list);
        QVERIFY(reader.loaded);
        // a space is written %20 in a file URI
        const QByteArray uri = fileUri(environment.path("weld%207.vlm"));
        QVERIFY(reader.has(uri));
        QCOMPARE(reader.mimeType(uri), QStringLiteral("application/x-velmora-scan"));
        QVERIFY(reader.usedBy(uri, "Velmora"));
    }

    void theOtherProgramsEntriesStay()
    {
        TestEnvironment environment;
        const QString list = environment.path("data/recently-used.xbel");
        QVERIFY(QDir().mkpath(environment.path("data")));
        {
            GBookmarkFile *other = g_bookmark_file_new();
            g_bookmark_file_add_application(other, "file:///home/a/letter.odt", "Writer", "writer %u");
            QVERIFY(g_bookmark_file_to_file(other, QFile::encodeName(list).constData(), nullptr));
            g_bookmark_file_free(other);
        }
        QCOMPARE(addToDesktopRecentList(environment.path("a.vlm")), std::nullopt);
        const BookmarkReader reader(list);
        QVERIFY(reader.has("file:///home/a/letter.odt"));
        QVERIFY(reader.usedBy("file:///home/a/letter.odt", "Writer"));
        QVERIFY(reader.has(fileUri(environment.path("a.vlm"))));
    }

    void aListThatCannotBeReadIsLeftAsItWas()
    {
        TestEnvironment environment;
        QVERIFY(QDir().mkpath(environment.path("data")));
        QFile list(environment.path("data/recently-used.xbel"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("<xbel version=\"1.0\"><bookmark");
        list.close();
        const auto problem = addToDesktopRecentList(environment.path("a.vlm"));
        QVERIFY(problem);
        QVERIFY2(problem->contains("cannot be read"), qPrintable(*problem));
        QVERIFY(list.open(QIODevice::ReadOnly));
        QCOMPARE(list.readAll(), QByteArray("<xbel version=\"1.0\"><bookmark"));
    }
};

QTEST_GUILESS_MAIN(RecentScansTest)
#include "recent_scans_test.moc"
