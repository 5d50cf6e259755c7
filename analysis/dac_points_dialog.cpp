#include "dac_points_dialog.h"

#include "decimal_text.h"
#include "dialog_seam.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace {

constexpr int kDepthColumn = 0;
constexpr int kValueColumn = 1;

QString cellText(const QTableWidget &table, int row, int column)
{
    const QTableWidgetItem *item = table.item(row, column);
    return item ? item->text().trimmed() : QString();
}

}  // namespace

DacPointsDialog::DacPointsDialog(QWidget *parent, const std::optional<DacCurve> &curve) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("DAC points"));
    table = new QTableWidget(0, 2, this);
    table->setHorizontalHeaderLabels({QStringLiteral("Depth mm"), QStringLiteral("Value")});
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    if (curve) {
        for (const DacPoint &point : curve->points()) {
            const int row = table->rowCount();
            table->insertRow(row);
            table->setItem(row, kDepthColumn, new QTableWidgetItem(QString::number(point.depthMm, 'g', 10)));
            table->setItem(row, kValueColumn, new QTableWidgetItem(QString::number(point.value)));
        }
    }
    auto *add = new QPushButton(QStringLiteral("&Add point"), this);
    auto *remove = new QPushButton(QStringLiteral("&Remove point"), this);
    connect(add, &QPushButton::clicked, this, &DacPointsDialog::addRow);
    connect(remove, &QPushButton::clicked, this, &DacPointsDialog::removeSelectedRows);
    auto *rowButtons = new QHBoxLayout;
    rowButtons->addWidget(add);
    rowButtons->addWidget(remove);
    rowButtons->addStretch();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &DacPointsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DacPointsDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addLayout(rowButtons);
    layout->addWidget(buttons);
    resize(300, 320);
}

void DacPointsDialog::addRow()
{
    const int row = table->rowCount();
    table->insertRow(row);
    table->setCurrentCell(row, kDepthColumn);
    table->editItem(table->item(row, kDepthColumn));
}

void DacPointsDialog::removeSelectedRows()
{
    std::set<int> rows;
    for (const QTableWidgetItem *item : table->selectedItems())
        rows.insert(item->row());
    if (rows.empty() && table->currentRow() >= 0)
        rows.insert(table->currentRow());
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        table->removeRow(*row);
}

std::optional<std::vector<DacPoint>> DacPointsDialog::points(QString *reason) const
{
    std::vector<DacPoint> points;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString depthText = cellText(*table, row, kDepthColumn);
        const QString valueText = cellText(*table, row, kValueColumn);
        bool valueRead = false;
        const int value = valueText.toInt(&valueRead);
        const auto depth = parseDecimal(depthText);
        if (!depth || !valueRead) {
            *reason = QStringLiteral("point %1, \"%2\" mm and \"%3\", is not a depth and a sample value")
                          .arg(row + 1)
                          .arg(depthText, valueText);
            return std::nullopt;
        }
        points.push_back({*depth, value});
    }
    return points;
}

std::optional<DacCurve> DacPointsDialog::curve() const
{
    QString reason;
    const auto rows = points(&reason);
    if (!rows || rows->empty())
        return std::nullopt;
    return DacCurve::through(*rows);
}

void DacPointsDialog::accept()
{
    QString reason;
    const auto rows = points(&reason);
    if (rows && !rows->empty())
        DacCurve::through(*rows, &reason);
    if (!reason.isEmpty()) {
        showErrorMessage(QStringLiteral("These points are not a DAC curve: %1").arg(reason));
        return;
    }
    QDialog::accept();
}
