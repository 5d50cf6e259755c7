// The inspection report as other programs read it: its text with pdftotext,
// its pictures with pdfimages, its page with pdfinfo.

#include "cli_run.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The value of one "name: value" line of velmora-cli probe.
QString probeValue(const QString &lines, const QString &name)
{
    const QRegularExpression line(QStringLiteral("^%1: (.*)$").arg(name), QRegularExpression::MultilineOption);
    return line.match(lines).captured(1);
}

}  // namespace

class CliReportTest : public QObject {
    Q_OBJECT

private:
    CliFolder folder_;
    QString sample_;
    QString report_;
    const QStringList view_{"--slice", "4",  "--layer",      "12",  "--depth",     "30", "--top",
                            "10",      "--bottom", "90", "--first", "3", "--last", "20", "--brightness",
                            "100",     "--threshold", "40", "--smoothing"};
    const QString notes_ = QStringLiteral("Indication near the weld toe, see photo 17");

private slots:
    void initTestCase()
    {
        for (const char *tool : {"pdftotext", "pdfimages", "pdfinfo"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP("poppler-utils are not installed");
        }
        sample_ = folder_.write("weld-07.vlm", bundledSample());
        report_ = folder_.path("weld-07.pdf");
        QString err;
        QCOMPARE(runCliStatus(QStringList{"report", sample_} + view_
                                  + QStringList{"--reference", "64", "--measure-to", "10,12,40", "--slice-pitch",
                                                "2.5", "--layer-pitch", "4", "--notes", notes_, "--output", report_},
                              &err),
                 0);
        QVERIFY2(err.isEmpty(), qPrintable(err));
    }

    void isOneA4Page()
    {
        const QString info = runTool("pdfinfo", {report_});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
        QVERIFY2(info.contains("(A4)"), qPrintable(info));
    }

    void holdsTheReadingsAsText()
    {
        const QString text = runTool("pdftotext", {report_, "-"}).simplified();
        const CliOutcome probe = runCli(QStringList{"probe", sample_} + view_
                                        + QStringList{"--reference", "64", "--measure-to", "10,12,40",
                                                      "--slice-pitch", "2.5", "--layer-pitch", "4"});
        QCOMPARE(probe.status, 0);
        // depth position 30 at 50 mm per 16 steps: 93.75 mm, shown to one decimal
        const QStringList expected{"weld-07.vlm", "code 1: 50 mm per 16 steps", "3.125 mm",
                                   "Cursor: slice 5, layer 12, depth 93.8 mm",
                                   "Amplitude " + probeValue(probe.out, "amplitude") + ": "
                                       + probeValue(probe.out, "amplitude_percent") + " %",
                                   "Slice pitch 2.5 mm", "Layer pitch 4 mm", notes_,
                                   // the view settings, border rows 10 and 90 at 3.125 mm a row, whole mm
                                   "Depth gate 31 mm to 281 mm", "Layers shown 3 to 20", "Brightness 100",
                                   "Threshold 40", "Smoothing on"};
        for (const QString &part : expected)
            QVERIFY2(text.contains(part), qPrintable(part + " not in: " + text));
        QVERIFY2(text.contains(probeValue(probe.out, "distance_mm")), qPrintable(text));
    }

    // The depth rulers of views X and Y end with the data: 128 rows at
    // 3.125 mm reach 400 mm, so 0, 150 and 300 mm are marked and 450 is not
    // (the trace plot's own depth scale counts in steps of 100 mm).
    void depthRulersEndWithTheData()
    {
        const QStringList words = runTool("pdftotext", {report_, "-"}).split(QRegularExpression("\\s+"));
        QCOMPARE(words.count("150"), 2);
        QCOMPARE(words.count("450"), 0);
    }

    // Each slice picture is embedded as the renderer drew it, not resampled
    // and not stored lossily.
    void embedsTheSlicesPixelForPixel()
    {
        const QString list = runTool("pdfimages", {"-list", report_});
        QVERIFY2(!list.contains("jpeg"), qPrintable(list));
        const QString prefix = folder_.path("picture");
        runTool("pdfimages", {"-png", report_, prefix});
        QList<QImage> embedded;
        for (const QString &name : QDir(folder_.path("")).entryList({"picture-*.png"}, QDir::Files, QDir::Name))
            embedded << QImage(folder_.path(name)).convertToFormat(QImage::Format_RGB888);
        QVERIFY2(embedded.size() >= 4, qPrintable(list));

        const QStringList axes{"x", "y", "z"};
        for (int i = 0; i < axes.size(); ++i) {
            const QString rendered = folder_.path("slice-" + axes[i] + ".png");
            QCOMPARE(runCliStatus(QStringList{"render", sample_} + view_
                                  + QStringList{"--view", axes[i], "--size", "557x500", "--image", rendered}),
                     0);
            QCOMPARE(embedded[i], QImage(rendered).convertToFormat(QImage::Format_RGB888));
        }
        QCOMPARE(embedded[3].size(), QSize(580, 547));
    }
};

QTEST_GUILESS_MAIN(CliReportTest)
#include "cli_report_test.moc"
