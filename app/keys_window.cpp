#include "keys_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

KeysWindow::KeysWindow(QWidget *parent, const QList<KeyHelp> &keys) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Keys"));
    Table = new QTableWidget(static_cast<int>(keys.size()), 3, this);
    Table->setHorizontalHeaderLabels({QStringLiteral("Where"), QStringLiteral("Keys"), QStringLiteral("What they do")});
    Table->verticalHeader()->hide();
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int row = 0; row < keys.size(); ++row) {
        Table->setItem(row, 0, new QTableWidgetItem(keys[row].place));
        Table->setItem(row, 1, new QTableWidgetItem(keys[row].keys));
        Table->setItem(row, 2, new QTableWidgetItem(keys[row].does));
    }
    Table->resizeColumnsToContents();
    Table->horizontalHeader()->setStretchLastSection(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Table);
    layout->addWidget(buttons);
    resize(640, 560);
}
