#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <vector>

#include "app/report/PageLayout.h"
#include "app/report/ReportPages.h"

namespace pelmar::report {

// Shows the text in the label, its font narrowed just enough for the text to fit a width in
// pixels, the label's own unless given (see fittedFont).
void setFittedText(QLabel& label, const QString& text, int width = -1);

// What the two screen pages of the report share: a white sheet whose labels and rules are
// placed by the page's twip layout at the screen's logical resolution, the page indicator, the
// column headings and the row cells.
class ReportSheet : public QWidget {
    Q_OBJECT
public:
    using Column = std::vector<QLabel*>;

    QLabel* lblPage;
    std::array<QLabel*, kColumns> lblTitle;
    Column lblLens, lblDno, lblDateTime, lblGno, lblKekkaData, lblOkNg;

protected:
    explicit ReportSheet(const PageLayout& layout);

    // A label at a twip rectangle, in the report's font.
    QLabel* placeLabel(const QString& name, const TwipRect& box, double points,
                       Qt::Alignment alignment);
    // The button the layout places under this name.
    QPushButton* placeButton(const char* name, const QString& caption);

    // Empties every row cell, then fills the rows from the top.
    void fillRows(const std::vector<ReportRow>& rows);

    void paintEvent(QPaintEvent* event) override;

    const PageLayout& layout_;

private:
    std::array<Column*, kColumns> columns();
    int px(int twips) const;
};

}  // namespace pelmar::report
