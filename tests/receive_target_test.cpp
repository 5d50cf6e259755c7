#include "receive_target.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ReceiveTargetTest : public QObject {
    Q_OBJECT

private slots:
    void theOfferedNameIsNeverAnExistingFile_data()
    {
        QTest::addColumn<QString>("openScan");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("offered");
        QTest::newRow("no scan open") << QString() << QStringList{} << "received-20261209-031542.vlm";
        QTest::newRow("no scan open, that name taken") << QString() << QStringList{"received-20261209-031542.vlm"}
                                                       << "received-20261209-031542-2.vlm";
        QTest::newRow("a stem without a number") << "weld.vlm" << QStringList{"weld.vlm"} << "weld1.vlm";
        QTest::newRow("the next number taken") << "weld.vlm" << QStringList{"weld.vlm", "weld1.vlm"} << "weld2.vlm";
        QTest::newRow("a numbered stem") << "weld9.vlm" << QStringList{"weld9.vlm"} << "weld10.vlm";
        QTest::newRow("leading zeros kept") << "pipe007.vlm" << QStringList{"pipe007.vlm", "pipe008.vlm"}
                                            << "pipe009.vlm";
    }
    void theOfferedNameIsNeverAnExistingFile()
    {
        QFETCH(QString, openScan);
        QFETCH(QStringList, existing);
        QFETCH(QString, offered);
        QTemporaryDir scans;
        QTemporaryDir lastFolder;
        for (const QString &name : existing) {
            QFile file(scans.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QFile other(lastFolder.filePath(name));
            QVERIFY(other.open(QIODevice::WriteOnly));
        }
        const QString open = openScan.isEmpty() ? QString() : scans.filePath(openScan);
        const QString expectedFolder = openScan.isEmpty() ? lastFolder.path() : scans.path();
        QCOMPARE(offeredReceiveName(open, lastFolder.path(), QDateTime(QDate(2026, 12, 9), QTime(3, 15, 42))),
                 expectedFolder + "/" + offered);
    }
};

QTEST_GUILESS_MAIN(ReceiveTargetTest)
#include "receive_target_test.moc"
