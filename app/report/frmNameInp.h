#pragma once

#include <QDialog>
#include <memory>

#include "app/report/ReportHeader.h"

namespace Ui {
class frmNameInp;
}

namespace pelmar::report {

// "会社名などの入力": the report's two name lines. OK takes both boxes as they stand (empty
// allowed) into the header in memory; they reach NAME.INI when the report is closed.
class frmNameInp : public QDialog {
    Q_OBJECT
public:
    explicit frmNameInp(ReportHeader& header);
    ~frmNameInp() override;

signals:
    // The name lines were stored: the report's name cells show them now.
    void stored();

private:
    void btnKettei_Click();

    std::unique_ptr<Ui::frmNameInp> ui;

    ReportHeader& header_;
};

}  // namespace pelmar::report
