#include <windows.h>

#include <QDir>

#include "app/platform/SharedLibrary.h"
#include "app/platform/SystemError.h"

namespace pelmar::platform {

SharedLibrary::~SharedLibrary() {
    if (handle_) FreeLibrary(static_cast<HMODULE>(handle_));
}

QString SharedLibrary::fileName(const QString& name) {
    return name + QStringLiteral(".dll");
}

FileOutcome<> SharedLibrary::load(const QString& path) {
    // By its full path: the library beside the program, never one found on the search path.
    handle_ = LoadLibraryW(QDir::toNativeSeparators(path).toStdWString().c_str());
    if (handle_) return {};
    return FileProblem{path, lastSystemError()};
}

void* SharedLibrary::symbol(const char* name) const {
    return handle_ ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name))
                   : nullptr;
}

}  // namespace pelmar::platform
