#include "app/logdata/GetFilesMostDeep.h"

#include <QFile>
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "app/logdata/NamePattern.h"

namespace pelmar::logdata {
namespace {

namespace fs = std::filesystem;

QString toQString(const fs::path::string_type& native) {
#ifdef _WIN32
    return QString::fromStdWString(native);
#else
    return QFile::decodeName(native.c_str());
#endif
}

fs::path toPath(const QString& path) {
#ifdef _WIN32
    return fs::path(path.toStdWString());
#else
    return fs::path(QFile::encodeName(path).toStdString());
#endif
}

struct Entry {
    fs::path path;
    QString name;
};

// Name order without regard to case; the exact name settles ties so that the order never
// depends on how the file system happens to list the folder.
void sortByName(std::vector<Entry>& entries) {
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        const int c = QString::compare(a.name, b.name, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.name < b.name;
    });
}

// A folder's regular files and its subfolders, each in name order. The entry's type comes from
// the listing itself where the system gives it, so most entries cost no extra call; a link is
// looked through only to see whether it leads to a regular file.
bool listFolder(const fs::path& folder, std::vector<Entry>& files, std::vector<Entry>& folders,
                std::error_code& error) {
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const fs::directory_entry& entry = *it;
        std::error_code typeError;
        const fs::file_status own = entry.symlink_status(typeError);
        const bool isFile = fs::is_regular_file(own) ||
                            (fs::is_symlink(own) && fs::is_regular_file(entry.status(typeError)));
        const bool isFolder = fs::is_directory(own);
        if (!isFile && !isFolder) continue;
        (isFile ? files : folders)
            .push_back({entry.path(), toQString(entry.path().filename().native())});
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
    std::vector<fs::path> pending{toPath(folder)};
    std::vector<Entry> files, folders;
    while (!pending.empty()) {
        const fs::path current = std::move(pending.back());
        pending.pop_back();
        files.clear();
        folders.clear();
        std::error_code error;
        if (!listFolder(current, files, folders, error)) {
            search.skippedFolders.append({toQString(current.native()), error.value(),
                                          QString::fromStdString(error.message())});
            continue;
        }
        for (const Entry& file : files)
            if (match.matches(file.name)) search.files.append(toQString(file.path.native()));
        for (auto it = folders.rbegin(); it != folders.rend(); ++it)
            pending.push_back(std::move(it->path));
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
