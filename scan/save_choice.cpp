#include "save_choice.h"

namespace {

// The rows the dialog offers, a form each.
const QList<const ExportFormatRow *> &offeredRows()
{
    static const QList<const ExportFormatRow *> rows = [] {
        QList<const ExportFormatRow *> offered;
        for (const ExportFormatRow &row : exportFormatRows()) {
            if (!row.fileType.isEmpty())
                offered << &row;
        }
        return offered;
    }();
    return rows;
}

// The extension of the file name in path, dot included; empty when there is none.
QString typedExtension(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.mid(dot) : QString();
}

}  // namespace

QList<SavedForm> savedForms()
{
    QList<SavedForm> forms;
    for (int i = 0; i < offeredRows().size(); ++i)
        forms << SavedForm(i);
    return forms;
}

const ExportFormatRow &savedFormRow(SavedForm form)
{
    return *offeredRows().at(int(form));
}

QString savedFormExtension(SavedForm form)
{
    return savedFormRow(form).extension;
}

QString fileTypeName(SavedForm form)
{
    const ExportFormatRow &row = savedFormRow(form);
    return row.fileType + QStringLiteral(" (*") + row.extension + QLatin1Char(')');
}

QString fileTypeFilter(SavedForm form)
{
    return fileTypeName(form) + QStringLiteral("|*") + savedFormExtension(form);
}

QString saveDataFilter()
{
    QStringList filters;
    for (const SavedForm form : savedForms())
        filters << fileTypeFilter(form);
    return filters.join(QLatin1Char('|'));
}

int fileTypeIndex(SavedForm form)
{
    return int(form) + 1;
}

SavedForm formOfFileType(int filterIndex)
{
    return filterIndex >= 1 && filterIndex <= offeredRows().size() ? SavedForm(filterIndex - 1) : SavedForm::ScanFile;
}

std::optional<SavedForm> savedFormNamed(const QString &path)
{
    const QString extension = typedExtension(path);
    for (const SavedForm form : savedForms()) {
        if (!extension.isEmpty() && extension.compare(savedFormExtension(form), Qt::CaseInsensitive) == 0)
            return form;
    }
    return std::nullopt;
}

SaveChoice saveChoiceFor(const QString &typed, SavedForm chosen)
{
    if (typedExtension(typed).isEmpty())
        return {typed + savedFormExtension(chosen), chosen, false};
    if (const auto named = savedFormNamed(typed))
        return {typed, *named, false};
    return {typed, chosen, true};
}
