#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "app/widgets/LabelTable.h"
#include "app/ResultTableModel.h"

namespace pelmar {

// The main window's result table: a heading row, eight rows of labels and check boxes, and the
// two scroll buttons beside the rows. It draws its model; a click on a row's labels (or Enter on
// its number) asks for the row's image. Its labels are a table to a screen reader, its check
// boxes named after the measurements their rows show.
class ResultTable : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 20;
    static constexpr int kRows = ResultTableModel::kRows;

    // width: from the table's left edge to the scroll buttons' right edge.
    ResultTable(ResultHistory& history, int width, QWidget* parent);

    const ResultTableModel& model() const { return model_; }

    // Empties every row.
    void clear();
    // Fills the rows that show an entry from the history; the others stay as they are.
    void RedrawResults();
    void enableButtons(bool enabled);

    // Controls, named as the program has always named them.
    using Column = std::array<QLabel*, kRows>;
    Column lblNo, lblDate, lblMode, lblKekka, lblOkNg, lblKyoyou, lblMemori, lblLenz, lblSerial,
        lblGsyoriki, lblWorker, lblSokuteiki;
    std::array<QCheckBox*, kRows> Check1;
    QPushButton* btnUp;
    QPushButton* btnDn;

signals:
    void rowClicked(int row);

private:
    std::array<Column*, ResultRow::kColumns> labelColumns();
    void btnUp_Click();
    void btnDn_Click();
    void Check1_Click(int row);
    void nameCheckBoxes();

    ResultTableModel model_;
    LabelTable* grid_;
};

}  // namespace pelmar
