#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <memory>

#include "app/ProgramState.h"
#include "app/imaging/ImageCommands.h"
#include "app/imaging/PictureBox.h"
#include "app/imaging/TessioLibrary.h"
#include "app/link/CommandLoop.h"
#include "app/link/DataCommands.h"
#include "app/link/FolderOps.h"
#include "app/link/Screen.h"
#include "app/link/Transport.h"

class QAction;
class QGroupBox;

namespace pelmar {

// The main window: it is the program. It owns the link to the DM and the program's state, shows
// the status lines, the latest image and the latest results, and opens every other window.
class Form1 : public QMainWindow, public Screen {
    Q_OBJECT
public:
    Form1(ProgramState& state, Socket& socket, EventPump& pump, QWidget* parent = nullptr);
    ~Form1() override;

    // The start-up sequence, then the command loop, which runs until an unexpected error.
    void Form_Load();
    // The start-up sequence alone, up to the command loop.
    void startUp();

    void ShowSettings();
    void ReadSettingsFromControls();

    // The result table.
    void ClearResults();
    void ShowEntryImage(int row);

    // Screen
    void DispMsg(const QString& msg, int& leaveflg) override;
    QString dmAddressText() override { return txtDMIP->text(); }
    QString dmPortText() override { return txtDMPort->text(); }
    void enableTableButtons(bool enabled) override;
    void RedrawResults() override;
    void drawEntryNumber(int number) override;
    void showImage(const std::uint8_t* plane, int width, int height) override;
    const QImage* pictureImage() override { return Picture1->imageExtent(); }
    QString openFileDialog(const QString& initialFolder, const QString& filter, int flags) override;

    CommandLoop& commandLoop() { return loop_; }

    // Controls, named as the program has always named them.
    QGroupBox* Frame1;
    QLabel* Label4;
    PictureBox* Picture1;
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
    using Column = std::array<QLabel*, ResultHistory::kRows>;
    Column lblNo, lblDate, lblMode, lblKekka, lblOkNg, lblKyoyou, lblMemori, lblLenz, lblSerial,
        lblGsyoriki, lblWorker, lblSokuteiki;
    std::array<QCheckBox*, ResultHistory::kRows> Check1;
    QPushButton* btnUp;
    QPushButton* btnDn;

    QAction* mnu_SaveDir;
    QAction* mnu_Save;
    QAction* mnu_end;
    QAction* cmdSeiseki;
    QAction* cmdLogRead;
    QAction* cmdDataClear;
    QAction* mnu_help;

protected:
    // Message boxes and the immediate end go through these, so that tests can answer them.
    virtual QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, const QString& title,
                                                    const QString& text,
                                                    QMessageBox::StandardButtons buttons);
    virtual void endProgram();

    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void buildTable(QWidget* central);
    std::array<Column*, 12> labelColumns();
    void setJpegControlsEnabled(bool enabled);
    void saveIniReporting();
    bool confirmExit();

    void Option1_Click(int index);
    void cmdJpgRat_Click();
    void mnu_Save_Click();
    void mnu_help_Click();
    void cmdEnd_Click();
    void cmdDataClear_Click();
    void btnUp_Click();
    void btnDn_Click();
    void Check1_Click(int row);

    ProgramState& state_;
    EventPump& pump_;
    LocalFolders folders_;
    TessioLibrary tessio_;
    Transport transport_;
    CommandLoop loop_;
    DataCommands dataCommands_;
    ImageCommands imageCommands_;
    int dispmsgflg_ = 0;
    QString startupNotice_;  // said right after "起動" when the display library is missing
};

}  // namespace pelmar
