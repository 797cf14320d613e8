#include "app/logdata/GetFilesMostDeep.h"

#include <QDir>
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "app/logdata/NamePattern.h"

namespace pelmar::logdata {
namespace {

namespace fs = std::filesystem;

struct Entry {
    QString name;
    QString key;  // the name in lower case
};

QString joinPath(const QString& folder, const QString& name) {
    // In the system's spelling, as the inspector reads the folder in a message.
    const QChar separator = QDir::separator();
    return folder.endsWith(u'/') || folder.endsWith(separator) ? folder + name
                                                                : folder + separator + name;
}

// Name order without regard to case; the exact name settles ties so that the order never
// depends on how the file system happens to list the folder.
void sortByName(std::vector<Entry>& entries) {
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.key != b.key ? a.key < b.key : a.name < b.name;
    });
}

// A folder's regular files and its subfolders, each in name order. The entry's type comes from
// the listing itself where the system gives it, so most entries cost no extra call; a link is
// looked through only to see whether it leads to a regular file.
bool listFolder(const QString& folder, std::vector<Entry>& files, std::vector<Entry>& folders,
                std::error_code& error) {
    fs::directory_iterator it(fs::path(folder.toStdU16String()), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const fs::directory_entry& entry = *it;
        std::error_code typeError;
        const bool isLink = entry.is_symlink(typeError);
        const bool isFile = entry.is_regular_file(typeError);
        const bool isFolder = !isLink && entry.is_directory(typeError);
        if (!isFile && !isFolder) continue;
        const QString name = QString::fromStdU16String(entry.path().filename().u16string());
        (isFile ? files : folders).push_back({name, name.toLower()});
    }
    if (error) return false;
    sortByName(files);
    sortByName(folders);
    return true;
}

}  // namespace

FileSearch GetFilesMostDeep(const QString& folder, const QString& pattern) {
    const NamePattern match(pattern);
    FileSearch search;
    // Folders still to search, the next one last: a folder's subfolders go on in reverse name
    // order, so the first of them and its whole tree come before the second.
    QStringList pending{QDir::toNativeSeparators(folder)};
    std::vector<Entry> files, folders;
    while (!pending.isEmpty()) {
        const QString current = pending.takeLast();
        files.clear();
        folders.clear();
        std::error_code error;
        if (!listFolder(current, files, folders, error)) {
            search.skippedFolders.append(
                {current, error.value(), QString::fromStdString(error.message())});
            continue;
        }
        for (const Entry& file : files)
            if (match.matchesLowerCase(file.key)) search.files.append(joinPath(current, file.name));
        for (auto it = folders.rbegin(); it != folders.rend(); ++it)
            pending.append(joinPath(current, it->name));
    }
    return search;
}

QString skippedFoldersTitle() {
    return QStringLiteral("システムエラー");
}

// One block per folder in the form the station's error boxes have always had; the folder is
// added to the description, since the search now goes on past it.
QString skippedFoldersText(const QList<SkippedFolder>& skipped) {
    QStringList blocks;
    for (const SkippedFolder& s : skipped) {
        blocks.append(
            QStringLiteral("Err番号:[ %1]\nエラー詳細:[ %2: %3]\n関数名 :[GetFilesMostDeep]")
                .arg(s.errorNumber)
                .arg(s.description, s.folder));
    }
    return blocks.join(QStringLiteral("\n\n"));
}

}  // namespace pelmar::logdata
