#pragma once
// Which form "Save data" writes for the name typed: the extension typed
// decides when the program writes files of that kind, else the file type
// chosen in the dialog does.

#include "export_format_table.h"

#include <QList>
#include <QString>

#include <optional>

// The forms of "Save data", in the order of the dialog's file types: the
// formats of the format table that the dialog offers.
enum class SavedForm { ScanFile, Seg2, Ascii, Npy, Nrrd, Vti, Csv };

// Every form, in their order.
QList<SavedForm> savedForms();

// The row of the format table that a form writes.
const ExportFormatRow &savedFormRow(SavedForm form);

// The extension of a form's files: ".vlm", ".dat", ".asc", ".npy", ".nrrd", ".vti" or ".csv".
QString savedFormExtension(SavedForm form);

// "M7340 VLM files (*.vlm)": a form's file type as the dialog names it.
QString fileTypeName(SavedForm form);
// "M7340 VLM files (*.vlm)|*.vlm": a form's file type in a dialog's filter.
QString fileTypeFilter(SavedForm form);
// The filter of "Save data": every form's file type, in their order.
QString saveDataFilter();
// The index (from 1) of a form's file type in the dialog, and the form of
// the file type at filterIndex: the scan file for an index of none.
int fileTypeIndex(SavedForm form);
SavedForm formOfFileType(int filterIndex);

// The form whose extension the file name in path ends in (in any letter
// case); nullopt for a name without extension or with another one.
std::optional<SavedForm> savedFormNamed(const QString &path);

struct SaveChoice {
    QString path;  // the name to write under
    SavedForm form = SavedForm::ScanFile;
    // The name ends in an extension that none of the forms has: to be asked about.
    bool foreignExtension = false;
};

// A name that ends in a form's extension (in any letter case) is written in
// that form as typed; a name without extension gets the chosen form's
// extension; a name with another extension keeps it, in the chosen form,
// and is marked foreign. A dot that begins the file name starts no extension.
SaveChoice saveChoiceFor(const QString &typed, SavedForm chosen);
