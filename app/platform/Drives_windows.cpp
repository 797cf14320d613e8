#include <windows.h>

#include <QDir>

#include "app/platform/Drives.h"

namespace pelmar::platform {
namespace {

// A drive holds data the inspector can keep: a hard disk, a stick or card, a network share.
// CD and DVD drives and RAM disks are left out, as unknown and unmounted letters are.
bool holdsData(UINT type) {
    return type == DRIVE_FIXED || type == DRIVE_REMOVABLE || type == DRIVE_REMOTE;
}

// The volume's label; empty when it has none. False when the drive is not ready (no medium,
// a share that does not answer).
bool volumeLabel(const std::wstring& root, QString& label) {
    wchar_t name[MAX_PATH + 1] = {};
    // A drive without its medium would otherwise ask the user to insert one.
    const UINT mode = SetErrorMode(SEM_FAILCRITICALERRORS);
    const bool ready = GetVolumeInformationW(root.c_str(), name, MAX_PATH + 1, nullptr, nullptr,
                                             nullptr, nullptr, 0);
    SetErrorMode(mode);
    label = QString::fromWCharArray(name);
    return ready;
}

}  // namespace

std::vector<Drive> dataDrives() {
    std::vector<Drive> drives;
    wchar_t roots[27 * 4 + 1] = {};
    const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(std::size(roots) - 1), roots);
    for (const wchar_t* root = roots; length && *root; root += wcslen(root) + 1) {
        QString label;
        if (!holdsData(GetDriveTypeW(root)) || !volumeLabel(root, label)) continue;
        drives.push_back({QString::fromWCharArray(root), label});
    }
    return drives;
}

bool driveReadable(const QString& root) {
    QString label;
    const std::wstring native = QDir::toNativeSeparators(root).toStdWString();
    return holdsData(GetDriveTypeW(native.c_str())) && volumeLabel(native, label) &&
           QDir(root).isReadable();
}

bool liesOn(const QString& path, const QString& root) {
    // Drive letters and names are the same in either case, and either separator may be written.
    const QString p = QDir::toNativeSeparators(path);
    const QString r = QDir::toNativeSeparators(root);
    if (r.endsWith(u'\\')) return p.startsWith(r, Qt::CaseInsensitive);
    return p.compare(r, Qt::CaseInsensitive) == 0 || p.startsWith(r + u'\\', Qt::CaseInsensitive);
}

}  // namespace pelmar::platform
