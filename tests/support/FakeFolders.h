#pragma once

#include <QSet>
#include <QStringList>

#include "app/seams/FolderOps.h"

namespace pelmar::fakes {

// Folders as a set of paths, with the separator of the test's choosing, so that Windows paths
// ("C:\DATA", "\\server\share") behave here as they do on the station's computer.
class FakeFolders : public FolderOps {
public:
    explicit FakeFolders(QChar sep = u'\\') : sep_(sep) {}

    QChar separator() const override { return sep_; }
    bool exists(const QString& folder) override { return folders.contains(strip(folder)); }
    FileOutcome<QString> create(const QString& folder) override {
        const QString path = strip(folder);
        if (blocked.contains(path)) return FileProblem{path, QStringLiteral("a file in the way")};
        if (folders.contains(path) || !exists(parent(path))) {
            return FileProblem{path, QStringLiteral("no parent, or there already")};
        }
        folders.insert(path);
        created.append(path);
        return path;
    }
    QString parent(const QString& folder) override {
        const QString path = strip(folder);
        const qsizetype cut = path.lastIndexOf(sep_);
        if (cut < 0) return QString();
        // The parent of a folder on a drive's root is the root itself: "C:\".
        return cut > 0 && path[cut - 1] == u':' ? path.left(cut + 1) : path.left(cut);
    }

    QSet<QString> folders;
    QSet<QString> blocked;  // names taken by files: creating them fails
    QStringList created;

private:
    // A folder's own name never ends in the separator, except a drive or share root.
    QString strip(QString path) const {
        while (path.size() > 1 && path.endsWith(sep_) && !path.endsWith(QStringLiteral(":") + sep_))
            path.chop(1);
        return path;
    }

    QChar sep_;
};

}  // namespace pelmar::fakes
