#include "main_window_run.h"

#include "nominal_wall_dialog.h"
#include "thickness_map_window.h"
#include "wall_map_keeper.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

namespace {

// Layer 24 keeps the file's values through the smoothing. Depth scale code
// 2: 6.25 mm a byte. Slice 0: byte 40, 250 mm; slice 1: byte 32, 200 mm.
QByteArray scanWith(int firstByte, int secondByte)
{
    QByteArray image(131072, '\0');
    image[2052] = 2;
    image[5120 + 23 * 5120 + 0 * 128 + firstByte] = char(100);
    image[5120 + 23 * 5120 + 1 * 128 + secondByte] = char(100);
    return QByteArrayLiteral("VLMv1.0") + QByteArray(9, '\0') + image;
}

// The map is drawn at 640 x 400: cells of (640 - 120 - 1) div 40 = 12 by
// (400 - 1) div 24 = 16 pixels.
QPoint cellCentre(int layer, int slice)
{
    return {slice * 12 + 6, (layer - 1) * 16 + 8};
}

void movePointer(QWidget *picture, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &move);
}

}  // namespace

class WallMapWindowTest : public QObject {
    Q_OBJECT

private slots:
    void thicknessMapReadsTheCellAndAClickMovesTheCursor()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        window.OpenChosenFile(run.writeFile("wall.vlm", scanWith(40, 32)));
        run.dialogs.onModal = [](QDialog &dialog) {
            static_cast<NominalWallDialog &>(dialog).NominalEdit->setText("250");
            return int(QDialog::Accepted);
        };
        menuItem(window, "nominal-wall")->trigger();
        QCOMPARE(run.environment.stored("NominalWallMm").toString(), QStringLiteral("250"));
        menuItem(window, "thickness-map")->trigger();

        ThicknessMapWindow &map = *window.WallMaps->ThicknessWindow;
        QVERIFY(map.isVisible());
        QVERIFY2(map.Figures->text().contains("Minimum 200 mm at layer 24, slice 2"), qPrintable(map.Figures->text()));
        movePointer(map.Picture, cellCentre(24, 1));
        QCOMPARE(map.Reading->text(), QStringLiteral("layer 24, slice 2: 200 mm, wall loss 20.0 %"));
        movePointer(map.Picture, cellCentre(23, 1));
        QCOMPARE(map.Reading->text(), QStringLiteral("layer 23, slice 2: no echo"));
        QTest::mouseClick(map.Picture, Qt::LeftButton, {}, cellCentre(24, 1));
        QCOMPARE(window.ScrollBar2->value(), 1);
        QCOMPARE(window.ScrollBar3->value(), 24);

        // the map follows the gate: rows 0..30 (bytes 1..31) leave both walls out
        window.RxSlider4->setValue(30);
        QVERIFY2(map.Figures->text().startsWith("No back-wall echo"), qPrintable(map.Figures->text()));
    }

    // Scan B has the walls' echoes as strong, so every difference is 0 dB;
    // where both gate maxima are 0 there is none.
    void comparisonReadsBothMaxima()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        window.OpenChosenFile(run.writeFile("a.vlm", scanWith(40, 32)));
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{run.writeFile("b.vlm", scanWith(50, 20)), 1});
        menuItem(window, "compare-with")->trigger();
        WallMapWindow &comparison = *window.WallMaps->ComparisonWindow;
        QVERIFY(comparison.isVisible());
        movePointer(comparison.Picture, cellCentre(24, 0));
        QCOMPARE(comparison.Reading->text(), QStringLiteral("layer 24, slice 1: A 100, B 100, 0.0 dB"));
        movePointer(comparison.Picture, cellCentre(24, 5));
        QCOMPARE(comparison.Reading->text(), QStringLiteral("layer 24, slice 6: A 0, B 0, no difference (a maximum of 0)"));
    }

    // A B that cannot be read is named and nothing compared; a short one
    // is compared as far as it goes, and the message says how much is missing.
    void aScanBThatCannotBeReadWhollyIsNamed_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // empty: no file at all
        QTest::addColumn<bool>("compared");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("not a scan file") << QByteArray("hello") << false;
        QTest::newRow("short") << scanWith(40, 32).left(100000) << true;
    }

    void aScanBThatCannotBeReadWhollyIsNamed()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, compared);
        MainWindowRun run;
        TForm1 &window = run.start();
        window.OpenChosenFile(run.writeFile("a.vlm", scanWith(40, 32)));
        const QString b = bytes.isEmpty() ? run.environment.path("gone.vlm") : run.writeFile("b.vlm", bytes);
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{b, 1});
        menuItem(window, "compare-with")->trigger();
        QCOMPARE(window.WallMaps->ComparisonWindow->isVisible(), compared);
        QCOMPARE(run.dialogs.messages.size(), 1);
        QVERIFY2(run.dialogs.messages[0].text.contains(b), qPrintable(run.dialogs.messages[0].text));
    }
};

QTEST_MAIN(WallMapWindowTest)
#include "wall_map_window_test.moc"
