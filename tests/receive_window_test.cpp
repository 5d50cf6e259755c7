#include "fake_serial_port.h"
#include "instrument_stream.h"
#include "receive_window.h"
#include "scripted_dialogs.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

std::vector<uint8_t> streamOf(int corruptBlock = -1, std::size_t bytes = 131072)
{
    std::vector<uint8_t> image(131072);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>(i % 97);
    std::vector<uint8_t> stream =
        instrumentStream(std::span<const uint8_t, 131072>(image.data(), image.size()), corruptBlock);
    stream.resize(bytes);
    return stream;
}

struct WindowRun {
    ScriptedDialogs dialogs;
    FakeSerialPort *port;
    std::unique_ptr<TForm5> window;
    // The time of day the window reads; the real one unless a test sets it.
    QTime now;

    explicit WindowRun(int portNumber = 1)
    {
        auto fake = std::make_unique<FakeSerialPort>();
        port = fake.get();
        window = std::make_unique<TForm5>(std::move(fake), [](int) {},
                                          [this] { return now.isValid() ? now : QTime::currentTime(); });
        window->setJob({portNumber, QStringLiteral("/dev/ttyFAKE"), false});
    }

    // Shows the window modally; a safety timer ends a receive that never would.
    int runModally()
    {
        QTimer::singleShot(10000, window.get(), [this] { window->BitBtn2Click(); });
        return window->exec();
    }
};

}  // namespace

class ReceiveWindowTest : public QObject {
    Q_OBJECT

private slots:
    void captionAndTexts()
    {
        WindowRun run;
        QCOMPARE(run.window->windowTitle(), QStringLiteral("Connection with M7340"));
        QCOMPARE(run.window->Label3->text(), QStringLiteral("The state of receive :"));
        QCOMPARE(run.window->Label5->text(), QStringLiteral("Time of receive :"));
        QCOMPARE(run.window->Label6->text(), QStringLiteral("Current time :"));
        QCOMPARE(run.window->Label2->text(), QStringLiteral("Receive : 0 from 8388608"));
        QCOMPARE(run.window->BitBtn2->text(), QStringLiteral("Quit"));
        QCOMPARE(run.window->Timer1->interval(), 100);
    }

    void aCompleteReceiveClosesTheWindow()
    {
        WindowRun run;
        run.port->arrive(streamOf());
        run.runModally();
        QCOMPARE(int(run.window->receive_ok()), 1);
        QCOMPARE(run.window->Gauge1->value(), 99);
        QCOMPARE(run.window->Label2->text(), QStringLiteral("Receive : 131072 from 131072"));
        QCOMPARE(run.window->receivedImage().size(), std::size_t(131073));
        QVERIFY(run.dialogs.messages.isEmpty());
        QVERIFY(!run.window->isVisible());
        QCOMPARE(int(run.window->receive_active), 0);
    }

    // A wrong checksum after the first nine blocks keeps the scan; the
    // window says so and stays until the user closes it.
    void aWrongLaterChecksumIsListedUntilTheWindowIsClosed()
    {
        WindowRun run;
        run.port->arrive(streamOf(100));
        bool stayedWithTheWarning = false;
        QTimer::singleShot(0, run.window.get(), [&] {
            QTest::qWaitFor([&] { return run.window->receive_ok() == 1; }, 5000);
            QTest::qWait(300);  // three more ticks
            stayedWithTheWarning =
                run.window->isVisible() && !run.window->damageNote->isHidden()
                && run.window->damageNote->text()
                       == "Checksum wrong in 1 of the later blocks (first: block 100): the scan may be damaged."
                && run.window->BitBtn2->text() == "Close";
            QTest::mouseClick(run.window->BitBtn2, Qt::LeftButton);
        });
        run.runModally();
        QVERIFY(stayedWithTheWarning);
        QCOMPARE(int(run.window->receive_ok()), 1);
        QVERIFY(!run.window->isVisible());
        QVERIFY(run.dialogs.messages.isEmpty());
        QVERIFY(!run.port->isOpen());
    }

    void aWrongChecksumIsReportedAndNothingKept()
    {
        WindowRun run;
        run.port->arrive(streamOf(0));
        run.runModally();
        QCOMPARE(int(run.window->receive_ok()), 0);
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.dialogs.messages[0].text, QStringLiteral("CRC error ! Repeat transmission."));
        QCOMPARE(run.dialogs.messages[0].icon, MessageIcon::Error);
        QVERIFY(!run.port->isOpen());
    }

    void aPortThatCannotBeOpenedIsReportedAtOnce()
    {
        WindowRun run;
        run.port->opens = false;
        run.runModally();
        QCOMPARE(int(run.window->receive_ok()), 0);
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.dialogs.messages[0].caption, QStringLiteral("Error"));
        QCOMPARE(run.dialogs.messages[0].text, QStringLiteral("Cannot open COM1 (/dev/ttyFAKE): No such file or directory"));
    }

    void noPortClosesTheWindowAtTheNextTick()
    {
        WindowRun run(0);
        run.runModally();
        QCOMPARE(int(run.window->receive_ok()), 0);
        QVERIFY(run.port->log()->isEmpty());
    }

    // Each tick shows the time since the start; after ten seconds without a
    // byte the window says so and what to check, and goes on waiting.
    void eachTickShowsTheElapsedTimeAndTheSilence_data()
    {
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<bool>("dataInTheTick");
        QTest::addColumn<QString>("elapsed");
        QTest::addColumn<bool>("silenceShown");
        QTest::newRow("quiet 9.9 s") << 9900 << false << "0:0:9" << false;
        QTest::newRow("quiet 10 s") << 10000 << false << "0:0:10" << true;
        QTest::newRow("bytes after 65 s") << 65000 << true << "0:1:5" << false;
        QTest::newRow("quiet 1 h 2 min 3 s") << 3723000 << false << "1:2:3" << true;
    }
    void eachTickShowsTheElapsedTimeAndTheSilence()
    {
        QFETCH(int, milliseconds);
        QFETCH(bool, dataInTheTick);
        QFETCH(QString, elapsed);
        QFETCH(bool, silenceShown);
        WindowRun run;
        run.now = QTime(10, 0, 0);
        run.window->FormActivate();
        run.window->Timer1->stop();  // the test ticks by hand
        run.now = run.now.addMSecs(milliseconds);
        if (dataInTheTick)
            run.port->arrive(streamOf(-1, 300));
        run.window->Timer1Timer();
        QCOMPARE(run.window->Label8->text(), elapsed);
        QCOMPARE(!run.window->silenceHint->isHidden(), silenceShown);
        if (silenceShown) {
            QVERIFY(run.window->silenceHint->text().startsWith(
                QStringLiteral("Nothing has arrived for %1 seconds.").arg(milliseconds / 1000)));
            QVERIFY(run.window->silenceHint->text().contains("COM1 (/dev/ttyFAKE)"));
        }
        QCOMPARE(int(run.window->receive_active), 1);  // still waiting
    }

    // The advice is wrapped at the window's width and shown whole, and the
    // window is wide enough for its caption.
    void theAdviceIsLaidOutAtTheWindowsWidth()
    {
        WindowRun run;
        run.now = QTime(10, 0, 0);
        run.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(run.window.get()));
        QTRY_COMPARE(int(run.window->receive_active), 1);
        run.window->Timer1->stop();
        run.now = run.now.addSecs(12);
        run.window->Timer1Timer();
        const QLabel *hint = run.window->silenceHint;
        QTRY_VERIFY2(hint->height() >= hint->heightForWidth(hint->width()),
                     qPrintable(QStringLiteral("%1 of %2 pixels").arg(hint->height()).arg(hint->heightForWidth(hint->width()))));
        QVERIFY(hint->isVisible());
        const int caption = run.window->fontMetrics().horizontalAdvance(run.window->windowTitle());
        QVERIFY(run.window->width() >= caption + 100);
        run.window->BitBtn2Click();
    }

    void bytesArrivingAgainHideTheSilence()
    {
        WindowRun run;
        run.now = QTime(10, 0, 0);
        run.window->FormActivate();
        run.window->Timer1->stop();
        run.now = run.now.addSecs(12);
        run.window->Timer1Timer();
        QVERIFY(!run.window->silenceHint->isHidden());
        run.port->arrive(streamOf(-1, 300));
        run.now = run.now.addSecs(1);
        run.window->Timer1Timer();
        QVERIFY(run.window->silenceHint->isHidden());
        run.now = run.now.addSecs(9);  // nine seconds since the last byte
        run.window->Timer1Timer();
        QVERIFY(run.window->silenceHint->isHidden());
    }

    void quitEndsTheReceiveAndClosesThePort()
    {
        WindowRun run;
        run.port->arrive(streamOf(-1, 5000));
        QTimer::singleShot(400, run.window.get(), [&] {
            QCOMPARE(run.window->Label2->text(), QStringLiteral("Receive : 5000 from 131072"));
            QVERIFY(!run.window->Led1->property("lit").toBool());  // nothing more arrived: the LED is off
            run.window->close();  // refused while the receive runs
            QVERIFY(run.window->isVisible());
            QTest::mouseClick(run.window->BitBtn2, Qt::LeftButton);
        });
        run.runModally();
        QCOMPARE(int(run.window->receive_ok()), 0);
        QCOMPARE(run.port->log()->last(), QStringLiteral("close"));
    }
};

QTEST_MAIN(ReceiveWindowTest)
#include "receive_window_test.moc"
