#pragma once

#include <QString>

#include "app/seams/FileOutcome.h"

namespace pelmar::platform {

// A library loaded at run time by its path and bound by name (dlopen, LoadLibraryW).
class SharedLibrary {
public:
    SharedLibrary() = default;
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // The file name the system gives the library of this name: "libtessio.so", "Tessio.dll".
    static QString fileName(const QString& name);

    // Loads the library at path; the problem gives the system's reason when it cannot (then it
    // stays unloaded).
    FileOutcome<> load(const QString& path);
    bool loaded() const { return handle_ != nullptr; }
    // The address of an export, or nullptr.
    void* symbol(const char* name) const;

private:
    void* handle_ = nullptr;
};

}  // namespace pelmar::platform
