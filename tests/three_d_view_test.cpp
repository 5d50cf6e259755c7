#include "main_window_run.h"

#include <QCheckBox>
#include <QFrame>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

QStringList repeated(const QString &call, int times)
{
    QStringList calls;
    for (int i = 0; i < times; ++i)
        calls << call;
    return calls;
}

struct ThreeDRun : MainWindowRun {
    TForm1 &startQuiet()
    {
        TForm1 &window = start();
        window.Timer1->stop();
        d3d.calls().clear();
        return window;
    }
};

}  // namespace

class ThreeDViewTest : public QObject {
    Q_OBJECT

private slots:
    void turnsAreSentWhileTheAnglesStayInRange_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("tilt");
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("turnAfter");
        QTest::addColumn<int>("tiltAfter");
        QTest::newRow("right at 27 keeps 27") << "BitBtn2" << 27 << 0 << "d3drotate_(0,3,0)" << 27 << 0;
        QTest::newRow("right at 24") << "BitBtn2" << 24 << 0 << "d3drotate_(0,3,0)" << 27 << 0;
        QTest::newRow("left at -90 keeps -90") << "BitBtn1" << -90 << 0 << "d3drotate_(0,-3,0)" << -90 << 0;
        QTest::newRow("left at -87") << "BitBtn1" << -87 << 0 << "d3drotate_(0,-3,0)" << -90 << 0;
        QTest::newRow("up at -30 keeps -30") << "BitBtn3" << 0 << -30 << "d3drotate_(0,0,-3)" << 0 << -30;
        QTest::newRow("down at 87 keeps 87") << "BitBtn4" << 0 << 87 << "d3drotate_(0,0,3)" << 0 << 87;
        QTest::newRow("down at 84") << "BitBtn4" << 0 << 84 << "d3drotate_(0,0,3)" << 0 << 87;
    }
    void turnsAreSentWhileTheAnglesStayInRange()
    {
        QFETCH(QString, button);
        QFETCH(int, turn);
        QFETCH(int, tilt);
        QFETCH(QString, call);
        QFETCH(int, turnAfter);
        QFETCH(int, tiltAfter);
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        window.turn_angle = turn;
        window.tilt_angle = tilt;
        window.idle_ticks = 50;
        QToolButton *pressed = button == "BitBtn1"   ? window.BitBtn1
                               : button == "BitBtn2" ? window.BitBtn2
                               : button == "BitBtn3" ? window.BitBtn3
                                                     : window.BitBtn4;
        QTest::mouseClick(pressed, Qt::LeftButton);
        QCOMPARE(run.d3d.callsWithoutRepaints(), QStringList{call});
        QCOMPARE(window.turn_angle, turnAfter);
        QCOMPARE(window.tilt_angle, tiltAfter);
        QCOMPARE(window.idle_ticks, 0);
    }

    void zoomButtons()
    {
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        QTest::mouseClick(window.BitBtn9, Qt::LeftButton);
        QTest::mouseClick(window.BitBtn10, Qt::LeftButton);
        QCOMPARE(run.d3d.callsWithoutRepaints(), (QStringList{"d3dscale_(0.1,0.1,0.1)", "d3dscale_(-0.1,-0.1,-0.1)"}));
    }

    void aBusyViewDropsTheClickButCountsIt()
    {
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        window.view_busy = 1;
        window.idle_ticks = 70;
        window.BitBtn1Click();
        QCOMPARE(window.idle_ticks, 0);
        window.idle_ticks = 70;
        window.CheckBox7->setChecked(false);
        QCOMPARE(window.idle_ticks, 0);
        window.BitBtn9Click();
        window.CheckBox1->setChecked(!window.CheckBox1->isChecked());
        QVERIFY(run.d3d.callsWithoutRepaints().isEmpty());
        QCOMPARE(window.turn_angle, -24);
        QCOMPARE(int(window.view_busy), 1);
    }

    void sideViewFromTheStart()
    {
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        QTest::mouseClick(window.SpeedButton2, Qt::LeftButton);
        QCOMPARE(run.d3d.callsWithoutRepaints(),
                 repeated("d3drotate_(0,-3,0)", 22) + repeated("d3drotate_(0,0,-3)", 2));
        QCOMPARE(window.turn_angle, -90);
        QCOMPARE(window.tilt_angle, 0);
    }

    void frontViewFromTheStart()
    {
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        QTest::mouseClick(window.SpeedButton1, Qt::LeftButton);
        QCOMPARE(run.d3d.callsWithoutRepaints(),
                 repeated("d3drotate_(0,3,0)", 8) + repeated("d3drotate_(0,0,-3)", 2));
        QCOMPARE(window.turn_angle, 0);
        QCOMPARE(window.tilt_angle, 0);
    }

    void planeViewsWaitForTheViewToBeFree()
    {
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        window.turn_angle = -3;
        window.tilt_angle = 0;
        window.view_busy = 1;
        QTimer::singleShot(50, &window, [&] { window.view_busy = 0; });
        window.SpeedButton1Click();
        QCOMPARE(run.d3d.callsWithoutRepaints(), QStringList{"d3drotate_(0,3,0)"});
        QCOMPARE(int(window.view_busy), 0);
    }

    void timerSwingsAfterFourQuietMinutes_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("call");
        QTest::newRow("still quiet") << 100 << 101 << "";
        QTest::newRow("tick 120 swings forward") << 119 << 120 << "d3drotate_(0,3,3)";
        QTest::newRow("tick 126 swings back") << 125 << 126 << "d3drotate_(0,-3,-3)";
        QTest::newRow("tick 136 stands still") << 135 << 136 << "d3drotate_(0,0,0)";
        QTest::newRow("tick 512 still counts") << 511 << 512 << "d3drotate_(0,-3,-3)";  // 512 mod 21 = 8
        QTest::newRow("after 512 the count folds to 60") << 512 << 60 << "";
    }
    void timerSwingsAfterFourQuietMinutes()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(QString, call);
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        window.turn_angle = 0;
        window.tilt_angle = 0;
        window.idle_ticks = before;
        window.Timer1Timer();
        QCOMPARE(window.idle_ticks, after);
        QCOMPARE(run.d3d.callsWithoutRepaints(), call.isEmpty() ? QStringList{} : QStringList{call});
        const int step = call.contains("(0,3,3)") ? 3 : call.contains("-3") ? -3 : 0;
        QCOMPARE(window.turn_angle, step);
        QCOMPARE(window.tilt_angle, step);
    }

    void swingingGoesTenStepsEachWay()
    {
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        window.turn_angle = 0;
        window.tilt_angle = 0;
        window.idle_ticks = 125;
        for (int tick = 0; tick < 21; ++tick)
            window.Timer1Timer();
        const QStringList calls = run.d3d.callsWithoutRepaints();
        QCOMPARE(calls.count("d3drotate_(0,3,3)"), 10);
        QCOMPARE(calls.count("d3drotate_(0,-3,-3)"), 10);
        QCOMPARE(calls.count("d3drotate_(0,0,0)"), 1);
        QCOMPARE(window.turn_angle, 0);
    }

    void timerRestsWhileTheViewIsBusy()
    {
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        window.idle_ticks = 200;
        window.view_busy = 1;
        window.Timer1Timer();
        QCOMPARE(window.idle_ticks, 200);
        QVERIFY(run.d3d.callsWithoutRepaints().isEmpty());
    }

    void theTimerTicksEveryTwoSeconds()
    {
        ThreeDRun run;
        TForm1 &window = run.start();
        QVERIFY(window.Timer1->isActive());
        QCOMPARE(window.Timer1->interval(), 2000);
    }

    void framesSwitchOnEveryClick()
    {
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        QTest::mouseClick(window.CheckBox1, Qt::LeftButton);
        QTest::mouseClick(window.CheckBox1, Qt::LeftButton);
        QCOMPARE(run.d3d.callsWithoutRepaints(), (QStringList{"d3dtype_(1)", "d3dtype_(1)"}));
    }

    void layoutsGiveTheirDrawingAreas()
    {
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        window.CheckBox7->setChecked(false);
        const int flatBottom = window.Panel1->height() + 10 - 0 - 33 - 100 + 68 - 16;
        QCOMPARE(run.d3d.callsWithoutRepaints(),
                 (QStringList{QStringLiteral("d3dzero_(%1,%2)").arg(window.Panel1->x() + 9).arg(flatBottom),
                              "d3dsize_(200,100)"}));
        QVERIFY(window.Panel5->isVisibleTo(&window));
        QVERIFY(!window.Panel3->isVisibleTo(&window));
        QCOMPARE(window.Panel2->frameShadow(), QFrame::Raised);
        run.d3d.calls().clear();
        window.CheckBox7->setChecked(true);
        QCOMPARE(run.d3d.callsWithoutRepaints(),
                 (QStringList{"d3dzero_(0,68)", QStringLiteral("d3dsize_(%1,%2)")
                                                    .arg(window.ClientArea->width() - 216)
                                                    .arg(window.ClientArea->height() - 33 - 68)}));
        QVERIFY(window.Panel3->isVisibleTo(&window));
        QVERIFY(!window.Panel5->isVisibleTo(&window));
        QCOMPARE(window.Panel2->frameShadow(), QFrame::Sunken);
    }

    void renewHandsTheVolumeOverWithTheThreshold()
    {
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        window.RxSlider3->setValue(57);
        run.d3d.calls().clear();
        window.idle_ticks = 9;
        window.ToolButton6->trigger();
        QCOMPARE(run.d3d.callsWithoutRepaints(), QStringList{"d3dreview_(57)"});
        QCOMPARE(window.idle_ticks, 0);
    }

    void everyRenderCountsAsActivity()
    {
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        window.idle_ticks = 300;
        window.RxSlider1->setValue(50);
        QCOMPARE(window.idle_ticks, 0);
    }
};

QTEST_MAIN(ThreeDViewTest)
#include "three_d_view_test.moc"
