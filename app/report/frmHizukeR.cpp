#include "app/report/frmHizukeR.h"

#include "ui_frmHizukeR.h"

namespace pelmar::report {

frmHizukeR::frmHizukeR(ReportHeader& header, Prompts& prompts)
    : ui(std::make_unique<Ui::frmHizukeR>()), header_(header), prompts_(prompts) {
    ui->setupUi(this);
    connect(ui->btnKettei, &QPushButton::clicked, this, &frmHizukeR::btnKettei_Click);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::close);
}

frmHizukeR::~frmHizukeR() = default;

void frmHizukeR::btnKettei_Click() {
    const CreationDateEntry entry =
        readCreationDate(ui->txtYear->text(), ui->txtMonth->text(), ui->txtDay->text());
    if (!entry.error.isEmpty()) {
        prompts_.message(QStringLiteral("エラー"), entry.error, Prompts::Icon::None, Prompts::Ok);
        return;
    }
    header_.createYear = entry.year;
    header_.createMonth = entry.month;
    header_.createDay = entry.day;
    emit stored();
    close();
}

}  // namespace pelmar::report
