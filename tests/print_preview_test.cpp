#include "bitmap_view.h"
#include "main_window_run.h"
#include "margin_dialog.h"
#include "print_preview_window.h"

#include <QAction>
#include <QDir>
#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QSlider>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>

namespace {

constexpr int kResolution = 100;  // a PDF at 100 dpi keeps the page small

struct PrintRun : MainWindowRun {
    TForm2 preview;
    TForm3 margins;
    QString pdfPath;

    TForm1 &startAndPrintTo(const QString &pdf)
    {
        pdfPath = pdf;
        windows.printPreview = &preview;
        windows.marginDialog = &margins;
        TForm1 &window = start({QStringLiteral("velmora"), writeFile("sample.vlm", bundledSample())});
        dialogs.confirmPrintDialog = true;
        dialogs.onPrintDialog = [this](QPrinter &printer) {
            printerUsed = &printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath);
            printer.setResolution(kResolution);
            // a paper of whole inches without margins, so that the page's pixels fall on whole pixels
            printer.setPageSize(QPageSize(QSizeF(8, 11), QPageSize::Inch, QString(), QPageSize::ExactMatch));
            printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        };
        return window;
    }

    // Shows the preview, waits for its page, runs act, and ends as act leaves it.
    void whilePreviewShows(const std::function<void()> &act)
    {
        dialogs.onModal = [this, act](QDialog &dialog) {
            if (&dialog == &margins)
                return marginAnswer ? marginAnswer() : int(QDialog::Rejected);
            dialog.show();
            if (!QTest::qWaitFor([this] { return preview.statusPanels[0]->text() == "Ready to print"; }, 20000))
                qWarning("the page was not composed");
            act();
            if (preview.isVisible())
                preview.close();
            return preview.result();
        };
        window->RxSpeedButton3Click();
    }

    std::function<int()> marginAnswer;
    QPrinter *printerUsed = nullptr;
};

// The share of the pixels of page that differ from those of sheet, where the
// page begins at offset, by more than the PDF's compression of the picture.
double differingShare(const QImage &sheet, QPoint offset, const QImage &page)
{
    long long differing = 0;
    long long compared = 0;
    for (int y = 0; y < page.height() && y + offset.y() < sheet.height(); ++y) {
        for (int x = 0; x < page.width() && x + offset.x() < sheet.width(); ++x) {
            differing += std::abs(qGray(sheet.pixel(x + offset.x(), y + offset.y())) - qGray(page.pixel(x, y))) > 16;
            ++compared;
        }
    }
    return compared == 0 ? 1.0 : static_cast<double>(differing) / compared;
}

}  // namespace

class PrintPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void cancellingThePrintDialogShowsNoPreview()
    {
        PrintRun run;
        run.startAndPrintTo(run.environment.path("none.pdf"));
        run.dialogs.confirmPrintDialog = false;
        run.window->RxSpeedButton3Click();
        QCOMPARE(run.dialogs.printDialogs, 1);
        QVERIFY(run.dialogs.modalWindows.isEmpty());
    }

    void thePreviewComposesAndTellsItsState()
    {
        PrintRun run;
        run.startAndPrintTo(run.environment.path("state.pdf"));
        run.whilePreviewShows([&] {
            QVERIFY(run.preview.ToolButton1->isEnabled());
            QCOMPARE(run.preview.statusPanels[2]->text(),
                     QStringLiteral("Current file: ") + run.environment.path("sample.vlm"));
            QVERIFY(run.preview.statusPanels[1]->text().startsWith("Current printer: "));
            QCOMPARE(run.preview.windowTitle(), QStringLiteral("Print"));
            QVERIFY(!run.preview.page_bitmap.isNull());
        });
        QVERIFY(run.preview.page_bitmap.isNull());  // released when the window closes
    }

    void printingPutsThePageIntoThePdfAsComposed()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftocairo")).isEmpty())
            QSKIP("pdftocairo (poppler-utils) is not installed");
        PrintRun run;
        const QString pdf = run.environment.path("page.pdf");
        run.startAndPrintTo(pdf);
        QImage composed;
        bool closedByPrinting = false;
        run.whilePreviewShows([&] {
            composed = run.preview.page_bitmap;
            QTest::keyClick(&run.preview, Qt::Key_F2);  // print
            closedByPrinting = !run.preview.isVisible();
        });
        QVERIFY(closedByPrinting);
        QVERIFY(QFile::exists(pdf));
        QProcess::execute(QStringLiteral("pdftocairo"), {QStringLiteral("-r"), QString::number(kResolution),
                                                         QStringLiteral("-png"), pdf, run.environment.path("rendered")});
        QCOMPARE(QDir(run.environment.folder.path()).entryList({QStringLiteral("rendered*.png")}).size(), 1);
        const QImage rendered(run.environment.path("rendered-1.png"));
        QVERIFY(!rendered.isNull());
        // the sheet is the whole paper; the page fills its printable area, one pixel for a pixel
        const QRect printable = run.printerUsed->pageLayout().paintRectPixels(kResolution);
        QCOMPARE(composed.size(), printable.size());
        QVERIFY(std::abs(rendered.width() - run.printerUsed->pageLayout().fullRectPixels(kResolution).width()) <= 2);
        QVERIFY2(differingShare(rendered, printable.topLeft(), composed) == 0, "the printed page is not the composed one");
        QCOMPARE(run.printerUsed->docName(), run.window->windowTitle());
    }

    void tenClicksReachTheHighestZoomAndAnEleventhDoesNothing()
    {
        PrintRun run;
        run.startAndPrintTo(run.environment.path("zoom.pdf"));
        run.whilePreviewShows([&] {
            for (int click = 0; click < 10; ++click)
                QTest::mouseClick(run.preview.Image1, Qt::LeftButton);
            QCOMPARE(int(run.preview.preview_zoom), 10);
            QVERIFY(run.preview.ScrollBar1->isVisible());
            const QRect page = run.preview.preview.page;
            QTest::mouseClick(run.preview.Image1, Qt::LeftButton);
            QCOMPARE(int(run.preview.preview_zoom), 10);
            QCOMPARE(run.preview.preview.page, page);
        });
    }

    void aRightClickAtLevelOneReturnsToTheWholePage()
    {
        PrintRun run;
        run.startAndPrintTo(run.environment.path("back.pdf"));
        run.whilePreviewShows([&] {
            const QRect whole = run.preview.preview.page;
            QTest::mouseClick(run.preview.Image1, Qt::LeftButton);
            run.preview.ScrollBar1->setValue(5);
            QTest::mouseClick(run.preview.Image1, Qt::RightButton);
            QCOMPARE(int(run.preview.preview_zoom), 0);
            QVERIFY(!run.preview.ScrollBar1->isVisible());
            QVERIFY(!run.preview.ScrollBar2->isVisible());
            QCOMPARE(run.preview.ScrollBar1->value(), 0);
            QCOMPARE(run.preview.preview.page, whole);
            QTest::mouseClick(run.preview.Image1, Qt::RightButton);  // at level 0: nothing
            QCOMPARE(int(run.preview.preview_zoom), 0);
        });
    }

    void marginDialogOkTakesTheMarginsAndCancelKeepsThem()
    {
        PrintRun run;
        run.startAndPrintTo(run.environment.path("margins.pdf"));
        run.whilePreviewShows([&] {
            run.marginAnswer = [&] {
                run.margins.show();
                run.margins.RxSlider1->setValue(10);
                const bool readout = run.margins.RxLabel2->text() == QStringLiteral("10%");
                run.margins.reject();
                return readout ? int(QDialog::Rejected) : -1;
            };
            QTest::mouseClick(run.preview.ToolBar1->widgetForAction(run.preview.ToolButton4), Qt::LeftButton);
            QCOMPARE(int(run.preview.margins.left), 3);
            QCOMPARE(run.dialogs.modalWindows.last(), &run.margins);
            bool openedOnTheCurrentMargins = false;
            run.marginAnswer = [&] {
                run.margins.show();
                openedOnTheCurrentMargins = run.margins.RxSlider1->value() == 3;
                run.margins.RxSlider1->setValue(10);
                run.margins.accept();
                return int(QDialog::Accepted);
            };
            QTest::keyClick(&run.preview, Qt::Key_F4);
            QVERIFY(openedOnTheCurrentMargins);
            QCOMPARE(int(run.preview.margins.left), 10);
            // a tenth of the page is left white on the left
            const QImage &page = run.preview.page_bitmap;
            for (int y = 0; y < page.height(); y += 17)
                for (int x = 0; x < page.width() / 10; x += 7)
                    QCOMPARE(page.pixelColor(x, y), QColor(Qt::white));
        });
    }

    void addInfoTwiceGivesThePageAsItWas()
    {
        PrintRun run;
        run.startAndPrintTo(run.environment.path("info.pdf"));
        run.whilePreviewShows([&] {
            const QImage plain = run.preview.page_bitmap;
            QTest::mouseClick(run.preview.CheckBox4, Qt::LeftButton);
            QCOMPARE(int(run.preview.add_info), 1);
            QVERIFY(run.preview.page_bitmap != plain);
            run.preview.CheckBox4->setFocus();
            QTest::keyClick(run.preview.CheckBox4, Qt::Key_1);  // the window sees the key first
            QCOMPARE(int(run.preview.add_info), 0);
            QVERIFY(!run.preview.CheckBox4->isChecked());  // the tick follows the key
            QVERIFY(!run.preview.AddInfoItem->isChecked());
            QCOMPARE(run.preview.page_bitmap, plain);
            run.preview.AddInfoItem->trigger();
            QCOMPARE(int(run.preview.add_info), 1);
            QVERIFY(run.preview.CheckBox4->isChecked());
            QVERIFY(run.preview.AddInfoItem->isChecked());
        });
    }

    // The window manager's frame makes the window smaller once it is shown:
    // the whole page stays in the preview.
    void theWholePageStaysInSightWhenTheWindowShrinks()
    {
        PrintRun run;
        run.startAndPrintTo(run.environment.path("shrunk.pdf"));
        run.whilePreviewShows([&] {
            QVERIFY(run.preview.preview.page.bottom() < run.preview.Image1->height());
            run.preview.resize(run.preview.width() - 40, run.preview.height() - 120);
            QCoreApplication::processEvents();
            const QRect shown = run.preview.Image1->rect();
            QVERIFY2(shown.contains(run.preview.preview.page),
                     qPrintable(QStringLiteral("page bottom %1, preview height %2")
                                    .arg(run.preview.preview.page.bottom())
                                    .arg(shown.height())));
        });
    }

    void aPageTooLargeForTheMemoryIsReported()
    {
        PrintRun run;
        run.startAndPrintTo(run.environment.path("huge.pdf"));
        run.dialogs.onPrintDialog = [&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(run.pdfPath);
            printer.setResolution(1200);
            printer.setPageSize(QPageSize(QSizeF(190, 190), QPageSize::Inch, QString(), QPageSize::ExactMatch));
        };
        QString reported;
        bool printable = true;
        run.dialogs.onModal = [&](QDialog &dialog) {
            dialog.show();
            if (!QTest::qWaitFor([&] { return !run.dialogs.messages.isEmpty(); }, 20000))
                qWarning("nothing was reported");
            reported = run.dialogs.messages.isEmpty() ? QString() : run.dialogs.messages.first().text;
            printable = run.preview.ToolButton1->isEnabled();
            dialog.close();
            return dialog.result();
        };
        run.window->RxSpeedButton3Click();
        QVERIFY2(reported.contains("too large for the memory available"), qPrintable(reported));
        QCOMPARE(run.dialogs.messages.first().caption, QStringLiteral("Error"));
        QVERIFY(!printable);
        QVERIFY(!QFile::exists(run.pdfPath));
    }

    // The PDF file is written whole or not at all; a failure names the file
    // and the system's reason, and the preview stays open.
    void aPdfThatCannotBeWrittenIsReportedAndThePreviewStays()
    {
        PrintRun run;
        const QString pdf = run.environment.path("gone/page.pdf");
        run.startAndPrintTo(pdf);
        bool stayed = false;
        run.whilePreviewShows([&] {
            QTest::keyClick(&run.preview, Qt::Key_F2);
            stayed = run.preview.isVisible();
        });
        QVERIFY(stayed);
        QCOMPARE(run.dialogs.messages.size(), 1);
        QVERIFY2(run.dialogs.messages.first().text.startsWith("Cannot write " + pdf + ": "),
                 qPrintable(run.dialogs.messages.first().text));
        QVERIFY(!QFile::exists(pdf));
    }

    void f3ClosesWithoutPrinting()
    {
        PrintRun run;
        const QString pdf = run.environment.path("closed.pdf");
        run.startAndPrintTo(pdf);
        run.whilePreviewShows([&] { QTest::keyClick(&run.preview, Qt::Key_F3); });
        QVERIFY(!run.preview.isVisible());
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(PrintPreviewTest)
#include "print_preview_test.moc"
