// The gallery of ./dev screens: every window and dialog of the program, filled with sample data,
// drawn offscreen with the real fonts and saved as OUT_DIR/<window>.png for people to look at.
//   pelmar_screens OUT_DIR [NAME ...]
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

#include "app/widgets/Accessibility.h"
#include "app/widgets/Japanese.h"
#include "tools/screens/Gallery.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: pelmar_screens OUT_DIR [NAME ...]\n");
        return 2;
    }
    QTranslator japanese;
    // The gallery shows the windows as the inspector sees them, Japanese buttons included.
    if (!pelmar::installJapanese(japanese)) {
        std::fprintf(stderr,
                     "pelmar_screens: Qt's Japanese translation (qtbase_ja.qm) is missing\n");
        return 1;
    }
    pelmar::installAccessibleInterfaces();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "pelmar_screens: cannot make %s\n", argv[1]);
        return 1;
    }
    QStringList only;
    for (int i = 2; i < argc; ++i) only.append(QString::fromLocal8Bit(argv[i]));

    int failures = 0;
    for (const pelmar::screens::Shot& shot : pelmar::screens::shots()) {
        if (!only.isEmpty() && !only.contains(shot.name)) continue;
        pelmar::screens::Gallery gallery(QString::fromLocal8Bit(PELMAR_BIN_DIR));
        QWidget* window = shot.make(gallery);
        window->show();
        // Long enough for repaints the windows defer (the main window's status lines) to land.
        QEventLoop settle;
        QTimer::singleShot(100, &settle, &QEventLoop::quit);
        settle.exec();
        const QString path = out.filePath(shot.name + QStringLiteral(".png"));
        if (window->grab().save(path)) {
            std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
        } else {
            std::fprintf(stderr, "pelmar_screens: cannot write %s\n", qPrintable(path));
            ++failures;
        }
        delete window;
    }
    return failures == 0 ? 0 : 1;
}
