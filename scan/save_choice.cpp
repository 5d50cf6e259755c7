#include "save_choice.h"

#include "export_formats.h"
#include "scan_file_format.h"
#include "volume_formats.h"

namespace {

constexpr SavedForm kForms[] = {SavedForm::ScanFile, SavedForm::Seg2, SavedForm::Ascii, SavedForm::Npy,
                                SavedForm::Nrrd,     SavedForm::Vti,  SavedForm::Csv};

// The extension of the file name in path, dot included; empty when there is none.
QString typedExtension(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.mid(dot) : QString();
}

}  // namespace

QString savedFormExtension(SavedForm form)
{
    switch (form) {
    case SavedForm::ScanFile:
        return QString::fromLatin1(ScanFileFormat::kExtension.data(), ScanFileFormat::kExtension.size());
    case SavedForm::Seg2:
        return Seg2::kExtension;
    case SavedForm::Ascii:
        return AsciiColumns::kExtension;
    case SavedForm::Npy:
        return volumeExtension(VolumeFormat::Npy);
    case SavedForm::Nrrd:
        return volumeExtension(VolumeFormat::Nrrd);
    case SavedForm::Vti:
        return volumeExtension(VolumeFormat::Vti);
    case SavedForm::Csv:
        break;
    }
    return volumeExtension(VolumeFormat::Csv);
}

std::optional<SavedForm> savedFormNamed(const QString &path)
{
    const QString extension = typedExtension(path);
    for (const SavedForm form : kForms) {
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
