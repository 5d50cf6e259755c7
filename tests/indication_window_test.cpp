#include "main_window_run.h"

#include "bitmap_view.h"
#include "indication_keeper.h"
#include "indication_table_window.h"
#include "inspection_file.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

namespace {

// Layer 24 keeps the file's values through the smoothing: one indication,
// peak 120 at slice 10, trace byte 20, with 70 and 90 beside it.
QByteArray scanWithOneIndication()
{
    QByteArray image(131072, '\0');
    const auto at = [](int slice, int byte) { return 5120 + 23 * 5120 + slice * 128 + byte; };
    image[at(10, 20)] = char(120);
    image[at(10, 21)] = char(70);
    image[at(11, 20)] = char(90);
    return QByteArrayLiteral("VLMv1.0") + QByteArray(9, '\0') + image;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct IndicationRun : MainWindowRun {
    QString scan;

    TForm1 &openScan()
    {
        TForm1 &window = start();
        scan = writeFile("weld.vlm", scanWithOneIndication());
        window.OpenChosenFile(scan);
        return window;
    }

    IndicationTableWindow &table() { return *window->Indications->Table; }

    void press(const QString &text)
    {
        for (QPushButton *button : table().findChildren<QPushButton *>()) {
            if (button->text() == text)
                return button->click();
        }
        QFAIL(qPrintable(QStringLiteral("no button %1").arg(text)));
    }
};

}  // namespace

class IndicationWindowTest : public QObject {
    Q_OBJECT

private slots:
    void findListsTheIndicationAndAClickMovesTheCursorToItsPeak()
    {
        IndicationRun run;
        TForm1 &window = run.openScan();
        menuItem(window, "indications")->trigger();
        run.press("&Find");
        QCOMPARE(run.table().indications().size(), std::size_t(1));
        auto *cells = run.table().findChild<QTableWidget *>();
        QCOMPARE(cells->rowCount(), 1);
        QCOMPARE(cells->item(0, 1)->data(Qt::DisplayRole).toInt(), 11);  // slice 10 shown as 11
        QCOMPARE(cells->item(0, 2)->data(Qt::DisplayRole).toInt(), 24);
        emit cells->cellClicked(0, 0);
        QCOMPARE(window.ScrollBar2->value(), 10);
        QCOMPARE(window.ScrollBar3->value(), 24);
        QCOMPARE(window.ScrollBar1->value(), 20);
        QVERIFY(window.Indications->modified());
    }

    // A flat DAC of 240: the peak 120 is 20 log10(120 / 240) = -6.0 dB to
    // it. Above an acceptance of -10 dB it is rejected (red); under -4 dB but
    // at -14 or more it is recorded (yellow); without levels it has no class.
    void eachIndicationIsClassedAndItsRowColoured_data()
    {
        QTest::addColumn<QVariant>("acceptance");
        QTest::addColumn<QString>("evaluation");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("rejected") << QVariant("-10") << "reject" << QColor(255, 205, 205);
        QTest::newRow("recorded") << QVariant("-4") << "record" << QColor(255, 240, 185);
        QTest::newRow("no levels") << QVariant() << "\u2013" << QColor();
    }
    void eachIndicationIsClassedAndItsRowColoured()
    {
        QFETCH(QVariant, acceptance);
        QFETCH(QString, evaluation);
        QFETCH(QColor, colour);
        IndicationRun run;
        run.environment.store(QStringLiteral("DacPoints"), QStringLiteral("50:240"));
        run.environment.store(QStringLiteral("RecordingDb"), acceptance.isValid() ? QVariant("-14") : QVariant());
        run.environment.store(QStringLiteral("AcceptanceDb"), acceptance);
        TForm1 &window = run.openScan();
        menuItem(window, "indications")->trigger();
        run.press("&Find");
        auto *cells = run.table().findChild<QTableWidget *>();
        QCOMPARE(cells->rowCount(), 1);
        QCOMPARE(cells->item(0, 10)->data(Qt::DisplayRole).toDouble(), -6.0);
        QCOMPARE(cells->item(0, 11)->text(), evaluation);
        if (colour.isValid())
            QCOMPARE(cells->item(0, 0)->background().color(), colour);
        else
            QCOMPARE(cells->item(0, 0)->background().style(), Qt::NoBrush);
    }

    // Against the DAC of 240, -12 dB is 60.3: the 120, 90 and 70 make one
    // region; -7 dB is 107: the 120 alone, less than the two samples a region.
    void findTakesItsLevelInDecibelsToTheDac_data()
    {
        QTest::addColumn<double>("level");
        QTest::addColumn<int>("samples");
        QTest::newRow("-12 dB") << -12.0 << 3;
        QTest::newRow("-7 dB") << -7.0 << 0;
    }
    void findTakesItsLevelInDecibelsToTheDac()
    {
        QFETCH(double, level);
        QFETCH(int, samples);
        IndicationRun run;
        run.environment.store(QStringLiteral("DacPoints"), QStringLiteral("50:240"));
        TForm1 &window = run.openScan();
        menuItem(window, "indications")->trigger();
        run.table().findChild<QComboBox *>()->setCurrentIndex(2);
        run.table().findChild<QDoubleSpinBox *>()->setValue(level);
        run.press("&Find");
        const std::vector<Indication> &found = run.table().indications();
        QCOMPARE(found.empty() ? 0 : found.front().samples, samples);
    }

    // The outline is drawn over the image on screen; the bitmap that is
    // copied, saved and printed stays as the renderer left it.
    void theOutlineIsDrawnOverTheImageNotIntoIt()
    {
        IndicationRun run;
        TForm1 &window = run.openScan();
        run.press("&Find");
        window.RadioButton1->click();  // view Y cuts layer 24 at the cursor
        window.ScrollBar3->setValue(24);
        const QImage onScreen = window.Image3->grab().toImage();
        const QColor outline(255, 160, 0);
        int outlined = 0;
        int inBitmap = 0;
        for (int y = 0; y < onScreen.height(); ++y) {
            for (int x = 0; x < onScreen.width(); ++x) {
                outlined += onScreen.pixelColor(x, y) == outline;
                if (x < window.image3Bitmap.width() && y < window.image3Bitmap.height())
                    inBitmap += window.image3Bitmap.pixelColor(x, y) == outline;
            }
        }
        QVERIFY(outlined > 0);
        QCOMPARE(inBitmap, 0);
    }

    // Slices 10..11 are rows 15..17 of the 3-D volume ((3s + 1) / 2 ..
    // (3s + 2) / 2), bytes 20..21 sample pair 10, layer 24 plane 24.
    void theBoxesFollowTheIndicationsIntoTheThreeDPicture()
    {
        IndicationRun run;
        TForm1 &window = run.openScan();
        run.press("&Find");
        QCOMPARE(run.d3d.marks().last(), QStringLiteral("15-17/10-10/24-24:1"));
        window.N1Click();
        QCOMPARE(run.d3d.marks().last(), QString());
    }

    void leavingAskedAndAnsweredNoWritesNothing_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("No") << false;
        QTest::newRow("Yes") << true;
    }
    void leavingAskedAndAnsweredNoWritesNothing()
    {
        QFETCH(bool, save);
        IndicationRun run;
        TForm1 &window = run.openScan();
        run.press("&Find");
        run.dialogs.messageAnswers.push_back(save ? MessageAnswer::Yes : MessageAnswer::No);
        window.N1Click();
        QCOMPARE(run.dialogs.messages.size(), 1);
        QVERIFY(run.dialogs.messages[0].text.contains(run.scan));
        QCOMPARE(QFile::exists(run.scan + ".json"), save);
        if (save) {
            const QJsonObject saved = QJsonDocument::fromJson(fileBytes(run.scan + ".json")).object();
            QCOMPARE(saved.value("indications").toArray().size(), 1);
        }
    }

    void theInspectionOfTheScanOpensWithIt()
    {
        IndicationRun run;
        const QString scan = run.writeFile("weld.vlm", scanWithOneIndication());
        const QJsonObject kept{{"number", 1},          {"peak", 120},          {"peak_layer", 24},
                               {"peak_slice", 11},     {"peak_byte", 20},      {"samples", 1},
                               {"slice_first", 11},    {"slice_last", 11},     {"layer_first", 24},
                               {"layer_last", 24},     {"byte_first", 20},     {"byte_last", 20},
                               {"drop_slice_first", 11}, {"drop_slice_last", 11}, {"drop_layer_first", 24},
                               {"drop_layer_last", 24}, {"drop_byte_first", 20}, {"drop_byte_last", 20},
                               {"comment", "porosity"}, {"origin", "added"}};
        Inspection inspection;
        inspection.record.inspector = QStringLiteral("B. Sonde");
        inspection.findings.insert("indications", QJsonArray{kept});
        QVERIFY(writeInspectionFile(scan, inspection).ok);
        TForm1 &window = run.start();
        window.OpenChosenFile(scan);
        QVERIFY(run.dialogs.messages.isEmpty());
        QCOMPARE(window.Indications->inspection().record.inspector, QStringLiteral("B. Sonde"));
        QCOMPARE(window.Indications->indications().size(), std::size_t(1));
        QCOMPARE(window.Indications->indications()[0].comment, QStringLiteral("porosity"));
        QVERIFY(window.Indications->indications()[0].added);
    }

    void anInspectionOfAnotherScanIsOfferedToBeKeptAside_data()
    {
        QTest::addColumn<bool>("keepAside");
        QTest::newRow("kept aside") << true;
        QTest::newRow("left") << false;
    }
    void anInspectionOfAnotherScanIsOfferedToBeKeptAside()
    {
        QFETCH(bool, keepAside);
        IndicationRun run;
        const QString scan = run.writeFile("weld.vlm", scanWithOneIndication());
        const QByteArray other = QJsonDocument(QJsonObject{
            {"format", "velmora-inspection"}, {"version", 1},
            {"scan", QJsonObject{{"file", "weld.vlm"}, {"sha256", QString(64, 'b')}, {"size", 131088}}}}).toJson();
        run.writeFile("weld.vlm.json", other);
        run.dialogs.messageAnswers.push_back(keepAside ? MessageAnswer::Yes : MessageAnswer::No);
        TForm1 &window = run.start();
        window.OpenChosenFile(scan);
        QCOMPARE(run.dialogs.messages.size(), 1);
        QVERIFY(run.dialogs.messages[0].text.contains("made for another scan"));
        QCOMPARE(fileBytes(scan + ".json.old"), keepAside ? other : QByteArray());
        run.press("&Find");
        run.press("&Save");
        if (keepAside) {
            QVERIFY(QJsonDocument::fromJson(fileBytes(scan + ".json")).object().contains("indications"));
        } else {
            QCOMPARE(run.dialogs.messages.size(), 2);
            QVERIFY(run.dialogs.messages[1].text.contains("is not saved over"));
            QCOMPARE(fileBytes(scan + ".json"), other);
        }
    }
};

QTEST_MAIN(IndicationWindowTest)
#include "indication_window_test.moc"
