#pragma once

#include <QDialog>
#include <memory>

#include "app/report/ReportHeader.h"

namespace Ui {
class Temperture;
}

namespace pelmar::report {

// "温度、湿度入力": the room's temperature and humidity. The boxes start empty; OK stores both
// without a range check (an empty box is 0.0).
class Temperture : public QDialog {
    Q_OBJECT
public:
    explicit Temperture(ReportHeader& header);
    ~Temperture() override;

signals:
    // The values were stored: the report's cell shows them now, even a negative humidity.
    void stored();

private:
    void btnKettei_Click();

    std::unique_ptr<Ui::Temperture> ui;

    ReportHeader& header_;
};

}  // namespace pelmar::report
