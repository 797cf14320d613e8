#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <stdexcept>

#include "app/Form1.h"
#include "app/platform/CodePage932.h"
#include "app/report/frmSeiseki.h"
#include "tests/support/NativePath.h"
#include "tests/support/StationRig.h"

namespace pelmar {
namespace {

using fakes::StationRig;

class Form1Test : public ::testing::Test {
protected:
    Form1Test() {
        form->endProgram = [this] { ++ends; };
    }

    void writeIni(const QString& content) {
        QFile f(dir.filePath(QStringLiteral("PELMAR.INI")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(platform::toCp932(content));
    }
    QString iniText() {
        QFile f(dir.filePath(QStringLiteral("PELMAR.INI")));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return platform::fromCp932(f.readAll());
    }
    // The status lines as the label shows them, with their time stamps.
    QStringList stampedLines() {
        return QTextDocumentFragment::fromHtml(form->Label4->text()).toPlainText().split(u'\n');
    }
    QStringList statusLines() {
        QStringList lines = stampedLines();
        for (QString& line : lines) line = line.section(u' ', 0, 0);
        return lines;
    }
    // The status lines set in red, without their time stamps.
    QStringList redLines() {
        QTextDocument shown;
        shown.setHtml(form->Label4->text());
        QStringList red;
        for (QTextBlock block = shown.begin(); block.isValid(); block = block.next()) {
            for (auto part = block.begin(); !part.atEnd(); ++part) {
                const QTextFragment f = part.fragment();
                if (f.charFormat().foreground().color() != QColor(0xd0, 0, 0)) continue;
                for (const QString& line : f.text().split(QChar::LineSeparator)) {
                    if (!line.isEmpty()) red.append(line.section(u' ', 0, 0));
                }
            }
        }
        return red;
    }

    StationRig rig;
    QTemporaryDir& dir = rig.dir;
    ProgramState& state = rig.state;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(rig.state, rig.pump, rig.prompts,
                                                          rig.folders, rig.volumes, rig.display);
    Station& station = rig.build(*form);
    QList<fakes::FakePrompts::Asked>& shown = rig.prompts.asked;
    int ends = 0;
};

TEST_F(Form1Test, StartUpWithoutAFileWritesTheDefaults) {
    station.startUp();
    EXPECT_EQ(state.settings.saveFolder, native(dir.path()));
    EXPECT_EQ(state.workFolder, native(dir.path()));
    EXPECT_EQ(iniText(), QStringLiteral("1,%1,(保存フォルダ)\r\n"
                                        "10,%2,(DMのIPアドレス)\r\n"
                                        "11,1001,(DMのポート番号)\r\n"
                                        "12, 0,(保存方式)\r\n"
                                        "13, 80,(Jpeg圧縮率)\r\n")
                             .arg(native(dir.path()), kDefaultDmAddress));
    EXPECT_EQ(form->txtDMIP->text(), kDefaultDmAddress);
    EXPECT_EQ(form->lblSave->text(), native(dir.path()));
    EXPECT_TRUE(form->Option1[0]->isChecked());
    EXPECT_FALSE(form->TxtJpgRat->isEnabled());
    EXPECT_FALSE(form->cmdJpgRat->isEnabled());
}

TEST_F(Form1Test, AnIncompleteFileIsRewrittenWithTheValuesInForce) {
    const QString save = dir.filePath(QStringLiteral("data/sub"));
    writeIni(QStringLiteral("1,%1,x\r\n10,127.0.0.1,x\r\n12,abc,x\r\n13,50,x\r\n").arg(save));
    station.startUp();
    EXPECT_EQ(iniText(), QStringLiteral("1,%1,(保存フォルダ)\r\n"
                                        "10,127.0.0.1,(DMのIPアドレス)\r\n"
                                        "11,1001,(DMのポート番号)\r\n"
                                        "12, 0,(保存方式)\r\n"
                                        "13, 80,(Jpeg圧縮率)\r\n")
                             .arg(save));
    EXPECT_TRUE(QFileInfo(save).isDir()) << "the save folder is made to exist";
}

TEST_F(Form1Test, ACompleteFileIsNotRewritten) {
    const QString content = QStringLiteral("10,127.0.0.1,mine\r\n13,60\r\n");
    writeIni(content);
    station.startUp();
    EXPECT_EQ(iniText(), content);
    EXPECT_EQ(form->TxtJpgRat->text(), QStringLiteral("60"));
}

TEST_F(Form1Test, SaveMethodFiveShowsBothAndIsStoredAsTwo) {
    writeIni(QStringLiteral("10,127.0.0.1,x\r\n12,5,x\r\n"));
    station.startUp();
    EXPECT_TRUE(form->Option1[2]->isChecked());
    EXPECT_TRUE(form->TxtJpgRat->isEnabled());
    EXPECT_EQ(state.settings.saveMethod, 5);
    form->mnu_Save->trigger();
    EXPECT_EQ(state.settings.saveMethod, 2);
    EXPECT_TRUE(iniText().contains(QStringLiteral("12, 2,(保存方式)")));
}

TEST_F(Form1Test, OptionClicksChangeTheSaveMethodAndTheJpegControlsOnly) {
    writeIni(QStringLiteral("10,127.0.0.1,x\r\n"));
    station.startUp();
    const QString before = iniText();
    form->Option1[1]->click();
    EXPECT_EQ(state.settings.saveMethod, 1);
    EXPECT_TRUE(form->cmdJpgRat->isEnabled());
    form->Option1[0]->click();
    EXPECT_EQ(state.settings.saveMethod, 0);
    EXPECT_FALSE(form->cmdJpgRat->isEnabled());
    EXPECT_EQ(iniText(), before);
}

TEST_F(Form1Test, JpegRatioOutOfRangeBecomesEightyButSaveStoresTheText) {
    writeIni(QStringLiteral("10,127.0.0.1,x\r\n12,1,x\r\n"));
    station.startUp();
    form->TxtJpgRat->setText(QStringLiteral("150"));
    form->cmdJpgRat->click();
    EXPECT_EQ(state.settings.jpegQuality, 80);
    EXPECT_EQ(form->TxtJpgRat->text(), QStringLiteral("150"));
    form->TxtJpgRat->setText(QStringLiteral("72.5"));
    form->cmdJpgRat->click();
    EXPECT_EQ(state.settings.jpegQuality, 72);
    form->TxtJpgRat->setText(QStringLiteral("150"));
    form->txtDMIP->setText(QStringLiteral("127.0.0.9"));
    form->mnu_Save->trigger();
    EXPECT_EQ(state.settings.jpegQuality, 150);
    EXPECT_TRUE(iniText().contains(QStringLiteral("13, 150,(Jpeg圧縮率)")));
    EXPECT_TRUE(iniText().contains(QStringLiteral("10,127.0.0.9,(DMのIPアドレス)")));
}

// How many pixels of the status lines are drawn in red.
int redPixels(QWidget* label) {
    const QImage image = label->grab().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 150 && c.green() < 80 && c.blue() < 80;
        }
    }
    return red;
}

// At start a PELMAR.INI or NAME.INI that cannot be written is said in a status line, path and
// reason, that stands out until the file is written (by 設定保存, by closing the report); no box
// holds the start, and the loop goes on with the values in force. 設定保存 names a failure in a
// message box.
TEST_F(Form1Test, AnUnwritableFileIsToldAndTheProgramGoesOn) {
    for (const char* name : {"PELMAR.INI", "NAME.INI"}) {
        QDir(dir.path()).mkdir(QString::fromLatin1(name));  // a folder in the file's place
    }
    rig.pump.at(rig.pump.nowMs() + 200, [&] { station.stop(); });
    station.startUp();
    station.run();
    EXPECT_TRUE(shown.isEmpty());
    const QString path = native(dir.filePath(QStringLiteral("PELMAR.INI")));
    for (const QString& told :
         {QStringLiteral("設定ファイル：ファイルに書き込めません: %1（").arg(path),
          QStringLiteral("会社名などのファイル：ファイルに書き込めません: %1（")
              .arg(native(dir.filePath(QStringLiteral("NAME.INI"))))}) {
        EXPECT_TRUE(form->Label4->text().contains(told)) << form->Label4->text().toStdString();
    }
    EXPECT_EQ(state.workFolder, native(dir.path()));
    EXPECT_EQ(rig.socket.remoteHost, kDefaultDmAddress) << "connects with the values in force";

    for (int i = 0; i < 20; ++i) appendStatus(*form, QStringLiteral("NONE受信"));
    EXPECT_EQ(redLines(), QStringList({"設定ファイル：ファイルに書き込めません:",
                                       "会社名などのファイル：ファイルに書き込めません:"}))
        << "both still in view";

    form->mnu_Save->trigger();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].text.contains(path)) << shown[0].text.toStdString();

    for (const char* name : {"PELMAR.INI", "NAME.INI"}) {
        QDir(dir.path()).rmdir(QString::fromLatin1(name));
    }
    form->mnu_Save->trigger();
    EXPECT_EQ(shown.size(), 1);
    EXPECT_TRUE(QFileInfo(path).isFile());
    EXPECT_EQ(redLines(), QStringList({"会社名などのファイル：ファイルに書き込めません:"}))
        << "NAME.INI still stands out";
    form->cmdSeiseki->trigger();
    form->seiseki()->close();
    EXPECT_EQ(redLines(), QStringList()) << "both written again, no line stands out";
}

// A save folder that cannot be made is said after 起動 with the reason, standing out as a failed
// store does; the program goes on.
TEST_F(Form1Test, ASaveFolderThatCannotBeMadeIsSaidAtStartWithItsReason) {
    QFile inTheWay(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();
    writeIni(QStringLiteral("1,%1,x\r\n").arg(native(dir.filePath(QStringLiteral("file/sub")))));
    rig.pump.at(rig.pump.nowMs() + 200, [&] { station.stop(); });
    station.startUp();
    station.run();
    const QString file = native(inTheWay.fileName());
    EXPECT_TRUE(form->Label4->text().contains(
        QStringLiteral("フォルダを作成できません: %1（同じ名前のファイル %1 があります）")
            .arg(file)))
        << form->Label4->text().toStdString();
    EXPECT_EQ(redLines(), QStringList({"保存エラー（フォルダを作成できません:"}));
    EXPECT_TRUE(statusLines().contains(QStringLiteral("接続開始")))
        << "the link starts all the same";
}

// The page's rule is StatusPage's; here only that a standing line is drawn in red.
TEST_F(Form1Test, AProblemLineIsDrawnRedUntilItIsMended) {
    appendStatus(*form, QStringLiteral("起動"));
    EXPECT_EQ(redPixels(form->Label4), 0);
    form->showProblem(Screen::Problem::Store,
                      QStringLiteral("保存エラー（ファイルに書き込めません: A001.bmp）"));
    EXPECT_GT(redPixels(form->Label4), 50);
    form->problemMended(Screen::Problem::Store);
    EXPECT_EQ(redPixels(form->Label4), 0);
    EXPECT_EQ(statusLines(), QStringList({"起動", "保存エラー（ファイルに書き込めません:"}))
        << "the line keeps its place in the normal colour";
}

// A screen reader reads the status lines as the window's status bar (the end-to-end test hears
// its events), and the picture as an image described by the measurement it shows.
TEST_F(Form1Test, TheStatusLinesAreAStatusBarAndThePictureIsDescribed) {
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(form->Label4);
    EXPECT_EQ(status->role(), QAccessible::StatusBar);
    appendStatus(*form, QStringLiteral("接続開始"));
    form->showProblem(Screen::Problem::Store, QStringLiteral("保存エラー"));
    EXPECT_EQ(status->text(QAccessible::Name), stampedLines().join(u'\n'));

    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(form->Picture1);
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), QStringLiteral("画像"));
    const std::vector<std::uint8_t> plane(4 * 4);
    form->showImage(QStringLiteral("A007"), plane.data(), 4, 4);
    EXPECT_EQ(picture->text(QAccessible::Description), QStringLiteral("A007"));
}

// Counts the paint events a widget gets.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int paints = 0;
};

TEST_F(Form1Test, ABurstOfStatusLinesRepaintsTheLabelOnceItIsOver) {
    station.startUp();
    form->Label4->repaint();
    QCoreApplication::processEvents();
    PaintCount count(form->Label4);
    for (int i = 1; i <= 5; ++i) {
        appendStatus(*form, QStringLiteral("NONE受信"));
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(statusLines().size(), 5) << "the text is there at once";
    EXPECT_EQ(count.paints, 0) << "no repaint per line";
    QElapsedTimer waited;
    waited.start();
    while (count.paints == 0 && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    EXPECT_EQ(count.paints, 1);
}

TEST_F(Form1Test, ExitAsksAndEndsOnlyOnYes) {
    form->cmdEnd->click();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].title, QStringLiteral("終了確認"));
    EXPECT_EQ(
        shown[0].text,
        QStringLiteral("Ｐｅｌｍａｒを終了すると画像保存ができなくなります。よろしいですか？"));
    EXPECT_EQ(ends, 0);
    rig.prompts.answer = Prompts::Yes;
    form->mnu_end->trigger();
    EXPECT_EQ(ends, 1);
}

TEST_F(Form1Test, ClosingTheWindowAsksTooAndNoKeepsItOpen) {
    form->show();
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(shown.size(), 1);
    rig.prompts.answer = Prompts::Yes;
    form->close();
    EXPECT_EQ(ends, 1);
}

TEST_F(Form1Test, HelpShowsTheVersionWithATwoDigitMinor) {
    form->mnu_help->trigger();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].title, QStringLiteral("Pelmar"));
    EXPECT_EQ(shown[0].text, QStringLiteral("バージョン情報\n1.02.1"));
}

// Each row of the menu table is an action in its place and order, named and stored in its member
// (which the other tests trigger).
TEST_F(Form1Test, MenuHoldsItsItemsInOrder) {
    const QList<QAction*> bar = form->menuBar()->actions();
    const QList<QAction*> menu = form->findChild<QMenu*>(QStringLiteral("mnu"))->actions();
    ASSERT_EQ(bar.size() + menu.size(), qsizetype(Form1::menuItems().size()) + 1);
    EXPECT_EQ(bar[0]->text(), Form1::kMenuCaption);
    qsizetype onBar = 1;
    qsizetype inMenu = 0;
    for (const Form1::MenuItem& item : Form1::menuItems()) {
        QAction* action =
            item.place == Form1::MenuPlace::Bar ? bar.value(onBar++) : menu.value(inMenu++);
        ASSERT_NE(action, nullptr) << item.caption.toStdString();
        EXPECT_EQ(action->text(), item.caption);
        EXPECT_EQ(action->objectName(), item.objectName);
        if (item.stored) {
            EXPECT_EQ((*form).*item.stored, action);
        }
    }
}

TEST_F(Form1Test, WithoutTheDisplayLibraryTheLoopStillRunsAndSaysSoAfterStart) {
    writeIni(QStringLiteral("10,127.0.0.1,x\r\n11,1001,x\r\n"));
    rig.socket.arriveAt(rig.pump.nowMs() + 100, "NONE\r");
    rig.pump.at(rig.pump.nowMs() + 200, [&] { station.stop(); });
    station.startUp();
    station.run();
    const QStringList lines = statusLines();
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("起動"));
    const QString notice = stampedLines()[1];
    EXPECT_TRUE(notice.startsWith(QStringLiteral("表示ライブラリ %1 を読み込めません")
                                      .arg(imaging::TessioLibrary::fileName())))
        << notice.toStdString();
    EXPECT_EQ(lines[2], QStringLiteral("接続開始"));
    EXPECT_TRUE(lines.contains(QStringLiteral("NONE受信")));
    EXPECT_EQ(rig.socket.sent, QByteArray("0,\r"));
    EXPECT_EQ(rig.socket.remoteHost, QStringLiteral("127.0.0.1"));
}

}  // namespace
}  // namespace pelmar
