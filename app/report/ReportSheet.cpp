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
    const auto cells = columns();
    for (int c = 0; c < kColumns; ++c) {
        const auto k = static_cast<std::size_t>(c);
        const TableColumn& column = layout.columns[k];
        lblTitle[k] = placeLabel(
            QStringLiteral("lblTitle_%1").arg(c),
            {column.headingLeft, layout.headingTop, column.headingWidth, layout.headingHeight},
            kHeadingPoints, Qt::AlignHCenter);
        lblTitle[k]->setText(layout.headings[k]);
        for (int r = 0; r < layout.rows; ++r) {
            cells[k]->push_back(
                placeLabel(QStringLiteral("%1_%2").arg(QLatin1String(kCellNames[k])).arg(r),
                           {column.cellLeft, layout.rowTop + layout.rowPitch * r, column.cellWidth,
                            layout.rowHeight},
                           kRowPoints, Qt::AlignHCenter));
        }
    }
}

// Twips to pixels at the screen's logical resolution: 1440 twips to a logical inch.
int ReportSheet::px(int twips) const {
    return qRound(twips * logicalDpiX() / 1440.0);
}

QLabel* ReportSheet::placeLabel(const QString& name, const TwipRect& box, double points,
                                Qt::Alignment alignment) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setGeometry(px(box.left), px(box.top), px(box.width), px(box.height));
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
