#include "inspection_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// SHA-256 of "abc", from the standard's first example (FIPS 180-2, B.1).
const QString kAbcSha256 = QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray inspectionText(const QString &format, const QJsonValue &version, const QString &sha256, int size)
{
    const QJsonObject object{{"format", format},
                             {"version", version},
                             {"scan", QJsonObject{{"file", "scan.vlm"}, {"sha256", sha256}, {"size", size}}},
                             {"record", QJsonObject{{"inspector", "A. Weld"}}}};
    return QJsonDocument(object).toJson();
}

}  // namespace

class InspectionFileTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        scan = folder->filePath("scan.vlm");
        QVERIFY(writeBytes(scan, "abc"));
    }

    void aWrittenInspectionNamesItsScanAndReadsBack()
    {
        Inspection inspection;
        inspection.record.inspector = QStringLiteral("Ana Ölund");
        inspection.record.calibrationBlock = QStringLiteral("V1");
        inspection.findings.insert("indications", QJsonArray{QJsonObject{{"number", 1}}});
        // the file's own keys are never taken from the findings
        inspection.findings.insert("format", "something else");
        QVERIFY(writeInspectionFile(scan, inspection).ok);

        const QJsonObject written = QJsonDocument::fromJson(readBytes(folder->filePath("scan.vlm.json"))).object();
        QCOMPARE(written.value("format").toString(), QStringLiteral("velmora-inspection"));
        QCOMPARE(written.value("version").toInt(), 1);
        QCOMPARE(written.value("scan").toObject().value("file").toString(), QStringLiteral("scan.vlm"));
        QCOMPARE(written.value("scan").toObject().value("sha256").toString(), kAbcSha256);
        QCOMPARE(written.value("scan").toObject().value("size").toInt(), 3);
        QCOMPARE(written.value("record").toObject().value("calibration_block").toString(), QStringLiteral("V1"));

        const InspectionRead read = readInspectionFile(scan);
        QCOMPARE(read.status, InspectionRead::Status::Read);
        QCOMPARE(read.inspection.record, inspection.record);
        QCOMPARE(read.inspection.findings.value("indications"), inspection.findings.value("indications"));
        QVERIFY(!read.inspection.findings.contains("format"));
    }

    void onlyAnInspectionOfThisScanIsUsed_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("problem");
        const auto Read = int(InspectionRead::Status::Read);
        const auto OtherScan = int(InspectionRead::Status::OtherScan);
        const auto Refused = int(InspectionRead::Status::Refused);
        QTest::newRow("this scan") << inspectionText("velmora-inspection", 1, kAbcSha256, 3) << Read << "";
        QTest::newRow("another scan") << inspectionText("velmora-inspection", 1, QString(64, '0'), 3) << OtherScan
                                      << "made for another scan";
        QTest::newRow("the scan grew") << inspectionText("velmora-inspection", 1, kAbcSha256, 4) << OtherScan
                                       << "made for another scan";
        QTest::newRow("broken") << QByteArray("{\"format\": \"velmora-inspection\", ") << Refused
                                << "not valid JSON";
        QTest::newRow("foreign") << inspectionText("some-other-tool", 1, kAbcSha256, 3) << Refused
                                 << "not a Velmora inspection file";
        QTest::newRow("a JSON list") << QByteArray("[1, 2]") << Refused << "not a Velmora inspection file";
        QTest::newRow("newer") << inspectionText("velmora-inspection", 2, kAbcSha256, 3) << Refused
                               << "of version 2, newer than the version 1";
        QTest::newRow("version as text") << inspectionText("velmora-inspection", "1", kAbcSha256, 3) << Refused
                                         << "version is missing";
    }
    void onlyAnInspectionOfThisScanIsUsed()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, status);
        QFETCH(QString, problem);
        QVERIFY(writeBytes(folder->filePath("scan.vlm.json"), text));
        const InspectionRead read = readInspectionFile(scan);
        QCOMPARE(int(read.status), status);
        QVERIFY2(read.problem.contains(problem), qPrintable(read.problem));
        if (status == int(InspectionRead::Status::Read))
            QCOMPARE(read.inspection.record.inspector, QStringLiteral("A. Weld"));
        else
            QVERIFY(read.problem.contains(folder->filePath("scan.vlm.json")));
    }

    void aScanWithoutAnInspectionHasNone()
    {
        QCOMPARE(readInspectionFile(scan).status, InspectionRead::Status::None);
    }

    void aFileSetAsideNeverReplacesAnother()
    {
        const QString json = folder->filePath("scan.vlm.json");
        QVERIFY(writeBytes(json, "first"));
        QCOMPARE(setInspectionFileAside(scan).path, folder->filePath("scan.vlm.json.old"));
        QVERIFY(writeBytes(json, "second"));
        const SetAside second = setInspectionFileAside(scan);
        QVERIFY(second.outcome.ok);
        QCOMPARE(second.path, folder->filePath("scan.vlm.json.old2"));
        QCOMPARE(readBytes(folder->filePath("scan.vlm.json.old")), QByteArray("first"));
        QCOMPARE(readBytes(folder->filePath("scan.vlm.json.old2")), QByteArray("second"));
        QVERIFY(!QFile::exists(json));
    }

    void anInspectionOfAMissingScanIsNotWritten()
    {
        Inspection inspection;
        const QString gone = folder->filePath("gone.vlm");
        const WriteOutcome outcome = writeInspectionFile(gone, inspection);
        QVERIFY(!outcome.ok);
        QVERIFY2(outcome.error.contains(gone), qPrintable(outcome.error));
        QVERIFY(!QFile::exists(folder->filePath("gone.vlm.json")));
    }

private:
    std::unique_ptr<QTemporaryDir> folder;
    QString scan;
};

QTEST_GUILESS_MAIN(InspectionFileTest)
#include "inspection_file_test.moc"
