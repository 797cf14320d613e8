#include "app/ResultTable.h"

#include "app/widgets/Accessibility.h"
#include "app/widgets/Named.h"
#include "app/widgets/PressableLabel.h"

namespace pelmar {

std::array<ResultTable::Column*, ResultRow::kColumns> ResultTable::labelColumns() {
    return {&lblNo,     &lblDate, &lblMode,   &lblKekka,    &lblOkNg,   &lblKyoyou,
            &lblMemori, &lblLenz, &lblSerial, &lblGsyoriki, &lblWorker, &lblSokuteiki};
}

ResultTable::ResultTable(ResultHistory& history, int width, QWidget* parent)
    : QWidget(parent), model_(history), grid_(new LabelTable(this)) {
    struct ColumnLayout {
        const char* name;
        QString header;
        int width;
    };
    const std::array<ColumnLayout, ResultRow::kColumns> table = {{
        {"lblNo", QStringLiteral("Ｎｏ．"), 36},
        {"lblDate", QStringLiteral("日時"), 146},
        {"lblMode", QStringLiteral("測定モード"), 100},
        {"lblKekka", QStringLiteral("測定結果 "), 64},
        {"lblOkNg", QStringLiteral("判定"), 40},
        {"lblKyoyou", QStringLiteral("許容値"), 60},
        {"lblMemori", QStringLiteral("１目盛り"), 60},
        {"lblLenz", QStringLiteral("レンズ名"), 80},
        {"lblSerial", QStringLiteral("シリアル"), 102},
        {"lblGsyoriki", QStringLiteral("画像処理"), 76},
        {"lblWorker", QStringLiteral("作業者名"), 72},
        {"lblSokuteiki", QStringLiteral("偏芯測定器"), 82},
    }};
    setFixedSize(width, (kRows + 1) * kRowHeight);
    const auto columns = labelColumns();
    int x = 0;
    const auto headerCell = [&](QWidget* in, const QString& text, const QString& name,
                                int cellWidth) {
        auto* header = named(new QLabel(text, in), name);
        header->setGeometry(x, 0, cellWidth - 2, kRowHeight - 2);
        header->setAlignment(Qt::AlignCenter);
        header->setFrameStyle(QFrame::Panel | QFrame::Raised);
        return header;
    };
    // The labels stand in a table that a screen reader reads row by row. A click on any of a
    // row's labels recalls its image; the number cells take the focus, so that Enter or the
    // space bar recall it from the keyboard.
    for (std::size_t c = 0; c < table.size(); ++c) {
        QLabel* heading = headerCell(grid_, table[c].header,
                                     QStringLiteral("%1Header").arg(QLatin1String(table[c].name)),
                                     table[c].width);
        const bool numbers = c == 0;
        std::vector<QLabel*> cells;
        for (int r = 0; r < kRows; ++r) {
            auto* cell = named(new PressableLabel(numbers ? table[c].header : QString(), grid_),
                               QStringLiteral("%1_%2").arg(QLatin1String(table[c].name)).arg(r));
            if (!numbers) cell->setFocusPolicy(Qt::NoFocus);
            cell->setGeometry(x, (r + 1) * kRowHeight, table[c].width - 2, kRowHeight - 2);
            cell->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            cell->setContentsMargins(3, 0, 3, 0);
            cell->setAutoFillBackground(true);
            cell->setBackgroundRole(QPalette::Base);
            connect(cell, &PressableLabel::pressed, this, [this, r] { emit rowClicked(r); });
            (*columns[c])[static_cast<std::size_t>(r)] = cell;
            cells.push_back(cell);
        }
        grid_->addColumn(heading, std::move(cells));
        x += table[c].width;
    }
    grid_->setGeometry(0, 0, x, height());
    grid_->setAccessibleName(QStringLiteral("測定結果の一覧"));
    constexpr int kCheckWidth = 50;
    headerCell(this, QStringLiteral("チェック"), QStringLiteral("Check1Header"), kCheckWidth);
    for (int r = 0; r < kRows; ++r) {
        QCheckBox*& box = Check1[static_cast<std::size_t>(r)];
        box = named(new QCheckBox(this), QStringLiteral("Check1_%1").arg(r));
        box->setGeometry(x + 17, (r + 1) * kRowHeight, 24, kRowHeight - 2);
        connect(box, &QCheckBox::clicked, this, [this, r] { Check1_Click(r); });
    }
    // The scroll buttons stand beside the rows, at the table's right edge.
    x += kCheckWidth + 2;
    btnUp = named(new QPushButton(QStringLiteral("▲"), this), QStringLiteral("btnUp"));
    btnUp->setGeometry(x, kRowHeight, width - x, 3 * kRowHeight);
    btnDn = named(new QPushButton(QStringLiteral("▼"), this), QStringLiteral("btnDn"));
    btnDn->setGeometry(x, 6 * kRowHeight, width - x, 3 * kRowHeight - 2);
    btnUp->setAccessibleName(QStringLiteral("上へ"));
    btnDn->setAccessibleName(QStringLiteral("下へ"));
    connect(btnUp, &QPushButton::clicked, this, &ResultTable::btnUp_Click);
    connect(btnDn, &QPushButton::clicked, this, &ResultTable::btnDn_Click);

    // Tab goes along the rows, each number and its check box, then to the scroll buttons.
    QWidget* previous = nullptr;
    for (std::size_t r = 0; r < std::size_t(kRows); ++r) {
        if (previous) setTabOrder(previous, lblNo[r]);
        setTabOrder(lblNo[r], Check1[r]);
        previous = Check1[r];
    }
    setTabOrder(previous, btnUp);
    setTabOrder(btnUp, btnDn);
    nameCheckBoxes();
}

void ResultTable::clear() {
    for (Column* column : labelColumns()) {
        for (QLabel* cell : *column) cell->clear();
    }
    for (QCheckBox* box : Check1) box->setChecked(false);
    nameCheckBoxes();
}

void ResultTable::RedrawResults() {
    const auto columns = labelColumns();
    for (int r = 0; r < model_.shownRows(); ++r) {
        const ResultRow row = model_.row(r);
        const auto k = static_cast<std::size_t>(r);
        for (std::size_t c = 0; c < columns.size(); ++c) (*columns[c])[k]->setText(row.cells[c]);
        Check1[k]->setChecked(row.checked);
    }
    nameCheckBoxes();
}

// A check box is named after the measurement its row shows: the number, lens name and serial
// that the row reads. A row that shows none names its place.
void ResultTable::nameCheckBoxes() {
    for (std::size_t r = 0; r < Check1.size(); ++r) {
        QStringList shown;
        for (const QLabel* cell : {lblNo[r], lblLenz[r], lblSerial[r]}) {
            if (!cell->text().isEmpty()) shown.append(cell->text());
        }
        Check1[r]->setAccessibleName(shown.isEmpty()
                                         ? emptyName(QStringLiteral("チェック%1").arg(r + 1))
                                         : shown.join(u' '));
    }
}

void ResultTable::enableButtons(bool enabled) {
    btnUp->setEnabled(enabled);
    btnDn->setEnabled(enabled);
}

void ResultTable::btnUp_Click() {
    if (model_.scrollUp()) RedrawResults();
}

void ResultTable::btnDn_Click() {
    if (model_.scrollDown()) RedrawResults();
}

void ResultTable::Check1_Click(int row) {
    model_.setChecked(row, Check1[static_cast<std::size_t>(row)]->isChecked());
}

}  // namespace pelmar
