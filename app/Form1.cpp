#include "app/Form1.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QShortcut>
#include <cstdlib>
#include <optional>

#include "app/IniFile.h"
#include "app/logdata/frmSaveLog.h"
#include "app/report/NameIni.h"
#include "app/report/frmSeiseki.h"
#include "app/text/Numbers.h"
#include "app/widgets/Accessibility.h"
#include "app/widgets/Named.h"

namespace pelmar {
namespace {

// How long a status line may wait for its repaint, so that a burst of lines repaints once.
constexpr int kStatusRepaintMs = 50;

const QString kExitQuestion =
    QStringLiteral("Ｐｅｌｍａｒを終了すると画像保存ができなくなります。よろしいですか？");

// The version as the program has always shown it: major.minor-with-two-digits.revision.
QString versionText() {
    return QStringLiteral("%1.%2.%3")
        .arg(PELMAR_VERSION_MAJOR)
        .arg(PELMAR_VERSION_MINOR, 2, 10, QChar(u'0'))
        .arg(PELMAR_VERSION_PATCH);
}

}  // namespace

Form1::Form1(ProgramState& state, EventPump& pump, Prompts& prompts, FolderOps& folders,
             folders::Volumes& volumes, imaging::TessioLibrary& display)
    : endProgram([] { std::_Exit(0); }),
      state_(state),
      pump_(pump),
      prompts_(prompts),
      folders_(folders),
      volumes_(volumes),
      display_(display) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kProgramTitle);
    setAccessibleName(kProgramTitle);
    buildControls();
    buildMenu();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    statusRepaint_.setSingleShot(true);
    statusRepaint_.setInterval(kStatusRepaintMs);
    connect(&statusRepaint_, &QTimer::timeout, this, [this] { Label4->setUpdatesEnabled(true); });
}

Form1::~Form1() = default;

// The window's layout, in pixels at 96 dpi. It fits a 1024 x 768 station screen with its frame
// and the task bar: the picture and the panel beside it on top, the result table below, their
// right edges aligned.
namespace layout {
constexpr int kMargin = 4;
constexpr int kPanelLeft = kMargin + imaging::PictureBox::kWidth + 8;
constexpr int kRight = 1004;  // right edge of the panel and of the table
constexpr int kPanelWidth = kRight - kPanelLeft;
constexpr int kTableTop = kMargin + imaging::PictureBox::kHeight + 4;
constexpr int kClientWidth = kRight + kMargin;
constexpr int kClientHeight =
    kTableTop + (ResultTable::kRows + 1) * ResultTable::kRowHeight + kMargin;
}  // namespace layout

void Form1::buildControls() {
    using namespace layout;
    auto* central = new QWidget(this);
    setCentralWidget(central);
    central->setFixedSize(kClientWidth, kClientHeight);

    Picture1 = named(new imaging::PictureBox(central), QStringLiteral("Picture1"));
    setAccessibleRole(*Picture1, QAccessible::Graphic);
    Picture1->setAccessibleName(QStringLiteral("画像"));
    Picture1->move(kMargin, kMargin);

    Frame1 = named(new QGroupBox(QStringLiteral("接続状態"), central), QStringLiteral("Frame1"));
    Frame1->setGeometry(kPanelLeft, 2, kPanelWidth, 282);
    Label4 = named(new QLabel(Frame1), QStringLiteral("Label4"));
    setAccessibleRole(*Label4, QAccessible::StatusBar);
    Label4->setGeometry(6, 20, kPanelWidth - 12, 256);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A long line (a loop-ending error with its reason) wraps inside the frame, so its time
    // stamp stays in view.
    Label4->setWordWrap(true);
    // Rich text, so that a store failure can stand out in colour.
    Label4->setTextFormat(Qt::RichText);

    const int x = kPanelLeft + 4;
    Label1 = named(new QLabel(QStringLiteral("DMアドレス"), central), QStringLiteral("Label1"));
    Label1->setGeometry(x, 292, 90, 22);
    txtDMIP = named(new QLineEdit(central), QStringLiteral("txtDMIP"));
    txtDMIP->setGeometry(x + 94, 292, 150, 22);
    Label2 = named(new QLabel(QStringLiteral("DMポート"), central), QStringLiteral("Label2"));
    Label2->setGeometry(x, 320, 90, 22);
    txtDMPort = named(new QLineEdit(central), QStringLiteral("txtDMPort"));
    txtDMPort->setGeometry(x + 94, 320, 80, 22);

    Label3 = named(new QLabel(QStringLiteral("現在の保存場所"), central), QStringLiteral("Label3"));
    Label3->setGeometry(x, 348, 200, 20);
    lblSave = named(new QLabel(central), QStringLiteral("lblSave"));
    lblSave->setGeometry(x, 368, kRight - x, 40);
    lblSave->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblSave->setWordWrap(true);
    lblSave->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblSave->setContentsMargins(3, 1, 3, 1);

    auto* group = new QButtonGroup(this);
    const std::array<QString, 3> captions = {QStringLiteral("Bitmap"), QStringLiteral("Jpeg"),
                                             QStringLiteral("両方")};
    for (int i = 0; i < 3; ++i) {
        Option1[i] =
            named(new QRadioButton(captions[i], central), QStringLiteral("Option1_%1").arg(i));
        Option1[i]->setAccessibleName(memberName(QStringLiteral("保存方式"), captions[i]));
        Option1[i]->setGeometry(x + i * 72, 416, 70, 22);
        group->addButton(Option1[i], i);
    }
    connect(group, &QButtonGroup::idClicked, this, &Form1::Option1_Click);

    TxtJpgRat = named(new QLineEdit(central), QStringLiteral("TxtJpgRat"));
    TxtJpgRat->setGeometry(x + 220, 416, 44, 22);
    cmdJpgRat = named(new QPushButton(QStringLiteral("％"), central), QStringLiteral("cmdJpgRat"));
    cmdJpgRat->setGeometry(x + 268, 416, 32, 22);
    connect(cmdJpgRat, &QPushButton::clicked, this, &Form1::cmdJpgRat_Click);

    cmdEnd = named(new QPushButton(QStringLiteral("終了"), central), QStringLiteral("cmdEnd"));
    cmdEnd->setGeometry(kRight - 100, kTableTop - 44, 100, 40);
    connect(cmdEnd, &QPushButton::clicked, this, &Form1::cmdEnd_Click);

    // A screen reader names each text box by the caption beside it, and reads the save folder
    // as the value of the caption above it.
    txtDMIP->setAccessibleName(Label1->text());
    txtDMPort->setAccessibleName(Label2->text());
    TxtJpgRat->setAccessibleName(QStringLiteral("Jpeg圧縮率"));
    cmdJpgRat->setAccessibleName(QStringLiteral("Jpeg圧縮率（％）を適用"));
    Label3->setBuddy(lblSave);

    table =
        named(new ResultTable(state_.history, kRight - kMargin, central), QStringLiteral("table"));
    table->move(kMargin, kTableTop);
    connect(table, &ResultTable::rowClicked, this, &Form1::ShowEntryImage);
}

const QString Form1::kMenuCaption = QStringLiteral("メニュー");

std::span<const Form1::MenuItem> Form1::menuItems() {
    static const MenuItem items[] = {
        {MenuPlace::Menu, QStringLiteral("保存場所"), QStringLiteral("mnu_SaveDir"),
         &Form1::mnu_SaveDir, &Form1::mnu_SaveDir_Click},
        {MenuPlace::Menu, QStringLiteral("設定保存"), QStringLiteral("mnu_Save"), &Form1::mnu_Save,
         &Form1::mnu_Save_Click},
        {MenuPlace::Menu, QStringLiteral("終了"), QStringLiteral("mnu_end"), &Form1::mnu_end,
         &Form1::cmdEnd_Click},
        {MenuPlace::Bar, QStringLiteral("検査成績書"), QStringLiteral("cmdSeiseki"),
         &Form1::cmdSeiseki, &Form1::cmdSeiseki_Click},
        {MenuPlace::Bar, QStringLiteral("ログデータ読み込み"), QStringLiteral("cmdLogRead"),
         &Form1::cmdLogRead, &Form1::cmdLogRead_Click},
        {MenuPlace::Bar, QStringLiteral("データクリア"), QStringLiteral("cmdDataClear"),
         &Form1::cmdDataClear, &Form1::cmdDataClear_Click},
        {MenuPlace::Bar, QStringLiteral("ヘルプ"), QStringLiteral("mnu_help"), &Form1::mnu_help,
         &Form1::mnu_help_Click},
    };
    return items;
}

void Form1::buildMenu() {
    QMenu* mnu = menuBar()->addMenu(kMenuCaption);
    mnu->setObjectName(QStringLiteral("mnu"));
    for (const MenuItem& item : menuItems()) {
        QAction* action = item.place == MenuPlace::Menu ? mnu->addAction(item.caption)
                                                        : menuBar()->addAction(item.caption);
        action->setObjectName(item.objectName);
        if (item.stored) this->*item.stored = action;
        connect(action, &QAction::triggered, this, item.triggered);
    }

    // F10 takes the keyboard to the menu bar as Alt does: the menu bar starts its keyboard
    // navigation on an Alt pressed and released alone where the focus is.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, [this] {
        QWidget* focus = focusWidget() ? focusWidget() : this;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QCoreApplication::sendEvent(focus, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QCoreApplication::sendEvent(focus, &release);
    });
}

void Form1::setJpegControlsEnabled(bool enabled) {
    TxtJpgRat->setEnabled(enabled);
    cmdJpgRat->setEnabled(enabled);
}

void Form1::ShowSettings() {
    const AppSettings& settings = state_.settings;
    txtDMIP->setText(settings.dmAddress);
    txtDMPort->setText(settings.dmPort);
    lblSave->setText(settings.saveFolder);
    TxtJpgRat->setText(QString::number(settings.jpegQuality));
    const int member = settings.saveMethod == SaveBitmap ? 0
                       : settings.saveMethod == SaveJpeg ? 1
                                                         : 2;
    Option1[member]->setChecked(true);
    setJpegControlsEnabled(member != 0);
}

void Form1::ReadSettingsFromControls() {
    AppSettings& settings = state_.settings;
    settings.dmAddress = txtDMIP->text();
    settings.dmPort = txtDMPort->text();
    settings.jpegQuality = text::leadingInt32(TxtJpgRat->text());
    settings.saveMethod = Option1[0]->isChecked()   ? SaveBitmap
                          : Option1[1]->isChecked() ? SaveJpeg
                                                    : SaveBoth;
    setJpegControlsEnabled(settings.saveMethod != SaveBitmap);
}

// The buttons' ids are the save methods they stand for.
void Form1::Option1_Click(int index) {
    state_.settings.saveMethod = index;
    setJpegControlsEnabled(index != SaveBitmap);
}

void Form1::cmdJpgRat_Click() {
    const std::int32_t quality = text::leadingInt32(TxtJpgRat->text());
    state_.settings.jpegQuality = quality < 0 || quality > 100 ? kDefaultJpegQuality : quality;
}

void Form1::showSaveFolder() {
    lblSave->setText(state_.settings.saveFolder);
}

void Form1::mnu_SaveDir_Click() {
    saveFolderDialog_.openInPlaceOf(*this, [this] {
        auto* dialog = new folders::frmSaveFolder(state_.settings.saveFolder, folders_, prompts_);
        connect(dialog, &folders::frmSaveFolder::saveFolderChanged, this, &Form1::showSaveFolder);
        // "参照": the picker takes the dialog's place, in place of this window too.
        connect(dialog->btnReferFolder, &QPushButton::clicked, this, [this, dialog] {
            saveFolderPicker_.openInPlaceOf(*this, [this] {
                auto* picker = new folders::frmFile(state_.settings.saveFolder, volumes_, prompts_);
                connect(picker, &folders::frmFile::saveFolderChanged, this, &Form1::showSaveFolder);
                return picker;
            });
            dialog->close();
        });
        return dialog;
    });
}

void Form1::mnu_Save_Click() {
    ReadSettingsFromControls();
    if (SaveIniFileTelling(state_.iniPath, state_.settings, prompts_)) {
        problemMended(Problem::Settings);
    }
}

void Form1::mnu_help_Click() {
    prompts_.message(kProgramTitle, QStringLiteral("バージョン情報\n%1").arg(versionText()),
                     Prompts::Icon::None, Prompts::Ok);
}

bool Form1::confirmExit() {
    return prompts_.message(QStringLiteral("終了確認"), kExitQuestion, Prompts::Icon::Information,
                            Prompts::Yes | Prompts::No) == Prompts::Yes;
}

void Form1::cmdEnd_Click() {
    if (confirmExit()) endProgram();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (confirmExit()) endProgram();
    event->ignore();
}

void Form1::cmdDataClear_Click() {
    if (prompts_.message(QStringLiteral("確認"),
                         QStringLiteral("表示されているデータをクリアします。よろしいですか？"),
                         Prompts::Icon::Information, Prompts::Yes | Prompts::No) == Prompts::Yes) {
        ClearResults();
    }
}

report::frmSeiseki* Form1::seiseki() const {
    return seiseki_.get();
}

// The report reads NAME.INI again, so edits made to it outside the program show; a file that
// cannot be read leaves the lines in memory as they are.
void Form1::cmdSeiseki_Click() {
    report::LoadNameIni(state_.nameIniPath, state_.reportHeader);
    seiseki_.openInPlaceOf(*this, [this] {
        auto* page1 =
            new report::frmSeiseki(state_.reportHeader, state_.history, state_.nameIniPath,
                                   state_.settings.saveFolder, prompts_);
        connect(page1, &report::frmSeiseki::nameIniWritten, this,
                [this] { problemMended(Problem::Names); });
        page1->setMergeDialog([this] {
            return new logdata::frmSaveLog(state_.history, state_.workFolder, folders_, volumes_,
                                           prompts_);
        });
        return page1;
    });
}

// The reader's folder tree starts at the save folder, where the day folders are.
void Form1::cmdLogRead_Click() {
    logReader_.openInPlaceOf(*this, [this] {
        auto* reader =
            new logdata::frmReadLog(state_.history, state_.settings.saveFolder, volumes_, prompts_);
        // The new history replaces the old as a whole: rows it does not fill are left empty.
        connect(reader, &logdata::frmReadLog::historyReplaced, this, [this] {
            clearTable();
            RedrawResults();
        });
        return reader;
    });
}

void Form1::ClearResults() {
    state_.history.clear();
    clearTable();
}

void Form1::ShowEntryImage(int row) {
    const std::optional<EntryImage> image = table->model().image(row);
    if (!image) return;
    if (!image->file.isEmpty()) Picture1->setPicture(QImage(image->file));
    drawEntryNumber(image->number);
}

// The entry number's place on the picture, in pixels at 96 dpi (the box is 9735 × 7335 twips).
void Form1::drawEntryNumber(int number) {
    Picture1->drawLabel(entryNumberText(number - 1), 600, 10);
    // An entry's measurement is the name its files were stored under.
    QString measurement;
    if (number >= 1 && number <= ResultHistory::kLastIndex + 1) {
        const ResultEntry& entry = state_.history.entries[std::size_t(number - 1)];
        measurement = QFileInfo(entry.jpegPath).completeBaseName();
    }
    describePicture(measurement, number);
}

// What a screen reader hears of the picture: the measurement it shows and the number drawn
// over it.
void Form1::describePicture(const QString& measurement, int number) {
    QStringList parts;
    if (!measurement.isEmpty()) parts.append(measurement);
    if (number > 0) parts.append(QStringLiteral("Ｎｏ．") + entryNumberText(number - 1));
    Picture1->setAccessibleDescription(parts.join(u' '));
}

void Form1::showImage(const QString& measurement, const std::uint8_t* plane, int width,
                      int height) {
    describePicture(measurement, 0);
    HDC dc = Picture1->clearFor(width, height);
    if (!display_.DDSdisplay(dc, 0, 0, width, height, plane)) {
        Picture1->drawPlane(plane, width, height);
    }
    Picture1->shown();
}

void Form1::DispMsg(const QString& msg, int& leaveflg) {
    statusPage_.add(msg, QDateTime::currentDateTime(), leaveflg);
    showAddedLine();
}

void Form1::showProblem(Problem problem, const QString& msg) {
    statusPage_.addProblem(problem, msg, QDateTime::currentDateTime());
    showAddedLine();
}

void Form1::problemMended(Problem problem) {
    if (statusPage_.mend(problem)) showStatusPage();
}

void Form1::showAddedLine() {
    showStatusPage();
    pump_.processEvents();
}

void Form1::showStatusPage() {
    QStringList lines;
    for (const StatusPage::Line& line : statusPage_.lines()) {
        const QString text = line.text.toHtmlEscaped();
        lines.append(statusPage_.standsOut(line)
                         ? QStringLiteral("<span style=\"color:#d00000\">%1</span>").arg(text)
                         : text);
    }
    // The text changes at once, but repainting the label (and the frame under it) for every
    // line would cost each keep-alive and each command a repaint while the DM waits for the
    // reply: the label repaints once, at most kStatusRepaintMs later, with the latest lines.
    Label4->setUpdatesEnabled(false);
    if (!statusRepaint_.isActive()) statusRepaint_.start();
    Label4->setText(lines.join(QStringLiteral("<br>")));
}

}  // namespace pelmar
