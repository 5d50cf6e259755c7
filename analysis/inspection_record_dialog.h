#pragma once
// File ▸ Inspection record…: the record fields of the inspection, each a line
// but the notes.

#include "inspection_file.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QPlainTextEdit;

class InspectionRecordDialog : public QDialog {
    Q_OBJECT
public:
    InspectionRecordDialog(QWidget *parent, const InspectionRecord &record);

    InspectionRecord record() const;

private:
    std::vector<QLineEdit *> lines_;  // the fields of kRecordFields but the notes
    QPlainTextEdit *notes_;
};
