#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "app/text/TextFile.h"

namespace pelmar::text {
namespace {

// A disk that fills up in the middle of a write: the process may not grow a file beyond a few
// bytes, so the write fails with the new text half out.
class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST(TextFile, AWriteThatFillsTheDiskIsReportedAndLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PELMAR.INI"));
    ASSERT_TRUE(writeLines(path, {"old"}));
    {
        FullDisk full;
        const auto written = writeLines(path, {QString(64, u'n'), QString(64, u'n')});
        ASSERT_FALSE(written) << "the write was reported as done";
        EXPECT_EQ(written.problem().path, path);
        EXPECT_FALSE(written.problem().reason.isEmpty());
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"PELMAR.INI"});
}

}  // namespace
}  // namespace pelmar::text
