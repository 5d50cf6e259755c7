#include "indication_table_window.h"

#include "finding_readings.h"

#include <QBrush>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

struct Column {
    const char *title;
    const char *field;  // of the indication table
};

constexpr Column kColumns[] = {
    {"No.", "number"},          {"Slice", "peak_slice"},        {"Layer", "peak_layer"},
    {"Depth mm", "peak_depth_mm"}, {"Peak %", "peak_percent"},  {"dB", "peak_db"},
    {"ΔdB", "peak_delta_db"},   {"Length mm", "length_mm"},     {"Width mm", "width_mm"},
    {"Height mm", "height_mm"}, {"dB DAC", "peak_dac_db"},       {"Class", "class"},
    {"Comment", "comment"},
};
constexpr int kCommentColumn = 12;
constexpr int kPercentUnit = 0;
constexpr int kDecibelUnit = 1;
constexpr int kDacDecibelUnit = 2;

// The rows of rejected and recorded indications stand out.
QBrush brushOfClass(const QJsonValue &evaluation)
{
    if (evaluation == QJsonValue(QStringLiteral("reject")))
        return QColor(255, 205, 205);
    if (evaluation == QJsonValue(QStringLiteral("record")))
        return QColor(255, 240, 185);
    return {};
}
constexpr double kDrops[] = {6, 12, 20};

QTableWidgetItem *itemOf(const QJsonValue &value)
{
    auto *item = new QTableWidgetItem;
    if (value.isDouble())
        item->setData(Qt::DisplayRole, value.toDouble());
    else if (value.isString())
        item->setText(value.toString());
    else
        item->setText(QStringLiteral("–"));
    return item;
}

int sampleLevel(double value)
{
    return std::clamp(static_cast<int>(std::lround(value)), 1, 255);
}

}  // namespace

int levelOfPercent(double percent)
{
    return sampleLevel(percent * kFullScaleAmplitude / 100.0);
}

int levelOfDecibels(double decibels, int reference)
{
    return sampleLevel(reference * std::pow(10.0, decibels / 20.0));
}

IndicationTableWindow::IndicationTableWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Indications"));
    table_ = new QTableWidget(0, std::size(kColumns), this);
    QStringList titles;
    for (const Column &column : kColumns)
        titles << QString::fromUtf8(column.title);
    table_->setHorizontalHeaderLabels(titles);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSortingEnabled(true);
    connect(table_, &QTableWidget::cellChanged, this, &IndicationTableWindow::commentEdited);
    connect(table_, &QTableWidget::cellClicked, this, [this](int row, int) { rowClicked(row); });
    connect(table_, &QTableWidget::cellActivated, this, [this](int row, int) { rowClicked(row); });

    level_ = new QDoubleSpinBox(this);
    level_->setDecimals(1);
    level_->setRange(0.1, 200.8);
    levelUnit_ = new QComboBox(this);
    levelUnit_->addItems(
        {QStringLiteral("% of full scale"), QStringLiteral("dB to the reference"), QStringLiteral("dB to the DAC")});
    connect(levelUnit_, &QComboBox::currentIndexChanged, this, [this](int unit) {
        level_->setRange(unit == kPercentUnit ? 0.1 : -40.0, unit == kPercentUnit ? 200.8 : 40.0);
    });
    drop_ = new QComboBox(this);
    for (const double drop : kDrops)
        drop_->addItem(QStringLiteral("%1 dB").arg(drop), drop);
    minSamples_ = new QSpinBox(this);
    minSamples_->setRange(1, 100000);

    auto *find = new QPushButton(QStringLiteral("&Find"), this);
    auto *add = new QPushButton(QStringLiteral("&Add at cursor"), this);
    auto *remove = new QPushButton(QStringLiteral("&Delete"), this);
    auto *save = new QPushButton(QStringLiteral("&Save"), this);
    connect(find, &QPushButton::clicked, this, &IndicationTableWindow::findRequested);
    connect(add, &QPushButton::clicked, this, &IndicationTableWindow::addRequested);
    connect(remove, &QPushButton::clicked, this, &IndicationTableWindow::deleteSelected);
    connect(save, &QPushButton::clicked, this, &IndicationTableWindow::saveRequested);
    auto *deleteKey = new QShortcut(QKeySequence::Delete, table_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &IndicationTableWindow::deleteSelected);

    auto *search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("Level"), this));
    search->addWidget(level_);
    search->addWidget(levelUnit_);
    search->addWidget(new QLabel(QStringLiteral("Drop"), this));
    search->addWidget(drop_);
    search->addWidget(new QLabel(QStringLiteral("Least samples"), this));
    search->addWidget(minSamples_);
    search->addStretch();
    auto *commands = new QHBoxLayout;
    for (QPushButton *button : {find, add, remove, save})
        commands->addWidget(button);
    commands->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(table_);
    layout->addLayout(commands);
    resize(860, 360);
}

void IndicationTableWindow::setIndications(std::vector<Indication> indications, const IndicationScale &scale)
{
    indications_ = std::move(indications);
    scale_ = scale;
    fillTable();
}

void IndicationTableWindow::setSearch(const IndicationSearch &search, std::optional<int> reference,
                                      const std::optional<DacCurve> &dac)
{
    reference_ = reference;
    dac_ = dac;
    if (auto *unitModel = qobject_cast<QStandardItemModel *>(levelUnit_->model())) {
        unitModel->item(kDecibelUnit)->setEnabled(reference.has_value());
        unitModel->item(kDacDecibelUnit)->setEnabled(dac.has_value());
    }
    const int unit = levelUnit_->currentIndex();
    if (search.dacLevel && dac) {
        levelUnit_->setCurrentIndex(kDacDecibelUnit);
        level_->setValue(search.dacLevel->decibels);
    } else if (unit == kDacDecibelUnit && dac) {
        // the level typed against the DAC stays until a search is made with it
    } else if (unit == kDecibelUnit && reference) {
        level_->setValue(decibelsAgainst(search.level, *reference).value_or(0));
    } else {
        levelUnit_->setCurrentIndex(kPercentUnit);
        level_->setValue(amplitudeOf(search.level).percent);
    }
    const int drop = drop_->findData(search.dropDb);
    drop_->setCurrentIndex(drop >= 0 ? drop : 0);
    minSamples_->setValue(search.minSamples);
}

IndicationSearch IndicationTableWindow::search(IndicationSearch within) const
{
    const int unit = levelUnit_->currentIndex();
    within.dacLevel.reset();
    if (unit == kDacDecibelUnit && dac_)
        within.dacLevel = DacLevel{*dac_, level_->value()};
    else if (unit == kDecibelUnit && reference_)
        within.level = levelOfDecibels(level_->value(), *reference_);
    else
        within.level = levelOfPercent(level_->value());
    within.dropDb = drop_->currentData().toDouble();
    within.minSamples = minSamples_->value();
    return within;
}

void IndicationTableWindow::fillTable()
{
    filling_ = true;
    table_->setSortingEnabled(false);
    table_->setRowCount(static_cast<int>(indications_.size()));
    for (int row = 0; row < static_cast<int>(indications_.size()); ++row) {
        const QJsonObject fields = indicationObject(indications_[static_cast<std::size_t>(row)], scale_);
        for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) {
            QTableWidgetItem *item = itemOf(fields.value(QLatin1String(kColumns[column].field)));
            item->setData(Qt::UserRole, row);
            if (column != kCommentColumn)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            item->setBackground(brushOfClass(fields.value(QStringLiteral("class"))));
            table_->setItem(row, column, item);
        }
    }
    table_->setSortingEnabled(true);
    filling_ = false;
}

int IndicationTableWindow::indexOfRow(int row) const
{
    const QTableWidgetItem *item = table_->item(row, 0);
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void IndicationTableWindow::commentEdited(int row, int column)
{
    const int index = indexOfRow(row);
    if (filling_ || column != kCommentColumn || index < 0)
        return;
    indications_[static_cast<std::size_t>(index)].comment = table_->item(row, column)->text();
    emit indicationsEdited();
}

void IndicationTableWindow::rowClicked(int row)
{
    const int index = indexOfRow(row);
    if (index >= 0)
        emit indicationChosen(indications_[static_cast<std::size_t>(index)]);
}

void IndicationTableWindow::deleteSelected()
{
    std::vector<int> doomed;
    for (const QModelIndex &selected : table_->selectionModel()->selectedRows())
        doomed.push_back(indexOfRow(selected.row()));
    if (doomed.empty())
        return;
    std::sort(doomed.rbegin(), doomed.rend());
    for (const int index : doomed)
        indications_.erase(indications_.begin() + index);
    numberIndications(indications_);
    fillTable();
    emit indicationsEdited();
}
