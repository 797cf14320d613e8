#include "app/report/frmNameInp.h"

#include "ui_frmNameInp.h"

namespace pelmar::report {

frmNameInp::frmNameInp(ReportHeader& header)
    : ui(std::make_unique<Ui::frmNameInp>()), header_(header) {
    ui->setupUi(this);
    ui->Text1_0->setText(header.nameLine1);
    ui->Text1_1->setText(header.nameLine2);
    connect(ui->btnKettei, &QPushButton::clicked, this, &frmNameInp::btnKettei_Click);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::close);
}

frmNameInp::~frmNameInp() = default;

void frmNameInp::btnKettei_Click() {
    header_.nameLine1 = ui->Text1_0->text();
    header_.nameLine2 = ui->Text1_1->text();
    emit stored();
    close();
}

}  // namespace pelmar::report
