#include "finding_readout.h"
#include "main_window_run.h"
#include "probe_geometry_dialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>
#include <map>
#include <QToolBar>
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

    // The middle of the 3-D picture: left of the control panel, between the
    // tool bar and the bottom panel.
    QPoint onPicture() const
    {
        const int x = (window->ClientArea->width() - window->Panel1->width()) / 2;
        const int y = (window->CoolBar1->geometry().bottom() + window->Panel9->y()) / 2;
        return window->ClientArea->mapTo(window.get(), QPoint(x, y));
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, window->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &event);
    }

    // A left drag by (dx, dy) in one-pixel moves.
    void drag(int dx, int dy)
    {
        QPoint at = onPicture();
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        for (int i = 0; i < std::max(std::abs(dx), std::abs(dy)); ++i) {
            at += QPoint(i < std::abs(dx) ? (dx > 0 ? 1 : -1) : 0, i < std::abs(dy) ? (dy > 0 ? 1 : -1) : 0);
            mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        }
        mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }

    void wheel(int delta)
    {
        const QPoint at = onPicture();
        QWheelEvent event(at, window->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(window.get(), &event);
    }

    void press(Qt::Key key)
    {
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window.get(), key);
    }
};

QStringList sorted(QStringList calls)
{
    calls.sort();
    return calls;
}

// The turn and tilt the library was given in all, from the logged calls.
QPoint turnGiven(const QStringList &calls)
{
    QPoint sum;
    for (const QString &call : calls) {
        if (!call.startsWith(QStringLiteral("d3drotate_(")))
            continue;
        const QStringList angles = call.mid(11).chopped(1).split(QLatin1Char(','));
        sum += QPoint(angles[1].toInt(), angles[2].toInt());
    }
    return sum;
}

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
        // to turn -3 and tilt 0, tracked and picture alike
        for (int i = 0; i < 7; ++i)
            window.BitBtn2Click();
        for (int i = 0; i < 2; ++i)
            window.BitBtn3Click();
        run.d3d.calls().clear();
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

    // The tracked angles fall behind the picture at their limits and while
    // the picture swings at the side view; a plane view still comes out
    // exactly end-on, and the start view at its angles.
    void planeViewsComeOutEndOnWhereTheAnglesFellBehind_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("view");
        QTest::addColumn<QPoint>("turnAndTilt");
        QTest::newRow("right past the limit, F11") << "right" << "F11" << QPoint(0, 0);
        QTest::newRow("right past the limit, F12") << "right" << "F12" << QPoint(-90, 0);
        QTest::newRow("down past the limit, F11") << "down" << "F11" << QPoint(0, 0);
        QTest::newRow("down past the limit, start view") << "down" << "start" << QPoint(-24, 6);
        QTest::newRow("swung at the side view, F11") << "swing" << "F11" << QPoint(0, 0);
        QTest::newRow("swung at the side view, F12") << "swing" << "F12" << QPoint(-90, 0);
        QTest::newRow("in step, F12") << "" << "F12" << QPoint(-90, 0);
    }
    void planeViewsComeOutEndOnWhereTheAnglesFellBehind()
    {
        QFETCH(QString, before);
        QFETCH(QString, view);
        QFETCH(QPoint, turnAndTilt);
        ThreeDRun run;
        TForm1 &window = run.start();
        window.Timer1->stop();
        for (int i = 0; before == "right" && i < 20; ++i)
            window.BitBtn2Click();
        for (int i = 0; before == "down" && i < 30; ++i)
            window.BitBtn4Click();
        if (before == "swing") {
            window.SpeedButton2Click();
            window.idle_ticks = 119;
            for (int i = 0; i < 8; ++i)
                window.Timer1Timer();
        }
        view == "F11" ? window.SpeedButton1Click() : view == "F12" ? window.SpeedButton2Click() : window.returnToStartView();
        QCOMPARE(turnGiven(run.d3d.calls()), turnAndTilt);
    }

    // The stored pitches reach the library at start, the dialog's when it is confirmed.
    void theProbesPitchesReachTheLibrary()
    {
        ThreeDRun run;
        run.environment.store(QStringLiteral("SlicePitch"), QStringLiteral("2.5"));
        run.environment.store(QStringLiteral("LayerPitch"), QString());
        TForm1 &window = run.start();
        QCOMPARE(run.d3d.pitches(), QStringList{"2.5,0"});
        run.dialogs.onModal = [](QDialog &dialog) {
            auto &geometry = dynamic_cast<ProbeGeometryDialog &>(dialog);
            geometry.slicePitchEdit->setText(QStringLiteral("1.5"));
            geometry.layerPitchEdit->setText(QStringLiteral("4"));
            geometry.accept();
            return geometry.result();
        };
        menuItem(window, "probe-geometry")->trigger();
        QCOMPARE(run.d3d.pitches(), (QStringList{"2.5,0", "1.5,4"}));
    }

    // While a shown scan's layer range, depth borders or threshold differ
    // from the last renewal, a note over the 3-D area says so; F4 clears it.
    void aNoteSaysThePictureIsOutOfDate_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("outOfDate");
        QTest::newRow("first layer") << "RxSlider5" << 5 << true;
        QTest::newRow("last layer") << "RxSlider6" << 20 << true;
        QTest::newRow("top border") << "RxSlider2" << 30 << true;
        QTest::newRow("bottom border") << "RxSlider4" << 90 << true;
        QTest::newRow("threshold, which renews") << "RxSlider3" << 60 << false;
        QTest::newRow("brightness, not in the picture") << "RxSlider1" << 60 << false;
    }
    void aNoteSaysThePictureIsOutOfDate()
    {
        QFETCH(QString, control);
        QFETCH(int, value);
        QFETCH(bool, outOfDate);
        ThreeDRun run;
        TForm1 &window = run.start({QStringLiteral("velmora"), run.writeFile("sample.vlm", bundledSample())});
        window.Timer1->stop();
        auto *note = window.findChild<QLabel *>(QStringLiteral("RenewalNote"));
        QVERIFY(note);
        QVERIFY(!note->isVisibleTo(&window));
        const std::map<QString, QSlider *> sliders{{"RxSlider1", window.RxSlider1}, {"RxSlider2", window.RxSlider2},
                                                   {"RxSlider3", window.RxSlider3}, {"RxSlider4", window.RxSlider4},
                                                   {"RxSlider5", window.RxSlider5}, {"RxSlider6", window.RxSlider6}};
        sliders.at(control)->setValue(value);
        QCOMPARE(note->isVisibleTo(&window), outOfDate);
        QCOMPARE(note->text(), QStringLiteral("3-D picture out of date: F4 renews"));
        const QRect area(QPoint(0, window.height() - 68 - (window.ClientArea->height() - 33 - 68)),
                         QSize(window.ClientArea->width() - 216, window.ClientArea->height() - 33 - 68));
        if (outOfDate)
            QVERIFY(area.contains(note->geometry()));
        run.press(Qt::Key_F4);
        QVERIFY(!note->isVisibleTo(&window));
        sliders.at(control)->setValue(value + 1);
        window.N1Click();  // nothing shown: nothing to renew
        QVERIFY(!note->isVisibleTo(&window));
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

    // A drag turns by the buttons' steps, one for every DragSteps::kPixelsPerStep
    // pixels, with the buttons' angle tracking and limits.
    void aDragTurnsAsTheButtonsDo_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("tilt");
        QTest::newRow("right") << 30 << 0 << -24 << 6;
        QTest::newRow("left, with a rest") << -61 << 0 << -24 << 6;
        QTest::newRow("down") << 0 << 25 << -24 << 6;
        QTest::newRow("up and right") << 13 << -20 << -24 << 6;
        QTest::newRow("right into the limit") << 60 << 0 << 21 << 6;
        QTest::newRow("up into the limit") << 0 << -60 << -24 << -24;
        QTest::newRow("down into the limit") << 5 << 48 << -90 << 84;
    }
    void aDragTurnsAsTheButtonsDo()
    {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(int, turn);
        QFETCH(int, tilt);
        ThreeDRun dragged;
        TForm1 &window = dragged.startQuiet();
        window.turn_angle = turn;
        window.tilt_angle = tilt;
        dragged.drag(dx, dy);

        ThreeDRun pressed;
        TForm1 &buttons = pressed.startQuiet();
        buttons.turn_angle = turn;
        buttons.tilt_angle = tilt;
        const int across = std::abs(dx) / DragSteps::kPixelsPerStep, down = std::abs(dy) / DragSteps::kPixelsPerStep;
        for (int i = 0; i < across; ++i)
            QTest::mouseClick(dx > 0 ? buttons.BitBtn2 : buttons.BitBtn1, Qt::LeftButton);
        for (int i = 0; i < down; ++i)
            QTest::mouseClick(dy > 0 ? buttons.BitBtn4 : buttons.BitBtn3, Qt::LeftButton);

        QCOMPARE(dragged.d3d.callsWithoutRepaints().size(), across + down);
        QCOMPARE(sorted(dragged.d3d.callsWithoutRepaints()), sorted(pressed.d3d.callsWithoutRepaints()));
        QCOMPARE(window.turn_angle, buttons.turn_angle);
        QCOMPARE(window.tilt_angle, buttons.tilt_angle);
    }

    void theWheelZoomsAsF2AndF3_data()
    {
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<QList<int>>("keys");
        QTest::newRow("one notch away") << QList<int>{120} << QList<int>{Qt::Key_F2};
        QTest::newRow("two notches back") << QList<int>{-240} << QList<int>{Qt::Key_F3, Qt::Key_F3};
        QTest::newRow("two half notches") << QList<int>{60, 60} << QList<int>{Qt::Key_F2};
        QTest::newRow("back and away") << QList<int>{-120, 120} << QList<int>{Qt::Key_F3, Qt::Key_F2};
        QTest::newRow("less than a notch") << QList<int>{90} << QList<int>{};
    }
    void theWheelZoomsAsF2AndF3()
    {
        QFETCH(QList<int>, deltas);
        QFETCH(QList<int>, keys);
        ThreeDRun wheeled;
        TForm1 &window = wheeled.startQuiet();
        for (int delta : deltas)
            wheeled.wheel(delta);
        ThreeDRun pressed;
        TForm1 &other = pressed.startQuiet();
        for (int key : keys)
            pressed.press(static_cast<Qt::Key>(key));
        QCOMPARE(wheeled.d3d.callsWithoutRepaints(), pressed.d3d.callsWithoutRepaints());
        QCOMPARE(window.zoom_steps, other.zoom_steps);
    }

    void aDoubleClickGoesBackToTheStartView()
    {
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        run.drag(40, -70);
        run.wheel(360);
        QVERIFY(window.turn_angle != -24 && window.tilt_angle != 6);
        run.mouse(QEvent::MouseButtonDblClick, run.onPicture(), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(window.turn_angle, -24);
        QCOMPARE(window.tilt_angle, 6);
        // every turn and zoom sent since the start is undone, one step a call
        float turned = 0, tilted = 0, zoomed = 0;
        for (const QString &call : run.d3d.callsWithoutRepaints()) {
            const QStringList numbers = call.section('(', 1).chopped(1).split(',');
            QCOMPARE(numbers.size(), 3);
            QVERIFY(std::abs(numbers[1].toFloat()) <= 3 && std::abs(numbers[2].toFloat()) <= 3);
            (call.startsWith("d3drotate_") ? turned : zoomed) += numbers[1].toFloat();
            tilted += call.startsWith("d3drotate_") ? numbers[2].toFloat() : 0;
        }
        QCOMPARE(turned, 0.f);
        QCOMPARE(tilted, 0.f);
        QVERIFY(std::abs(zoomed) < 1e-4f);
    }

    void everyMouseActionCountsAsActivity_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("press") << "press";
        QTest::newRow("drag less than a step") << "move";
        QTest::newRow("wheel") << "wheel";
        QTest::newRow("double click") << "double";
    }
    void everyMouseActionCountsAsActivity()
    {
        QFETCH(QString, action);
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        const QPoint at = run.onPicture();
        if (action != "press")
            run.mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        window.idle_ticks = 50;
        if (action == "press")
            run.mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        else if (action == "move")
            run.mouse(QEvent::MouseMove, at + QPoint(2, 1), Qt::NoButton, Qt::LeftButton);
        else if (action == "wheel")
            run.wheel(30);
        else
            run.mouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(window.idle_ticks, 0);
        QVERIFY(run.d3d.callsWithoutRepaints().isEmpty());
    }

    // Off the picture, the mouse leaves it alone.
    void theMouseOffThePictureTurnsNothing()
    {
        ThreeDRun run;
        TForm1 &window = run.startQuiet();
        const QPoint panel = window.Panel1->mapTo(&window, QPoint(5, window.Panel1->height() - 5));
        run.mouse(QEvent::MouseButtonPress, panel, Qt::LeftButton, Qt::LeftButton);
        run.mouse(QEvent::MouseMove, panel + QPoint(-100, 0), Qt::NoButton, Qt::LeftButton);
        run.mouse(QEvent::MouseButtonRelease, panel + QPoint(-100, 0), Qt::LeftButton, Qt::NoButton);
        QVERIFY(run.d3d.callsWithoutRepaints().isEmpty());
        QCOMPARE(window.turn_angle, -24);
    }

    // The depth axis of the picture is numbered by the loaded file's scale:
    // the low two bits of image byte 2052 select 20, 50, 100 or 200.
    void loadingAFileGivesTheLibraryItsDepthScale_data()
    {
        QTest::addColumn<int>("scaleByte");
        QTest::addColumn<int>("depthScale");
        QTest::newRow("code 0") << 0x00 << 20;
        QTest::newRow("code 1") << 0x01 << 50;
        QTest::newRow("code 3") << 0x03 << 200;
        QTest::newRow("0x07: low bits 3") << 0x07 << 200;
        QTest::newRow("0x04: low bits 0") << 0x04 << 20;
    }
    void loadingAFileGivesTheLibraryItsDepthScale()
    {
        QFETCH(int, scaleByte);
        QFETCH(int, depthScale);
        ThreeDRun run;
        QByteArray image(131072, '\0');
        image[2052] = static_cast<char>(scaleByte);
        run.start({QStringLiteral("velmora"), run.writeFile("scaled.vlm", scanFileOf(image))});
        QVERIFY(!run.d3d.depthScales().isEmpty());
        QCOMPARE(run.d3d.depthScales().last(), depthScale);
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
