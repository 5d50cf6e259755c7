#include "cli_run.h"

#include <QProcess>
#include <QTest>

class CliVolumeExportTest : public QObject {
    Q_OBJECT

private:
    CliFolder folder_;

    QString shownImage()
    {
        const QString path = folder_.path("shown.bin");
        if (!QFile::exists(path))
            runCli({"dump", qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), "--smoothed", "--output", path});
        return path;
    }

private slots:
    void filesReadBackInTheirToolsOwnReaders_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("pitchOptions");
        QTest::addColumn<QString>("slicePitch");
        QTest::addColumn<QString>("layerPitch");
        QTest::newRow("NumPy") << "npy" << QStringList{} << "1" << "1";
        QTest::newRow("NRRD with the probe") << "nrrd" << QStringList{"--slice-pitch", "2.5", "--layer-pitch", "4"}
                                             << "2.5" << "4";
        QTest::newRow("NRRD, probe not known") << "nrrd" << QStringList{} << "1" << "1";
        QTest::newRow("VTK image with the probe")
            << "vti" << QStringList{"--layer-pitch", "0.75", "--slice-pitch", "1.5"} << "1.5" << "0.75";
        QTest::newRow("VTK image, layer pitch not known") << "vti" << QStringList{"--slice-pitch", "3"} << "3" << "1";
        // a comma marks the decimals, never the thousands
        QTest::newRow("VTK image, pitches with a comma")
            << "vti" << QStringList{"--slice-pitch", "1,500", "--layer-pitch", "0,75"} << "1.5" << "0.75";
    }
    void filesReadBackInTheirToolsOwnReaders()
    {
        QFETCH(QString, format);
        QFETCH(QStringList, pitchOptions);
        QFETCH(QString, slicePitch);
        QFETCH(QString, layerPitch);
        const QString output = folder_.path(QStringLiteral("%1.%2").arg(QTest::currentDataTag(), format));
        const CliOutcome outcome = runCli(QStringList{"export", qEnvironmentVariable("VELMORA_SAMPLE_SCAN"),
                                                      "--format", format, "--output", output}
                                          + pitchOptions);
        QCOMPARE(outcome.status, 0);
        QProcess reader;
        reader.start(qEnvironmentVariable("VELMORA_PYTHON"),
                     {qEnvironmentVariable("VELMORA_VOLUME_READER"), format, output, shownImage(), slicePitch,
                      layerPitch});
        QVERIFY(reader.waitForFinished(60000));
        const QString said = QString::fromLocal8Bit(reader.readAllStandardOutput() + reader.readAllStandardError());
        if (reader.exitCode() == 77)
            QSKIP(qPrintable(said.trimmed() + ": this file was checked by the test's own reader only"));
        QVERIFY2(reader.exitCode() == 0, qPrintable(said));
    }

    void pitchesMustBeLengths_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-2";
        QTest::newRow("not a number") << "nan";
        QTest::newRow("endless") << "inf";
        QTest::newRow("thousands and decimals") << "1,500.5";
        QTest::newRow("exponent") << "1e3";
    }
    void pitchesMustBeLengths()
    {
        QFETCH(QString, value);
        const CliOutcome outcome = runCli({"export", qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), "--format", "nrrd",
                                           "--slice-pitch", value, "--output", folder_.path("p.nrrd")});
        QCOMPARE(outcome.status, 2);
        QVERIFY(outcome.err.contains("--slice-pitch takes a positive number of millimetres"));
        QVERIFY(!QFile::exists(folder_.path("p.nrrd")));
    }
};

QTEST_GUILESS_MAIN(CliVolumeExportTest)
#include "cli_volume_export_test.moc"
