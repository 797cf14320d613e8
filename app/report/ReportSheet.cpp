#include "app/report/ReportSheet.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

#include "app/report/ReportDrawing.h"

namespace pelmar::report {
namespace {

const std::array<const char*, kColumns> kCellNames = {"lblLens", "lblDno",       "lblDateTime",
                                                      "lblGno",  "lblKekkaData", "lblOkNg"};

}  // namespace

void setFittedText(QLabel& label, const QString& text, int width) {
    if (width < 0) width = label.contentsRect().width();
    label.setFont(fittedFont(label.font(), text, width, &label));
    label.setText(text);
}

ReportSheet::ReportSheet(const PageLayout& layout) : layout_(layout) {
    QPalette sheet = palette();
    sheet.setColor(QPalette::Window, Qt::white);
    sheet.setColor(QPalette::WindowText, Qt::black);
    setPalette(sheet);
    setAutoFillBackground(true);
    setWindowTitle(reportTitle());
    setFixedSize(px(layout.width), px(layout.height));

    lblPage = placeLabel(QStringLiteral("lblPage"), layout.pageIndicator, kPageIndicatorPoints,
                         Qt::AlignLeft);

    const auto headingBox = [&layout](std::size_t column) {
        const TableColumn& place = layout.columns[column];
        return TwipRect{place.headingLeft, layout.headingTop, place.headingWidth,
                        layout.headingHeight};
    };
    const auto cellBox = [&layout](std::size_t column, int row) {
        const TableColumn& place = layout.columns[column];
        return TwipRect{place.cellLeft, layout.rowTop + layout.rowPitch * row, place.cellWidth,
                        layout.rowHeight};
    };
    // The headings and the row cells stand in a table that a screen reader reads row by row. It
    // covers them exactly and draws nothing: the rules under it are the sheet's.
    QRect area;
    for (std::size_t k = 0; k < std::size_t(kColumns); ++k) {
        area |= pixels(headingBox(k));
        for (int r = 0; r < layout.rows; ++r) area |= pixels(cellBox(k, r));
    }
    table = new LabelTable(this);
    table->setGeometry(area);
    table->setAccessibleName(QStringLiteral("測定結果の一覧"));
    const auto cells = columns();
    for (std::size_t k = 0; k < std::size_t(kColumns); ++k) {
        lblTitle[k] = placeLabel(new QLabel(table), QStringLiteral("lblTitle_%1").arg(k),
                                 headingBox(k), kHeadingPoints, Qt::AlignHCenter);
        lblTitle[k]->setText(layout.headings[k]);
        for (int r = 0; r < layout.rows; ++r) {
            cells[k]->push_back(placeLabel(
                new QLabel(table), QStringLiteral("%1_%2").arg(QLatin1String(kCellNames[k])).arg(r),
                cellBox(k, r), kRowPoints, Qt::AlignHCenter));
        }
        table->addColumn(lblTitle[k], *cells[k]);
    }
}

// Twips to pixels at the screen's logical resolution: 1440 twips to a logical inch.
int ReportSheet::px(int twips) const {
    return qRound(twips * logicalDpiX() / 1440.0);
}

QRect ReportSheet::pixels(const TwipRect& box) const {
    return QRect(px(box.left), px(box.top), px(box.width), px(box.height));
}

QLabel* ReportSheet::placeLabel(const QString& name, const TwipRect& box, double points,
                                Qt::Alignment alignment) {
    return placeLabel(new QLabel(this), name, box, points, alignment);
}

QLabel* ReportSheet::placeLabel(QLabel* label, const QString& name, const TwipRect& box,
                                double points, Qt::Alignment alignment) {
    label->setObjectName(name);
    label->setGeometry(pixels(box).translated(-label->parentWidget()->mapTo(this, QPoint(0, 0))));
    label->setFont(reportFont(points));
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QPushButton* ReportSheet::placeButton(const char* name, const QString& caption) {
    const auto place =
        std::find_if(layout_.buttons.begin(), layout_.buttons.end(),
                     [name](const ButtonPlace& b) { return std::strcmp(b.name, name) == 0; });
    // Every button a page makes stands in its layout: a name missing there is a fault of the
    // program, found the first time the page opens.
    if (place == layout_.buttons.end()) qFatal("the page layout places no button %s", name);
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(px(place->left), px(place->top), px(kButtonWidth), px(kButtonHeight));
    return button;
}

void ReportSheet::showPageIndicator(const QString& indicator) {
    lblPage->setText(indicator);
    setAccessibleDescription(indicator);
}

std::array<ReportSheet::Column*, kColumns> ReportSheet::columns() {
    return {&lblLens, &lblDno, &lblDateTime, &lblGno, &lblKekkaData, &lblOkNg};
}

void ReportSheet::fillRows(const std::vector<ReportRow>& rows) {
    for (Column* column : columns()) {
        for (QLabel* cell : *column) cell->clear();
    }
    const auto cells = columns();
    const std::size_t shown = std::min(rows.size(), lblLens.size());
    for (std::size_t r = 0; r < shown; ++r) {
        const auto texts = rows[r].cells();
        for (int c = 0; c < kColumns; ++c) {
            const auto k = static_cast<std::size_t>(c);
            setFittedText(*(*cells[k])[r], *texts[k], px(clearCellWidth(layout_, c)));
        }
    }
}

void ReportSheet::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawRules(painter, layout_, TwipScale(*this));
}

}  // namespace pelmar::report
