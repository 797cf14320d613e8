#include "app/report/Temperture.h"

#include "ui_Temperture.h"

namespace pelmar::report {

Temperture::Temperture(ReportHeader& header)
    : ui(std::make_unique<Ui::Temperture>()), header_(header) {
    ui->setupUi(this);
    connect(ui->btnKettei, &QPushButton::clicked, this, &Temperture::btnKettei_Click);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::close);
}

Temperture::~Temperture() = default;

void Temperture::btnKettei_Click() {
    header_.temperature = readClimateValue(ui->txtTemper->text());
    header_.humidity = readClimateValue(ui->txtHumidity->text());
    emit stored();
    close();
}

}  // namespace pelmar::report
