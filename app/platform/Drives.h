#pragma once

#include <QString>
#include <vector>

namespace pelmar::platform {

// A place the inspector can keep data on: a drive letter on Windows ("C:\"), a mounted volume
// elsewhere ("/", "/media/usb").
struct Drive {
    QString
        root;  // as the system writes it, ending in a separator only when it is one ("/", "C:\")
    QString name;  // its label, may be empty
};

// The drives the folder pickers offer, ready and readable ones only: on Windows the fixed,
// removable and network drives by letter; elsewhere the root file system first, then the other
// real file systems by mount point.
std::vector<Drive> dataDrives();

// Whether the drive at root can be read right now (a medium taken out, a network share gone).
bool driveReadable(const QString& root);

// Whether the path lies on the drive at root (the root itself included).
bool liesOn(const QString& path, const QString& root);

}  // namespace pelmar::platform
