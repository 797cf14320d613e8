#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <array>
#include <functional>
#include <span>

#include "app/ProgramState.h"
#include "app/ResultTable.h"
#include "app/StatusPage.h"
#include "app/folders/Volumes.h"
#include "app/folders/frmFile.h"
#include "app/folders/frmSaveFolder.h"
#include "app/imaging/PictureBox.h"
#include "app/imaging/TessioLibrary.h"
#include "app/logdata/frmReadLog.h"
#include "app/seams/EventPump.h"
#include "app/seams/FolderOps.h"
#include "app/seams/Prompts.h"
#include "app/seams/Screen.h"
#include "app/widgets/WindowSlot.h"

class QAction;
class QGroupBox;

namespace pelmar::report {
class frmSeiseki;
}

namespace pelmar {

// The main window: the status lines, the settings, the latest image and the latest results, and
// the menu that opens every other window. It is the station's Screen.
class Form1 : public QMainWindow, public Screen {
    Q_OBJECT
public:
    Form1(ProgramState& state, EventPump& pump, Prompts& prompts, FolderOps& folders,
          folders::Volumes& volumes, imaging::TessioLibrary& display);
    ~Form1() override;

    void ReadSettingsFromControls();

    // The result table.
    void ClearResults();
    void ShowEntryImage(int row);

    // Screen
    void showWindow() override { show(); }
    void ShowSettings() override;
    void DispMsg(const QString& msg, int& leaveflg) override;
    void showProblem(Problem problem, const QString& msg) override;
    void problemMended(Problem problem) override;
    QString dmAddressText() override { return txtDMIP->text(); }
    QString dmPortText() override { return txtDMPort->text(); }
    void enableTableButtons(bool enabled) override { table->enableButtons(enabled); }
    void clearTable() override { table->clear(); }
    void RedrawResults() override { table->RedrawResults(); }
    void drawEntryNumber(int number) override;
    void showImage(const QString& measurement, const std::uint8_t* plane, int width,
                   int height) override;
    const QImage* pictureImage() override { return Picture1->imageExtent(); }

    // Ends the process at once: no unload processing, the socket is not closed, nothing is
    // saved. Tests put a recorder in its place.
    std::function<void()> endProgram;

    // Controls, named as the program has always named them.
    QGroupBox* Frame1;
    QLabel* Label4;
    imaging::PictureBox* Picture1;
    QLabel* Label1;
    QLineEdit* txtDMIP;
    QLabel* Label2;
    QLineEdit* txtDMPort;
    QLabel* Label3;
    QLabel* lblSave;
    std::array<QRadioButton*, 3> Option1;
    QLineEdit* TxtJpgRat;
    QPushButton* cmdJpgRat;
    QPushButton* cmdEnd;

    // The result table: eight rows of labels and check boxes, and the two scroll buttons.
    ResultTable* table;

    // The menu, one row an item, built in the order of its rows. A window the menu opens is a
    // row here, the method that opens it and its WindowSlot.
    enum class MenuPlace { Menu, Bar };  // under "メニュー", or on the bar itself
    struct MenuItem {
        MenuPlace place;
        QString caption;
        QString objectName;
        QAction* Form1::*stored;  // the member the tests reach it by, or nullptr
        void (Form1::*triggered)();
    };
    static const QString kMenuCaption;
    static std::span<const MenuItem> menuItems();

    QAction* mnu_SaveDir;
    QAction* mnu_Save;
    QAction* mnu_end;
    QAction* cmdSeiseki;
    QAction* cmdLogRead;
    QAction* cmdDataClear;
    QAction* mnu_help;

    // The windows the menu opens, while they are open: the inspection report's page 1, the
    // save-location dialog and the picker that takes its place, the log reader.
    report::frmSeiseki* seiseki() const;
    folders::frmSaveFolder* saveFolderDialog() const { return saveFolderDialog_.get(); }
    folders::frmFile* saveFolderPicker() const { return saveFolderPicker_.get(); }
    logdata::frmReadLog* logReader() const { return logReader_.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void setJpegControlsEnabled(bool enabled);
    bool confirmExit();
    void showStatusPage();
    // A line was added: it shows, and the window takes it in before the caller goes on.
    void showAddedLine();
    void describePicture(const QString& measurement, int number);

    void showSaveFolder();
    void Option1_Click(int index);
    void cmdJpgRat_Click();
    void mnu_SaveDir_Click();
    void mnu_Save_Click();
    void mnu_help_Click();
    void cmdEnd_Click();
    void cmdDataClear_Click();
    void cmdSeiseki_Click();
    void cmdLogRead_Click();

    ProgramState& state_;
    EventPump& pump_;
    Prompts& prompts_;
    FolderOps& folders_;
    folders::Volumes& volumes_;
    imaging::TessioLibrary& display_;
    StatusPage statusPage_;
    QTimer statusRepaint_;  // the status label's next repaint

    // The windows the menu opens.
    WindowSlot<report::frmSeiseki> seiseki_;
    WindowSlot<folders::frmSaveFolder> saveFolderDialog_;
    WindowSlot<folders::frmFile> saveFolderPicker_;
    WindowSlot<logdata::frmReadLog> logReader_;
};

}  // namespace pelmar
