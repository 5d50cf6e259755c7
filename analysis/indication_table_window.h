#pragma once
// The indication table window: a row per indication with its number,
// position, peak, sizes, dB to the DAC, class (its row coloured) and comment
// (editable), sortable by any column; the finder's level (in % of full
// scale, in dB to the reference or in dB to the DAC), drop and
// least size; and the commands Find, Add at cursor, Delete and Save, which
// the window's owner carries out.

#include "indication_table.h"

#include <QWidget>

#include <optional>
#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;
class QTableWidget;

class IndicationTableWindow : public QWidget {
    Q_OBJECT
public:
    explicit IndicationTableWindow(QWidget *parent = nullptr);

    void setIndications(std::vector<Indication> indications, const IndicationScale &scale);
    const std::vector<Indication> &indications() const { return indications_; }

    // The controls show the search's level, drop and least size; the level
    // in dB to the reference is offered only with a reference, in dB to the
    // DAC only with a DAC.
    void setSearch(const IndicationSearch &search, std::optional<int> reference, const std::optional<DacCurve> &dac);
    // The search as the controls hold it, over the gate and layers of within.
    IndicationSearch search(IndicationSearch within) const;

    // Removes the selected rows' indications.
    void deleteSelected();

signals:
    void findRequested();
    void addRequested();
    void saveRequested();
    void indicationChosen(const Indication &indication);
    // A comment was edited or an indication deleted.
    void indicationsEdited();

private:
    void fillTable();
    void commentEdited(int row, int column);
    void rowClicked(int row);
    int indexOfRow(int row) const;

    std::vector<Indication> indications_;
    IndicationScale scale_;
    std::optional<int> reference_;
    std::optional<DacCurve> dac_;
    bool filling_ = false;
    QTableWidget *table_;
    QDoubleSpinBox *level_;
    QComboBox *levelUnit_;
    QComboBox *drop_;
    QSpinBox *minSamples_;
};

// The sample level of a level in % of full scale, or in dB to a reference.
int levelOfPercent(double percent);
int levelOfDecibels(double decibels, int reference);
