// The serial port's choice and "Receive data".

#include "dialog_seam.h"
#include "main_window.h"
#include "port_window.h"
#include "receive_target.h"
#include "received_scan.h"
#include "receive_window.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

void TForm1::Option1Click()
{
    port_present = probePorts(port_number, [this](int n) { return comDevice(n); });
    if (TForm6 *window = windows_.portWindow) {
        PortChoice choice{port_present, port_number, external_adapter, {}};
        for (int n = 1; n <= kComPortCount; ++n)
            choice.devices[static_cast<std::size_t>(n - 1)] = comDevice(n);
        window->setChoice(choice);
        if (dialogs().runModal(*window) == QDialog::Accepted) {
            port_number = window->choice().port_number;
            external_adapter = window->choice().external_adapter;
        }
    }
    showPortLabel();
}

void TForm1::RxSpeedButton6Click()
{
    Option1Click();
}

// The scan is received into the receive window's own image and reaches the
// volume and the file only when it is complete: a failed or quit receive
// leaves the volume, the views, the name of the scan and the file that was
// there as they were. A scan that cannot be saved is kept in a recovery file.
void TForm1::RxSpeedButton4Click()
{
    TForm5 *receiver = windows_.receiveWindow;
    if (!receiver)
        return;
    SaveDialog1.fileName = offeredReceiveName(volume.current_file_name,
                                              last_dir.isEmpty() ? QDir::homePath() : last_dir,
                                              QDateTime::currentDateTime());
    const auto chosen = dialogs().runFileDialog(SaveDialog1);
    if (!chosen)
        return;
    const QString path = chosen->path;
    // Only the file the user agreed to overwrite is replaced: one made during the receive stays.
    const ExistingFile existing = QFileInfo::exists(path) ? ExistingFile::Replace : ExistingFile::Keep;
    if (!overwriteAllowed(path))
        return;
    if (const WriteOutcome probe = probeWritableFolder(path); !probe.ok) {
        showErrorMessage(QStringLiteral("Cannot save %1: %2").arg(path, probe.error));
        return;
    }
    receive_ok = 0;
    receiver->setJob({port_number, comDevice(comPortIndex(comPortName(port_number))), external_adapter != 0});
    dialogs().runModal(*receiver);
    receive_ok = receiver->receive_ok();
    if (!receive_ok)
        return;
    const ReceivedScanSave save = saveReceivedScan(volume, receiver->receivedImage(), path, existing);
    if (!save.outcome.ok) {
        showErrorMessage(receivedScanFailureText(path, save));
        return;
    }
    volume.current_file_name = path;
    showReceivedScan();
}
