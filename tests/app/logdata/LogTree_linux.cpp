#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "tests/app/logdata/LogTree.h"

namespace pelmar::logdata {
namespace {

constexpr uid_t kNobody = 65534;

}  // namespace

LogTree::LogTree() {
    EXPECT_EQ(::chmod(QFile::encodeName(root()).constData(), 0755), 0);
}

LogTree::~LogTree() {
    for (const QString& p : locked_) ::chmod(QFile::encodeName(p).constData(), 0700);
}

void LogTree::lock(const QString& relative) {
    locked_.append(path(relative));
    EXPECT_EQ(::chmod(QFile::encodeName(locked_.last()).constData(), 0), 0);
}

AsOrdinaryUser::AsOrdinaryUser() : wasRoot_(::geteuid() == 0) {
    if (wasRoot_) dropped_ = ::seteuid(kNobody) == 0;
}

AsOrdinaryUser::~AsOrdinaryUser() {
    // The other tests cannot run on as another user.
    if (dropped_ && ::seteuid(0) != 0) std::abort();
}

bool AsOrdinaryUser::denies(const QString& lockedPath) const {
    if (wasRoot_ && !dropped_) return false;
    const int fd = ::open(QFile::encodeName(lockedPath).constData(), O_RDONLY);
    if (fd >= 0) ::close(fd);
    return fd < 0;
}

}  // namespace pelmar::logdata
