#include "preview_keys.h"

#include "print_preview_window.h"

#include <QKeySequence>

namespace {

constexpr quint32 kDigitOneScanCode = 10;  // the "1" key of the main keyboard

}  // namespace

const std::vector<PreviewKey> &TForm2::keyTable()
{
    static const std::vector<PreviewKey> keys = {
        {Qt::Key_F2, 0, &TForm2::RxSpeedButton3Click, "Print the page and close the preview"},
        {Qt::Key_F3, 0, &TForm2::BitBtn6Click, "Close the preview without printing"},
        {Qt::Key_F4, 0, &TForm2::Setfields1Click, "Page margins"},
        {Qt::Key_1, kDigitOneScanCode, &TForm2::CheckBox4Click, "Caption lines on or off"},
    };
    return keys;
}

QString keyName(const PreviewKey &key)
{
    return QKeySequence(key.key).toString(QKeySequence::NativeText);
}

bool runsOnKey(const PreviewKey &row, int key, Qt::KeyboardModifiers modifiers, quint32 scanCode)
{
    const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9;
    if (key == row.key && !(digit && modifiers.testFlag(Qt::KeypadModifier)))
        return true;
    return row.scanCode != 0 && scanCode == row.scanCode;
}
