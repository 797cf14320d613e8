#include "tests/app/logdata/LogTree.h"

namespace pelmar::logdata {

LogTree::LogTree() = default;

LogTree::~LogTree() = default;

void LogTree::lock(const QString& relative) {
    locked_.append(path(relative));
}

AsOrdinaryUser::AsOrdinaryUser() = default;

AsOrdinaryUser::~AsOrdinaryUser() = default;

bool AsOrdinaryUser::denies(const QString&) const {
    return false;
}

}  // namespace pelmar::logdata
