#include <dlfcn.h>

#include <QFile>

#include "app/platform/SharedLibrary.h"

namespace pelmar::platform {

SharedLibrary::~SharedLibrary() {
    if (handle_) dlclose(handle_);
}

QString SharedLibrary::fileName(const QString& name) {
    return QStringLiteral("lib%1.so").arg(name.toLower());
}

FileOutcome<> SharedLibrary::load(const QString& path) {
    handle_ = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (handle_) return {};
    // The system's words begin with the path, which the problem gives already.
    QString reason = QString::fromLocal8Bit(dlerror());
    const QString named = path + QStringLiteral(": ");
    if (reason.startsWith(named)) reason.remove(0, named.size());
    return FileProblem{path, reason};
}

void* SharedLibrary::symbol(const char* name) const {
    return handle_ ? dlsym(handle_, name) : nullptr;
}

}  // namespace pelmar::platform
