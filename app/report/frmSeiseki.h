#pragma once

#include <QPrinter>
#include <array>
#include <functional>
#include <memory>

#include "app/records/ResultHistory.h"
#include "app/report/ReportHeader.h"
#include "app/report/ReportSheet.h"
#include "app/report/Temperture.h"
#include "app/report/frmHizukeR.h"
#include "app/report/frmNameInp.h"
#include "app/report/frmSeiseki2.h"
#include "app/seams/FileOutcome.h"
#include "app/seams/Prompts.h"
#include "app/widgets/WindowSlot.h"

namespace pelmar::report {

// The inspection report, page 1: the header block, the first 20 listed results and every button
// of the report. The pages are filled from the history and the header when they are loaded;
// results that arrive meanwhile show at the next fill. Page 1 is ended by BtnEnd or its window
// frame: NAME.INI is written (nameIniWritten() when it could be); Escape presses BtnEnd, Enter
// BtnNext. The clickable header cells (温度：湿度, 作成日, the name lines) open their dialogs; the
// inspection date's cell invites a click but opens nothing, as its date comes from the history.
class frmSeiseki : public ReportSheet {
    Q_OBJECT
public:
    frmSeiseki(ReportHeader& header, const ResultHistory& history, const QString& nameIniPath,
               const QString& saveFolder, Prompts& prompts);

    // The merge of the listed results opens from BtnAllDataSave, which stays disabled until it
    // is given: the window made here stands in for page 1.
    void setMergeDialog(std::function<QWidget*()> make);

    // Where BtnPrint sends the report: the system's default printer, nothing when there is
    // none. Tests put a printer of their own in its place.
    std::function<std::unique_ptr<QPrinter>()> openPrinter;

    QLabel* Label1;
    std::array<QLabel*, kCaptions> lblName;
    std::array<QLabel*, kHeaderValues> lblNameData;
    QPushButton* BtnAllDataSave;
    QPushButton* BtnNext;
    QPushButton* BtnPrint;
    QPushButton* BtnEnd;

    int reportPageCount = 1;

    // The windows the report opens, while they are open.
    frmSeiseki2* page2() const { return page2_.get(); }
    Temperture* temperatureDialog() const { return temperature_.get(); }
    frmHizukeR* dateDialog() const { return date_.get(); }
    frmNameInp* nameDialog() const { return names_.get(); }

signals:
    void nameIniWritten();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void lblNameData_Click(int index);
    void BtnNext_Click();
    void BtnPrint_Click();
    void offerPdf(const std::vector<PageContent>& pages, const FileProblem& why);
    void BtnAllDataSave_Click();

    ReportHeader& header_;
    const ResultHistory& history_;
    const QString& nameIniPath_;
    const QString& saveFolder_;
    Prompts& prompts_;
    WindowSlot<frmSeiseki2> page2_;
    WindowSlot<Temperture> temperature_;
    WindowSlot<frmHizukeR> date_;
    WindowSlot<frmNameInp> names_;
    std::function<QWidget*()> makeMergeDialog_;
    WindowSlot<QWidget> merge_;
};

}  // namespace pelmar::report
