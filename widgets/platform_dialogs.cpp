#include "platform_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QRegularExpression>

namespace {

QMessageBox::Icon messageIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString withoutWildcard(const QString &extension)
{
    QString suffix = extension;
    if (suffix.startsWith(QStringLiteral("*")))
        suffix.remove(0, 1);
    if (suffix.startsWith(QStringLiteral(".")))
        suffix.remove(0, 1);
    return suffix;
}

}  // namespace

QStringList fileDialogFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        const QString patternInParentheses = QStringLiteral("(%1)").arg(pattern);
        filters << (description.endsWith(patternInParentheses)
                        ? description
                        : QStringLiteral("%1 %2").arg(description, patternInParentheses));
    }
    return filters;
}

MessageAnswer PlatformDialogs::showMessage(const MessageRequest &request)
{
    QMessageBox box(messageIcon(request.icon), request.caption, request.text,
                    request.buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                             : QMessageBox::Ok,
                    QApplication::activeWindow());
    if (request.buttons == MessageButtons::YesNo) {
        box.setDefaultButton(request.defaultAnswer == MessageAnswer::No ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    }
    const int result = box.exec();
    if (request.buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::optional<FileDialogAnswer> PlatformDialogs::runFileDialog(const FileDialogRequest &request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialDirectory);
    if (request.kind == FileDialogRequest::Kind::Folder) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return FileDialogAnswer{dialog.selectedFiles().first(), 1};
    }
    const bool save = request.kind == FileDialogRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = fileDialogFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    // as the platform's own save dialogs do, a name typed without extension
    // takes the one of the chosen file type
    const auto followFilter = [&](const QString &filter) {
        const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\(\\*\\.(\\w+)\\)$")).match(filter);
        dialog.setDefaultSuffix(match.hasMatch() ? match.captured(1) : withoutWildcard(request.defaultExtension));
    };
    dialog.setDefaultSuffix(withoutWildcard(request.defaultExtension));
    if (save) {
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
        followFilter(dialog.selectedNameFilter());
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FileDialogAnswer{dialog.selectedFiles().first(),
                            static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

int PlatformDialogs::runModal(QDialog &dialog)
{
    return dialog.exec();
}

bool PlatformDialogs::runPrintDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}
