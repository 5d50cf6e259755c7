#include "instrument_simulator_run.h"
#include "main_window_run.h"
#include "port_window.h"
#include "pseudo_terminal.h"
#include "receive_window.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QTest>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A main window with the receive and port windows, whose COM1 is the
// simulator's pseudo-terminal when one is given.
struct DeviceRun : MainWindowRun {
    TForm5 receiveWindow;
    TForm6 portWindow;

    DeviceRun()
    {
        windows.receiveWindow = &receiveWindow;
        windows.portWindow = &portWindow;
    }

    TForm1 &startOn(const QString &com1, const QStringList &arguments = {QStringLiteral("velmora")})
    {
        environment.setComDevice(1, com1);
        environment.storeComplete();
        environment.store("Port", 1);
        return start(arguments);
    }

    // The receive window runs as the program runs it; the port window is left with Cancel.
    void answerWindowsAsAPersonWould()
    {
        dialogs.onModal = [](QDialog &dialog) { return dialog.exec(); };
    }

    QByteArray shownImage() const
    {
        return QByteArray(reinterpret_cast<const char *>(window->volume.scan_image.data()), 131073);
    }
};

}  // namespace

class ReceiveCommandTest : public QObject {
    Q_OBJECT

private slots:
    void directModeReceivesTheSampleIntoAFileAndOpensIt()
    {
        DeviceRun run;
        const InstrumentSimulatorRun simulator(run.writeFile("sent.vlm", bundledSample()));
        QVERIFY(!simulator.devicePath().isEmpty());
        TForm1 &window = run.startOn(simulator.devicePath());
        QCOMPARE(window.port_number, 1);
        run.answerWindowsAsAPersonWould();
        const QString target = run.environment.path("received.vlm");
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{target, 1});
        window.RxSpeedButton4Click();
        QCOMPARE(int(window.receive_ok), 1);
        const QByteArray received = fileBytes(target);
        QCOMPARE(received.size(), 131088);
        QVERIFY(received.startsWith("VLMv1.0"));
        // every layer as sent: the sample's layers are already within the save-time clamp
        QCOMPARE(received.mid(16 + 5120), bundledSample().mid(16 + 5120));
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora ( %1 )").arg(target));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(window.volume.raw_image.data()), 131072), received.mid(16));
        QCOMPARE(run.dialogs.fileDialogs[0].title, QStringLiteral("Save file"));
    }

    void aCorruptedBlockLeavesTheOldFileAndTheVolume()
    {
        DeviceRun run;
        const InstrumentSimulatorRun simulator(run.writeFile("sent.vlm", bundledSample()),
                                               {QStringLiteral("--corrupt-block"), QStringLiteral("3")});
        TForm1 &window = run.startOn(simulator.devicePath());
        const QString target = run.writeFile("old.vlm", "the old scan");
        const QByteArray shownBefore = run.shownImage();
        const QString captionBefore = window.windowTitle();
        run.answerWindowsAsAPersonWould();
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{target, 1});
        run.dialogs.messageAnswers.push_back(MessageAnswer::Yes);  // overwrite
        window.RxSpeedButton4Click();
        QCOMPARE(int(window.receive_ok), 0);
        QCOMPARE(run.dialogs.messages.last().text, QStringLiteral("CRC error ! Repeat transmission."));
        QCOMPARE(fileBytes(target), QByteArray("the old scan"));
        QCOMPARE(run.shownImage(), shownBefore);
        // the scan shown keeps its name
        QCOMPARE(window.windowTitle(), captionBefore);
        QVERIFY(window.volume.current_file_name.isEmpty());
    }

    void quittingHalfwayLeavesTheOldFileAndTheVolume()
    {
        DeviceRun run;
        const InstrumentSimulatorRun simulator(run.writeFile("sent.vlm", bundledSample()),
                                               {QStringLiteral("--stop-after"), QStringLiteral("60000")});
        TForm1 &window = run.startOn(simulator.devicePath());
        const QString target = run.writeFile("old.vlm", "the old scan");
        const QByteArray shownBefore = run.shownImage();
        run.dialogs.onModal = [&](QDialog &dialog) {
            dialog.show();
            if (!QTest::qWaitFor([&] { return run.receiveWindow.Label2->text() == "Receive : 60000 from 131072"; },
                                 10000))
                qWarning("the first 60,000 bytes did not arrive");
            QTest::mouseClick(run.receiveWindow.BitBtn2, Qt::LeftButton);
            return dialog.result();
        };
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{target, 1});
        run.dialogs.messageAnswers.push_back(MessageAnswer::Yes);
        window.RxSpeedButton4Click();
        QCOMPARE(run.receiveWindow.Label2->text(), QStringLiteral("Receive : 60000 from 131072"));
        QCOMPARE(int(window.receive_ok), 0);
        QVERIFY(window.volume.current_file_name.isEmpty());
        QCOMPARE(fileBytes(target), QByteArray("the old scan"));
        QCOMPARE(run.shownImage(), shownBefore);
    }

    void answeringNoStartsNoReceive()
    {
        DeviceRun run;
        TForm1 &window = run.startOn(run.environment.path("no-tty"));
        const QString target = run.writeFile("old.vlm", "the old scan");
        run.dialogs.modalWindows.clear();
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{target, 1});
        run.dialogs.messageAnswers.push_back(MessageAnswer::No);
        window.RxSpeedButton4Click();
        QVERIFY(run.dialogs.modalWindows.isEmpty());
        QCOMPARE(fileBytes(target), QByteArray("the old scan"));
        QVERIFY(window.volume.current_file_name.isEmpty());
    }

    // Minutes of transfer are not lost to a folder that went away meanwhile:
    // the scan is kept in the user's data folder and the message says where.
    void aScanThatCannotBeSavedIsKeptForRecovery()
    {
        DeviceRun run;
        const InstrumentSimulatorRun simulator(run.writeFile("sent.vlm", bundledSample()));
        TForm1 &window = run.startOn(simulator.devicePath());
        const QString folder = run.environment.path("incoming");
        QVERIFY(QDir().mkdir(folder));
        const QString target = folder + "/scan.vlm";
        const QString captionBefore = window.windowTitle();
        const QByteArray shownBefore = run.shownImage();
        run.dialogs.onModal = [&](QDialog &dialog) {
            QDir(folder).removeRecursively();  // the folder goes during the transfer
            return dialog.exec();
        };
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{target, 1});
        window.RxSpeedButton4Click();
        QCOMPARE(int(window.receive_ok), 1);
        const QString recovered = run.environment.path("data/qrn/Velmora/recovered");
        const QStringList kept = QDir(recovered).entryList(QDir::Files);
        QCOMPARE(kept.size(), 1);
        QVERIFY(kept[0].startsWith("scan-"));
        const QByteArray keptBytes = fileBytes(recovered + "/" + kept[0]);
        QCOMPARE(keptBytes.size(), 131088);
        QCOMPARE(keptBytes.mid(16 + 5120), bundledSample().mid(16 + 5120));
        QCOMPARE(run.dialogs.messages.size(), 1);
        const QString text = run.dialogs.messages[0].text;
        QVERIFY2(text.startsWith(QStringLiteral("Cannot save %1: ").arg(target)), qPrintable(text));
        QVERIFY2(text.endsWith(QStringLiteral("The received scan is kept in %1/%2.").arg(recovered, kept[0])),
                 qPrintable(text));
        QCOMPARE(window.windowTitle(), captionBefore);
        QVERIFY(window.volume.current_file_name.isEmpty());
        QCOMPARE(run.shownImage(), shownBefore);
    }

    // The target was free when it was chosen, so nothing was agreed to be
    // overwritten: a file made there during the receive stays.
    void aFileMadeAtTheTargetDuringTheReceiveStays()
    {
        DeviceRun run;
        const InstrumentSimulatorRun simulator(run.writeFile("sent.vlm", bundledSample()));
        TForm1 &window = run.startOn(simulator.devicePath());
        const QString target = run.environment.path("scan.vlm");
        run.dialogs.onModal = [&](QDialog &dialog) {
            run.writeFile("scan.vlm", "made meanwhile");
            return dialog.exec();
        };
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{target, 1});
        window.RxSpeedButton4Click();
        QCOMPARE(int(window.receive_ok), 1);
        QCOMPARE(fileBytes(target), QByteArray("made meanwhile"));
        const QString recovered = run.environment.path("data/qrn/Velmora/recovered");
        const QStringList kept = QDir(recovered).entryList(QDir::Files);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(fileBytes(recovered + "/" + kept[0]).mid(16 + 5120), bundledSample().mid(16 + 5120));
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.dialogs.messages[0].text,
                 QStringLiteral("Cannot save %1: a file of that name was made during the receive, and it is left as it "
                                "is. The received scan is kept in %2/%3.")
                     .arg(target, recovered, kept[0]));
        QVERIFY(window.volume.current_file_name.isEmpty());
    }

    // Enter in the dialog must not overwrite the scan on screen: the name
    // offered is a new one, beside the open scan or in the last folder.
    void receiveDataOffersANewName_data()
    {
        QTest::addColumn<bool>("scanOpen");
        QTest::newRow("a scan open") << true;
        QTest::newRow("no scan open") << false;
    }
    void receiveDataOffersANewName()
    {
        QFETCH(bool, scanOpen);
        DeviceRun run;
        const QString scan = run.writeFile("weld.vlm", bundledSample());
        const QString lastFolder = run.environment.path("last");
        QVERIFY(QDir().mkdir(lastFolder));
        run.environment.store("LastDir", lastFolder);
        QStringList arguments{"velmora"};
        if (scanOpen)
            arguments << scan;
        TForm1 &window = run.startOn(run.environment.path("no-tty"), arguments);
        QCOMPARE(window.volume.current_file_name, scanOpen ? scan : QString());
        window.RxSpeedButton4Click();  // the dialog is cancelled
        const QString offered = run.dialogs.fileDialogs.last().fileName;
        if (scanOpen) {
            QCOMPARE(offered, run.environment.path("weld1.vlm"));
            return;
        }
        QVERIFY2(QRegularExpression("^received-\\d{8}-\\d{6}\\.vlm$").match(QFileInfo(offered).fileName()).hasMatch(),
                 qPrintable(offered));
        QCOMPARE(QFileInfo(offered).absolutePath(), lastFolder);
    }

    // A later block's wrong checksum keeps the scan: the receive window says
    // so and stays until closed, then the scan is saved and opened.
    void aWrongLaterChecksumIsShownAndTheScanKept()
    {
        DeviceRun run;
        const InstrumentSimulatorRun simulator(run.writeFile("sent.vlm", bundledSample()),
                                               {QStringLiteral("--corrupt-block"), QStringLiteral("100")});
        TForm1 &window = run.startOn(simulator.devicePath());
        const QString target = run.environment.path("damaged.vlm");
        QString shown;
        run.dialogs.onModal = [&](QDialog &dialog) {
            dialog.show();
            QTest::qWaitFor([&] { return run.receiveWindow.BitBtn2->text() == "Close"; }, 10000);
            if (run.receiveWindow.isVisible() && !run.receiveWindow.damageNote->isHidden())
                shown = run.receiveWindow.damageNote->text();
            QTest::mouseClick(run.receiveWindow.BitBtn2, Qt::LeftButton);
            return dialog.result();
        };
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{target, 1});
        window.RxSpeedButton4Click();
        QCOMPARE(shown, QStringLiteral("Checksum wrong in 1 of the later blocks (first: block 100): the scan may be damaged."));
        QCOMPARE(int(window.receive_ok), 1);
        QCOMPARE(fileBytes(target).size(), 131088);
        QCOMPARE(window.volume.current_file_name, target);
    }

    void onlyZerosAreRefusedAndTheOldFileKept()
    {
        DeviceRun run;
        QByteArray zeros(131088, '\0');
        zeros.replace(0, 7, "VLMv1.0");
        const InstrumentSimulatorRun simulator(run.writeFile("zeros.vlm", zeros));
        TForm1 &window = run.startOn(simulator.devicePath());
        const QString target = run.writeFile("old.vlm", "the old scan");
        const QByteArray shownBefore = run.shownImage();
        run.answerWindowsAsAPersonWould();
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{target, 1});
        run.dialogs.messageAnswers.push_back(MessageAnswer::Yes);  // overwrite
        window.RxSpeedButton4Click();
        QCOMPARE(run.dialogs.messages.last().text,
                 QStringLiteral("Only zeros arrived: check the cable and that the instrument is sending."));
        QCOMPARE(fileBytes(target), QByteArray("the old scan"));
        QCOMPARE(run.shownImage(), shownBefore);
        QVERIFY(window.volume.current_file_name.isEmpty());
    }

    void aTargetFolderThatCannotBeWrittenIsReportedBeforeTheReceive()
    {
        DeviceRun run;
        TForm1 &window = run.startOn(run.environment.path("no-tty"));
        run.dialogs.modalWindows.clear();
        const QString target = run.environment.path("absent/scan.vlm");
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{target, 1});
        window.RxSpeedButton4Click();
        QVERIFY(run.dialogs.modalWindows.isEmpty());
        QCOMPARE(run.dialogs.messages.size(), 1);
        QVERIFY(run.dialogs.messages[0].text.startsWith(QStringLiteral("Cannot save %1: ").arg(target)));
    }

    void aPortThatCannotBeOpenedIsReportedAndTheOldFileStays()
    {
        DeviceRun run;
        TForm1 &window = run.startOn(run.environment.path("no-tty"));
        window.port_number = 1;
        const QString target = run.writeFile("old.vlm", "the old scan");
        run.answerWindowsAsAPersonWould();
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{target, 1});
        run.dialogs.messageAnswers.push_back(MessageAnswer::Yes);
        window.RxSpeedButton4Click();
        QCOMPARE(run.dialogs.messages.last().caption, QStringLiteral("Error"));
        QVERIFY(run.dialogs.messages.last().text.startsWith(
            QStringLiteral("Cannot open COM1 (%1): ").arg(run.environment.path("no-tty"))));
        QCOMPARE(fileBytes(target), QByteArray("the old scan"));
    }

    void theProbeFindsAPseudoTerminal()
    {
        DeviceRun run;
        PseudoTerminal terminal;
        TForm1 &window = run.startOn(run.environment.path("no-tty"));
        run.environment.setComDevice(2, terminal.devicePath());
        window.port_number = 0;
        window.Option1Click();
        QCOMPARE(window.port_present, (std::array<uint8_t, 4>{0, 1, 0, 0}));
        QCOMPARE(window.port_number, 2);
        QCOMPARE(window.RxLabel6->text(), QStringLiteral("Port : COM2 speed : 115200"));
    }

    void aPresentComOneIsPreselectedAndCancelKeepsIt()
    {
        DeviceRun run;
        PseudoTerminal terminal;
        TForm1 &window = run.startOn(terminal.devicePath());
        window.port_number = 3;
        bool checkedAsExpected = false;
        run.dialogs.onModal = [&](QDialog &dialog) {
            dialog.show();
            checkedAsExpected = run.portWindow.RadioButton1->isChecked() && !run.portWindow.RadioButton3->isChecked()
                                && run.portWindow.RadioButton1->isEnabled() && !run.portWindow.RadioButton3->isEnabled()
                                && run.portWindow.RadioButton1->toolTip().contains(terminal.devicePath());
            QTest::mouseClick(run.portWindow.Button2, Qt::LeftButton);
            return dialog.result();
        };
        window.Option1Click();
        QVERIFY(checkedAsExpected);
        QCOMPARE(window.port_number, 1);
    }

    void okTakesThePortAndTheAdapter()
    {
        DeviceRun run;
        PseudoTerminal terminal;
        TForm1 &window = run.startOn(run.environment.path("no-tty"));
        run.environment.setComDevice(4, terminal.devicePath());
        window.external_adapter = 0;
        run.dialogs.onModal = [&](QDialog &dialog) {
            dialog.show();
            run.portWindow.RadioButton4->setChecked(true);
            run.portWindow.CheckBox1->setChecked(true);
            QTest::mouseClick(run.portWindow.Button1, Qt::LeftButton);
            return dialog.result();
        };
        window.Option1Click();
        QCOMPARE(window.port_number, 4);
        QCOMPARE(int(window.external_adapter), 1);
    }

    void noPortPresentDisablesAllFour()
    {
        DeviceRun run;
        TForm1 &window = run.startOn(run.environment.path("no-tty"));
        bool allDisabled = false;
        run.dialogs.onModal = [&](QDialog &dialog) {
            dialog.show();
            allDisabled = !run.portWindow.RadioButton1->isEnabled() && !run.portWindow.RadioButton2->isEnabled()
                          && !run.portWindow.RadioButton3->isEnabled() && !run.portWindow.RadioButton4->isEnabled();
            QTest::mouseClick(run.portWindow.Button1, Qt::LeftButton);
            return dialog.result();
        };
        window.port_number = 0;
        window.Option1Click();
        QVERIFY(allDisabled);
        QCOMPARE(window.port_number, 0);
        QCOMPARE(run.portWindow.windowTitle(), QStringLiteral("Select port"));
        QCOMPARE(run.portWindow.Button2->text(), QStringLiteral("&Can\u0441el"));
    }

    void aFailedPortCheckAtStartRunsTheProbeAndStoresItsChoice()
    {
        DeviceRun run;
        PseudoTerminal terminal;
        run.environment.setComDevice(3, terminal.devicePath());
        run.environment.storeComplete();
        run.environment.store("Port", 2);  // COM2 is absent
        TForm1 &window = run.start();
        QCOMPARE(run.dialogs.modalWindows.size(), 1);
        QCOMPARE(run.dialogs.modalWindows[0], &run.portWindow);
        QCOMPARE(window.port_number, 2);  // a chosen port stays chosen even when absent
        QCOMPARE(run.environment.stored("Port").toInt(), 2);
    }
};

QTEST_MAIN(ReceiveCommandTest)
#include "receive_command_test.moc"
