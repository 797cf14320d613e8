#include "app/Form1.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QGroupBox>
#include <QMenuBar>
#include <QVBoxLayout>
#include <cstdlib>

#include "app/Folders.h"
#include "app/IniFile.h"
#include "app/text/Numbers.h"
#include "app/text/TextFile.h"

namespace pelmar {
namespace {

const QString kExitQuestion =
    QStringLiteral("Ｐｅｌｍａｒを終了すると画像保存ができなくなります。よろしいですか？");
const QString kProgramTitle = QStringLiteral("Pelmar");

// The version as the program has always shown it: major.minor-with-two-digits.revision.
QString versionText() {
    return QStringLiteral("%1.%2.%3")
        .arg(PELMAR_VERSION_MAJOR)
        .arg(PELMAR_VERSION_MINOR, 2, 10, QChar(u'0'))
        .arg(PELMAR_VERSION_PATCH);
}

template <typename W>
W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

Form1::Form1(ProgramState& state, Socket& socket, EventPump& pump, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      pump_(pump),
      tessio_(state.programFolder),
      transport_(socket, pump),
      loop_(transport_, *this, state.loop) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kProgramTitle);
    buildControls();
    buildMenu();
}

Form1::~Form1() = default;

void Form1::buildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    setFixedSize(1100, 780);

    Picture1 = named(new PictureBox(central), QStringLiteral("Picture1"));
    Picture1->move(8, 8);

    Frame1 = named(new QGroupBox(QStringLiteral("接続状態"), central), QStringLiteral("Frame1"));
    Frame1->setGeometry(668, 4, 424, 232);
    Label4 = named(new QLabel(Frame1), QStringLiteral("Label4"));
    Label4->setGeometry(8, 20, 408, 204);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1 = named(new QLabel(QStringLiteral("DMアドレス"), central), QStringLiteral("Label1"));
    Label1->setGeometry(672, 248, 96, 24);
    txtDMIP = named(new QLineEdit(central), QStringLiteral("txtDMIP"));
    txtDMIP->setGeometry(772, 248, 160, 24);
    Label2 = named(new QLabel(QStringLiteral("DMポート"), central), QStringLiteral("Label2"));
    Label2->setGeometry(672, 280, 96, 24);
    txtDMPort = named(new QLineEdit(central), QStringLiteral("txtDMPort"));
    txtDMPort->setGeometry(772, 280, 80, 24);

    Label3 = named(new QLabel(QStringLiteral("現在の保存場所"), central), QStringLiteral("Label3"));
    Label3->setGeometry(672, 316, 200, 20);
    lblSave = named(new QLabel(central), QStringLiteral("lblSave"));
    lblSave->setGeometry(672, 338, 420, 44);
    lblSave->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblSave->setWordWrap(true);
    lblSave->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* group = new QButtonGroup(this);
    const std::array<QString, 3> captions = {QStringLiteral("Bitmap"), QStringLiteral("Jpeg"),
                                             QStringLiteral("両方")};
    for (int i = 0; i < 3; ++i) {
        Option1[i] =
            named(new QRadioButton(captions[i], central), QStringLiteral("Option1_%1").arg(i));
        Option1[i]->setGeometry(672 + i * 84, 394, 80, 24);
        group->addButton(Option1[i], i);
    }
    connect(group, &QButtonGroup::idClicked, this, &Form1::Option1_Click);

    TxtJpgRat = named(new QLineEdit(central), QStringLiteral("TxtJpgRat"));
    TxtJpgRat->setGeometry(924, 394, 48, 24);
    cmdJpgRat = named(new QPushButton(QStringLiteral("％"), central), QStringLiteral("cmdJpgRat"));
    cmdJpgRat->setGeometry(976, 394, 32, 24);
    connect(cmdJpgRat, &QPushButton::clicked, this, &Form1::cmdJpgRat_Click);

    cmdEnd = named(new QPushButton(QStringLiteral("終了"), central), QStringLiteral("cmdEnd"));
    cmdEnd->setGeometry(992, 440, 100, 40);
    connect(cmdEnd, &QPushButton::clicked, this, &Form1::cmdEnd_Click);
}

void Form1::buildMenu() {
    QMenu* mnu = menuBar()->addMenu(QStringLiteral("メニュー"));
    mnu->setObjectName(QStringLiteral("mnu"));
    mnu_SaveDir = mnu->addAction(QStringLiteral("保存場所"));
    mnu_Save = mnu->addAction(QStringLiteral("設定保存"));
    mnu_end = mnu->addAction(QStringLiteral("終了"));
    cmdSeiseki = menuBar()->addAction(QStringLiteral("検査成績書"));
    cmdLogRead = menuBar()->addAction(QStringLiteral("ログデータ読み込み"));
    cmdDataClear = menuBar()->addAction(QStringLiteral("データクリア"));
    mnu_help = menuBar()->addAction(QStringLiteral("ヘルプ"));
    mnu_SaveDir->setObjectName(QStringLiteral("mnu_SaveDir"));
    mnu_Save->setObjectName(QStringLiteral("mnu_Save"));
    mnu_end->setObjectName(QStringLiteral("mnu_end"));
    cmdSeiseki->setObjectName(QStringLiteral("cmdSeiseki"));
    cmdLogRead->setObjectName(QStringLiteral("cmdLogRead"));
    cmdDataClear->setObjectName(QStringLiteral("cmdDataClear"));
    mnu_help->setObjectName(QStringLiteral("mnu_help"));

    // The save-location dialog, the report and the log reader come with their windows; until
    // then their commands are shown but cannot be chosen.
    for (QAction* pending : {mnu_SaveDir, cmdSeiseki, cmdLogRead, cmdDataClear})
        pending->setEnabled(false);

    connect(mnu_Save, &QAction::triggered, this, &Form1::mnu_Save_Click);
    connect(mnu_end, &QAction::triggered, this, &Form1::cmdEnd_Click);
    connect(mnu_help, &QAction::triggered, this, &Form1::mnu_help_Click);
}

void Form1::startUp() {
    show();
    pump_.processEvents();

    // Tessio's display state; its result does not matter, only whether the library is there.
    if (!tessio_.DDSopen_sys()) {
        startupNotice_ = QStringLiteral("表示ライブラリ %1 を読み込めません（画像は保存のみ）")
                             .arg(TessioLibrary::fileName());
    }

    AppSettings& settings = state_.settings;
    settings.saveFolder = state_.programFolder;
    state_.iniPath = QDir(state_.programFolder).filePath(QStringLiteral("PELMAR.INI"));
    state_.nameIniPath = QDir(state_.programFolder).filePath(QStringLiteral("NAME.INI"));
    settings.dmAddress = kDefaultDmAddress;
    settings.dmPort = kDefaultDmPort;
    settings.saveMethod = 0;
    settings.jpegQuality = 80;

    if (LoadIniFile(state_.iniPath, settings) != 0) saveIniReporting();
    EnsureFolder(settings.saveFolder, folders_);
    state_.workFolder = settings.saveFolder;
    ShowSettings();
}

void Form1::Form_Load() {
    startUp();
    loop_.start();
    if (!startupNotice_.isEmpty()) appendStatus(*this, startupNotice_);
    loop_.run();
}

void Form1::saveIniReporting() {
    try {
        SaveIniFile(state_.iniPath, state_.settings);
    } catch (const text::FileError& error) {
        showMessage(QMessageBox::Warning, kProgramTitle,
                    QStringLiteral("設定ファイルを書き込めません。\n%1")
                        .arg(QString::fromUtf8(error.what())),
                    QMessageBox::Ok);
    }
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
    const int member = settings.saveMethod == 0 ? 0 : settings.saveMethod == 1 ? 1 : 2;
    Option1[member]->setChecked(true);
    setJpegControlsEnabled(member != 0);
}

void Form1::ReadSettingsFromControls() {
    AppSettings& settings = state_.settings;
    settings.dmAddress = txtDMIP->text();
    settings.dmPort = txtDMPort->text();
    settings.jpegQuality = text::leadingInt32(TxtJpgRat->text());
    settings.saveMethod = Option1[0]->isChecked() ? 0 : Option1[1]->isChecked() ? 1 : 2;
    setJpegControlsEnabled(settings.saveMethod != 0);
}

void Form1::Option1_Click(int index) {
    state_.settings.saveMethod = index == 0 ? 0 : index == 1 ? 1 : 2;
    setJpegControlsEnabled(index != 0);
}

void Form1::cmdJpgRat_Click() {
    const std::int32_t quality = text::leadingInt32(TxtJpgRat->text());
    state_.settings.jpegQuality = quality < 0 || quality > 100 ? 80 : quality;
}

void Form1::mnu_Save_Click() {
    ReadSettingsFromControls();
    saveIniReporting();
}

void Form1::mnu_help_Click() {
    showMessage(QMessageBox::NoIcon, kProgramTitle,
                QStringLiteral("バージョン情報\n%1").arg(versionText()), QMessageBox::Ok);
}

bool Form1::confirmExit() {
    return showMessage(QMessageBox::Information, QStringLiteral("終了確認"), kExitQuestion,
                       QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void Form1::cmdEnd_Click() {
    if (confirmExit()) endProgram();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (confirmExit()) endProgram();
    event->ignore();
}

void Form1::DispMsg(const QString& msg, int& leaveflg) {
    const QString line =
        msg + u' ' + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd HH:mm:ss"));
    if (leaveflg == 1) {
        Label4->setText(Label4->text() + QStringLiteral("\r\n") + line);
        if (++dispmsgflg_ > 10) leaveflg = 0;
    }
    if (leaveflg == 0) {
        Label4->setText(line);
        dispmsgflg_ = 1;
    }
    pump_.processEvents();
}

QMessageBox::StandardButton Form1::showMessage(QMessageBox::Icon icon, const QString& title,
                                               const QString& text,
                                               QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, this);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// Ends the process at once: no unload processing, the socket is not closed, nothing is saved.
void Form1::endProgram() {
    std::_Exit(0);
}

}  // namespace pelmar
