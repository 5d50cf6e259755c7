// The inspection report of a scan with an inspection file beside it, as
// pdftotext reads it: the record, the indication table over two pages and the
// signature block; and the report without a file that is not this scan's.

#include "cli_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

// 80 single samples in layer 24 (which the load-time smoothing keeps), none
// touching another: value 100 + k at slice 2 (k mod 20), byte 20 (1 + k div 20).
// Depth scale code 2: 100 mm per 16 bytes.
QByteArray scanWithEightyIndications()
{
    QByteArray image(131072, '\0');
    image[2052] = 2;
    for (int k = 0; k < 80; ++k)
        image[5120 + 23 * 5120 + 2 * (k % 20) * 128 + 20 * (1 + k / 20)] = char(100 + k);
    return QByteArrayLiteral("VLMv1.0") + QByteArray(9, '\0') + image;
}

QString pageText(const QString &pdf, int page)
{
    QProcess process;
    process.start("pdftotext", {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString &pdf)
{
    QProcess process;
    process.start("pdfinfo", {pdf});
    process.waitForFinished(60000);
    return QRegularExpression("Pages:\\s+(\\d+)").match(process.readAllStandardOutput()).captured(1).toInt();
}

}  // namespace

class CliReportIndicationsTest : public QObject {
    Q_OBJECT

private:
    CliFolder folder_;
    QString scan_;
    QString report_;

private slots:
    void initTestCase()
    {
        for (const char *tool : {"pdftotext", "pdfinfo"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP("poppler-utils are not installed");
        }
        scan_ = folder_.write("weld.vlm", scanWithEightyIndications());
        QCOMPARE(runCli({"indications", scan_, "--level", "50", "--min-samples", "1", "--save"}).status, 0);
        QJsonObject inspection = QJsonDocument::fromJson(folder_.read("weld.vlm.json")).object();
        inspection["record"] = QJsonObject{{"component", "Weld W-07"}, {"inspector", "Dana Okafor"},
                                           {"procedure", "EN ISO 17640"}, {"date", "2026-03-14"}};
        QJsonArray indications = inspection["indications"].toArray();
        QCOMPARE(indications.size(), 80);
        QJsonObject last = indications[79].toObject();
        last["comment"] = "root side, recheck";
        indications[79] = last;
        inspection["indications"] = indications;
        folder_.write("weld.vlm.json", QJsonDocument(inspection).toJson());

        report_ = folder_.path("weld.pdf");
        const CliOutcome outcome =
            runCli({"report", scan_, "--reference", "60", "--slice-pitch", "1.5", "--output", report_});
        QCOMPARE(outcome.status, 0);
        QVERIFY2(outcome.err.isEmpty(), qPrintable(outcome.err));
    }

    // The first page, the table over the next two, its pictures and the
    // signature after it: each page numbered and naming the scan.
    void everyPageIsNumberedAndNamesTheScan()
    {
        QCOMPARE(pageCount(report_), 4);
        for (int page = 1; page <= 4; ++page) {
            const QString text = pageText(report_, page);
            QVERIFY2(text.contains(QStringLiteral("Page %1 of 4").arg(page)), qPrintable(text));
            QVERIFY2(text.contains("weld.vlm"), qPrintable(text));
        }
    }

    // Indication n has the peak 180 - n: k = 80 - n, slice 2 (k mod 20) + 1
    // as shown, depth 20 (1 + k div 20) x 100 / 16 mm. Each row is on page 2
    // or 3, once, under the table's header on both.
    void theTableHoldsEveryRowOverTwoPages()
    {
        const QString tables = pageText(report_, 2) + pageText(report_, 3);
        QCOMPARE(tables.count(QRegularExpression("No\\.\\s+Slice\\s+Layer\\s+Depth mm")), 2);
        for (int n = 1; n <= 80; ++n) {
            const int k = 80 - n;
            const QRegularExpression row(QStringLiteral("^\\s*%1\\s+%2\\s+24\\s+%3\\s")
                                             .arg(n)
                                             .arg(2 * (k % 20) + 1)
                                             .arg(125 * (1 + k / 20)),
                                         QRegularExpression::MultilineOption);
            QVERIFY2(tables.count(row) == 1, qPrintable(QStringLiteral("row %1 in: %2").arg(n).arg(tables)));
        }
        // 179 / 127 = 140.9 %, 20 log10(179/127) = 3.0 dB, against 60: 9.5 dB;
        // one slice of 1.5 mm, no layer pitch, one byte of 6.25 mm
        QVERIFY(QRegularExpression("^\\s*1\\s+39\\s+24\\s+500\\s+140\\.9\\s+3\\.0\\s+9\\.5\\s+1\\.5\\s+\u2013\\s+6\\.25\\s*$",
                                   QRegularExpression::MultilineOption)
                    .match(pageText(report_, 2))
                    .hasMatch());
        // 100: 78.7 %, -2.1 dB, +4.4 dB against 60
        QVERIFY(QRegularExpression("^\\s*80\\s+1\\s+24\\s+125\\s+78\\.7\\s+\u22122\\.1\\s+4\\.4\\s+1\\.5\\s+\u2013\\s+6\\.25\\s+"
                                   "root side, recheck\\s*$",
                                   QRegularExpression::MultilineOption)
                    .match(pageText(report_, 3))
                    .hasMatch());
        QVERIFY(pageText(report_, 2).contains(QRegularExpression("^\\s*1\\s+39\\s", QRegularExpression::MultilineOption)));
    }

    // DAC 254 at 100 mm, 127 at 500 mm: at 500 mm the peak 179 is
    // 20 log10(179 / 127) = +3.0 dB, above -3: reject; at 250 mm (DAC 206.4)
    // the peak 139 is -3.4 dB: record; at 125 mm (DAC 246.1) the peak 100 is
    // -7.8 dB: below.
    void theDacTheLevelsAndEachClassAreReported()
    {
        const QString pdf = folder_.path("weld-dac.pdf");
        const CliOutcome outcome = runCli({"report", scan_, "--reference", "60", "--slice-pitch", "1.5", "--dac",
                                           "100:254,500:127", "--tcg", "--recording-db", "-6", "--acceptance-db",
                                           "-3", "--output", pdf});
        QCOMPARE(outcome.status, 0);
        const QString first = pageText(pdf, 1).simplified();
        for (const char *field : {"DAC 254 at 100 mm, 127 at 500 mm", "TCG on",
                                  "Evaluation levels recording -6 dB, acceptance -3 dB"})
            QVERIFY2(first.contains(QLatin1String(field)), qPrintable(QLatin1String(field) + " not in: " + first));
        const QString tables = pageText(pdf, 2) + pageText(pdf, 3);
        QVERIFY2(tables.contains(QRegularExpression("Height mm\\s+dB DAC\\s+Class\\s+Comment")), qPrintable(tables));
        const QStringList rows{
            "^\\s*1\\s+39\\s+24\\s+500\\s+140\\.9\\s+3\\.0\\s+9\\.5\\s+1\\.5\\s+–\\s+6\\.25\\s+3\\.0\\s+reject\\s*$",
            "^\\s*41\\s+39\\s+24\\s+250\\s.*\\s6\\.25\\s+−3\\.4\\s+record\\s*$",
            "^\\s*80\\s+1\\s+24\\s+125\\s.*\\s6\\.25\\s+−7\\.8\\s+below\\s+root side,",
        };
        for (const QString &row : rows)
            QVERIFY2(tables.contains(QRegularExpression(row, QRegularExpression::MultilineOption)),
                     qPrintable(row + " not in: " + tables));
    }

    void theRecordAndTheSignatureAreText()
    {
        const QString first = pageText(report_, 1).simplified();
        for (const char *field : {"Component / weld Weld W-07", "Inspector Dana Okafor", "Procedure EN ISO 17640",
                                  "Inspected 2026-03-14"})
            QVERIFY2(first.contains(QLatin1String(field)), qPrintable(QLatin1String(field) + " not in: " + first));
        const QString last = pageText(report_, 4).simplified();
        for (const char *line : {"Signature Inspector Dana Okafor Date 2026-03-14 Signature", "Indication 4:"})
            QVERIFY2(last.contains(QLatin1String(line)), qPrintable(QLatin1String(line) + " not in: " + last));
    }

    // A file of another scan, or a broken one, is passed over with the reason:
    // the report is its first page alone.
    void aFileNotOfThisScanIsLeftOut_data()
    {
        QTest::addColumn<QByteArray>("inspection");
        QTest::addColumn<QString>("reason");
        QTest::newRow("another scan") << folder_.read("weld.vlm.json") << "was made for another scan";
        QTest::newRow("broken") << QByteArray("{\"format\": \"velmora-inspection\",") << "is not valid JSON";
    }

    void aFileNotOfThisScanIsLeftOut()
    {
        QFETCH(QByteArray, inspection);
        QFETCH(QString, reason);
        CliFolder folder;
        QByteArray other = scanWithEightyIndications();
        other[16 + 2052 + 100] = 1;
        const QString scan = folder.write("other.vlm", other);
        folder.write("other.vlm.json", inspection);
        const QString pdf = folder.path("other.pdf");
        const CliOutcome outcome = runCli({"report", scan, "--output", pdf});
        QCOMPARE(outcome.status, 0);
        QVERIFY2(outcome.err.contains(reason) && outcome.err.contains("the report is made without it"),
                 qPrintable(outcome.err));
        QCOMPARE(pageCount(pdf), 1);
        QVERIFY(pageText(pdf, 1).contains("Page 1 of 1"));
    }
};

QTEST_GUILESS_MAIN(CliReportIndicationsTest)
#include "cli_report_indications_test.moc"
