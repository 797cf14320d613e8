#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <vector>

#include "app/widgets/LabelTable.h"
#include "app/report/PageLayout.h"
#include "app/report/ReportPages.h"

namespace pelmar::report {

// Shows the text in the label, its font narrowed just enough for the text to fit a width in
// pixels, the label's own unless given (see fittedFont).
void setFittedText(QLabel& label, const QString& text, int width = -1);

// What the two screen pages of the report share: a white sheet whose labels and rules are
// placed by the page's twip layout at the screen's logical resolution, the page indicator, the
// column headings and the row cells (in a table for a screen reader).
class ReportSheet : public QWidget {
    Q_OBJECT
public:
    using Column = std::vector<QLabel*>;

    QLabel* lblPage;
    LabelTable* table;
    std::array<QLabel*, kColumns> lblTitle;
    Column lblLens, lblDno, lblDateTime, lblGno, lblKekkaData, lblOkNg;

protected:
    explicit ReportSheet(const PageLayout& layout);

    // A label at a twip rectangle of the page, in the report's font: a new one on the sheet, or
    // the one given, made on the sheet or in its table.
    QLabel* placeLabel(const QString& name, const TwipRect& box, double points,
                       Qt::Alignment alignment);
    QLabel* placeLabel(QLabel* label, const QString& name, const TwipRect& box, double points,
                       Qt::Alignment alignment);
    // The button the layout places under this name.
    QPushButton* placeButton(const char* name, const QString& caption);

    // Shows the page indicator ("Page ( 2 / 3 )"). It describes the window too: every page has
    // the same caption.
    void showPageIndicator(const QString& indicator);

    // Empties every row cell, then fills the rows from the top.
    void fillRows(const std::vector<ReportRow>& rows);

    void paintEvent(QPaintEvent* event) override;

    const PageLayout& layout_;

private:
    std::array<Column*, kColumns> columns();
    int px(int twips) const;
    QRect pixels(const TwipRect& box) const;
};

}  // namespace pelmar::report
