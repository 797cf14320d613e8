#include <QLineEdit>
#include <vector>

#include "app/Form1.h"
#include "app/widgets/QtPrompts.h"

#include <QMessageBox>
#include "tools/screens/Gallery.h"

namespace pelmar::screens {
namespace {

// A lens target in gray, as the DM's camera sees it.
std::vector<std::uint8_t> lensImage(int width, int height) {
    std::vector<std::uint8_t> plane(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int dx = x - width / 2 - 6, dy = y - height / 2 + 4;
            const int r2 = dx * dx + dy * dy;
            const bool ring = r2 > 150 * 150 && r2 < 156 * 156;
            const bool cross =
                (std::abs(dx) < 2 && std::abs(dy) < 40) || (std::abs(dy) < 2 && std::abs(dx) < 40);
            plane[static_cast<std::size_t>(y) * width + x] =
                ring || cross ? 230 : static_cast<std::uint8_t>(40 + (x + y) / 20);
        }
    }
    return plane;
}

// The main window with an image, results and the status lines of a measurement.
Form1* mainWindow(Gallery& g, std::initializer_list<const char*> lines) {
    g.fillHistory(12);
    auto* form = new Form1(g.state, g.pump, g.prompts, g.folders, sampleVolume(), g.display);
    form->ShowSettings();
    const std::vector<std::uint8_t> image = lensImage(640, 480);
    form->showImage(QStringLiteral("A012"), image.data(), 640, 480);
    form->drawEntryNumber(12);
    form->RedrawResults();
    int leave = 0;
    form->DispMsg(QStringLiteral("起動"), leave);
    for (const char* line : lines) appendStatus(*form, QString::fromUtf8(line));
    return form;
}

const AddShot form1(QStringLiteral("Form1"), [](Gallery& g) -> QWidget* {
    return mainWindow(g, {"接続開始", "OPEN受信", "NONE受信", "BMPW受信", "DATW受信"});
});

// A full save folder: the image that could not be stored stands out, the link goes on.
const AddShot storeFailed(QStringLiteral("Form1-storeFailed"), [](Gallery& g) -> QWidget* {
    Form1* form = mainWindow(g, {"接続開始", "OPEN受信", "NONE受信", "BMPW受信"});
    form->showProblem(Screen::Problem::Store, QStringLiteral(
        "保存エラー（ファイルに書き込めません: /srv/pelmar/data/20261207/A013.bmp（No space "
        "left on device））"));
    for (const char* line : {"NONE受信", "DATW受信"}) appendStatus(*form, QString::fromUtf8(line));
    return form;
});

// Two of the main window's message boxes: one with an icon and two buttons, one without an icon.
const AddShot exitBox(QStringLiteral("msgExit"), [](Gallery&) -> QWidget* {
    return makeMessageBox(
        QStringLiteral("終了確認"),
        QStringLiteral("Ｐｅｌｍａｒを終了すると画像保存ができなくなります。よろしいですか？"),
        Prompts::Icon::Information, Prompts::Yes | Prompts::No, nullptr);
});

const AddShot helpBox(QStringLiteral("msgHelp"), [](Gallery&) -> QWidget* {
    return makeMessageBox(kProgramTitle, QStringLiteral("バージョン情報\n1.02.1"),
                          Prompts::Icon::None, Prompts::Ok, nullptr);
});

}  // namespace
}  // namespace pelmar::screens
