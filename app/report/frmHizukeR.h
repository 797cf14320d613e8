#pragma once

#include <QDialog>
#include <memory>

#include "app/report/ReportHeader.h"
#include "app/seams/Prompts.h"

namespace Ui {
class frmHizukeR;
}

namespace pelmar::report {

// "作成日": the report's creation date. The boxes start empty; OK checks the year, then the
// month, then the day, and either stores all three or names the first one out of range (the
// dialog then stays open and the stored date stays as it was). There is no calendar check.
class frmHizukeR : public QDialog {
    Q_OBJECT
public:
    frmHizukeR(ReportHeader& header, Prompts& prompts);
    ~frmHizukeR() override;

signals:
    // The creation date was stored: the report's date cell shows it now.
    void stored();

private:
    void btnKettei_Click();

    std::unique_ptr<Ui::frmHizukeR> ui;

    ReportHeader& header_;
    Prompts& prompts_;
};

}  // namespace pelmar::report
