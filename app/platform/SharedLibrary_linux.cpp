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

bool SharedLibrary::load(const QString& path) {
    handle_ = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    return handle_ != nullptr;
}

void* SharedLibrary::symbol(const char* name) const {
    return handle_ ? dlsym(handle_, name) : nullptr;
}

}  // namespace pelmar::platform
