#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSysInfo>

#include "LogTree.h"
#include "app/logdata/GetFilesMostDeep.h"
#include "app/logdata/NamePattern.h"

namespace pelmar::logdata {
namespace {

QStringList relative(const LogTree& tree, const QStringList& paths) {
    QStringList out;
    for (const QString& p : paths)
        out.append(QDir::fromNativeSeparators(p.mid(tree.root().size() + 1)));
    return out;
}

TEST(GetFilesMostDeep, FolderFilesFirstThenEachSubfolderTreeInNameOrder) {
    LogTree tree;
    for (const char* name :
         {"zz.csv", "a001.csv", "A002.csv", "A004.CSV", "a.csv", "A.csv", "note.txt",
          "20260713/A003.csv", "20260712/b.csv", "20260712/A002.csv", "20260712/a001.csv",
          "20260712/sub/x.csv", "20260712/Sub2/y.csv", "dir.csv/in.csv"})
        tree.write(QString::fromLatin1(name), "x");

    const FileSearch search = GetFilesMostDeep(tree.root(), QStringLiteral("*.csv"));

    // Where names differ only in case (not on Windows) the exact name settles the order.
    QStringList first{"A.csv", "a.csv"};
    if (QFile::exists(tree.path(QStringLiteral("A.CSV")))) first = {"a.csv"};
    EXPECT_EQ(
        relative(tree, search.files),
        first + QStringList({"a001.csv", "A002.csv", "A004.CSV", "zz.csv", "20260712/a001.csv",
                             "20260712/A002.csv", "20260712/b.csv", "20260712/sub/x.csv",
                             "20260712/Sub2/y.csv", "20260713/A003.csv", "dir.csv/in.csv"}));
    EXPECT_TRUE(search.skippedFolders.isEmpty());
}

TEST(NamePattern, MatchesInLowerCaseWithWildcardsDigitsAndLists) {
    const struct {
        const char* pattern;
        const char* name;
        bool matches;
    } cases[] = {
        {"*.csv", "A003.CSV", true},
        {"*.CSV", "a003.csv", true},
        {"*.csv", "a.csv.bak", false},
        {"*", "", true},
        {"?", "", false},
        {"a?c", "abc", true},
        {"a#.csv", "a7.csv", true},
        {"a#.csv", "ax.csv", false},
        {"[!0-9]*", "x1", true},
        {"[!0-9]*", "1x", false},
        {"[a-c]?", "b9", true},
        {"[A-C]x", "bX", true},
        {"[-a]", "-", true},
        {"[z-a]", "m", false},
        {"[]x", "x", false},
        {"[!]", "x", true},
        {"[abc", "[ABC", true},
        {"a*b*c", "aXbYc", true},
        {"a*b*c", "aXbYcZ", false},
        {"?", "\xF0\x9F\x98\x80", true},  // one character outside the basic plane
        {"\xC3\xBC*",
         "\xC3\x9C"
         "ber",
         true},  // ü* matches Über
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NamePattern(QString::fromUtf8(c.pattern)).matches(QString::fromUtf8(c.name)),
                  c.matches)
            << c.pattern << " / " << c.name;
    }
    // Many stars before a mismatch: answered at once, not by trying every split.
    EXPECT_FALSE(NamePattern(QStringLiteral("*a*a*a*a*a*a*a*a*b")).matches(QString(20000, u'a')));
}

TEST(GetFilesMostDeep, AFolderThatCannotBeListedIsSkippedAndNamedTheRestIsRead) {
    LogTree tree;
    tree.write(QStringLiteral("a/1.csv"), "x");
    tree.write(QStringLiteral("b/2.csv"), "x");
    tree.write(QStringLiteral("c/3.csv"), "x");
    tree.lock(QStringLiteral("b"));

    AsOrdinaryUser user;
    if (!user.denies(tree.path(QStringLiteral("b"))))
        GTEST_SKIP()
            << "a folder without permissions stays readable here (as root without the right to act "
               "as another user, or under Wine)";
    const FileSearch search = GetFilesMostDeep(tree.root(), QStringLiteral("*.csv"));

    EXPECT_EQ(relative(tree, search.files), QStringList({"a/1.csv", "c/3.csv"}));
    ASSERT_EQ(search.skippedFolders.size(), 1);
    const SkippedFolder& skipped = search.skippedFolders[0];
    EXPECT_EQ(skipped.folder, tree.path(QStringLiteral("b")));
    EXPECT_EQ(skipped.errorNumber, EACCES);
    EXPECT_FALSE(skipped.description.isEmpty());
    EXPECT_EQ(skippedFoldersTitle(), QStringLiteral("システムエラー"));
    EXPECT_EQ(skippedFoldersText(search.skippedFolders),
              QStringLiteral("Err番号:[ %1]\nエラー詳細:[ %2: %3]\n関数名 :[GetFilesMostDeep]")
                  .arg(EACCES)
                  .arg(skipped.description, skipped.folder));
}

TEST(GetFilesMostDeep, LinksToFoldersAreNotFollowedLinksToFilesAreListed) {
    if (QSysInfo::kernelType() == QStringLiteral("winnt"))
        GTEST_SKIP() << "a link on Windows is a shortcut, a file of its own";
    LogTree tree;
    tree.write(QStringLiteral("a/1.csv"), "x");
    ASSERT_TRUE(QFile::link(tree.root(), tree.path(QStringLiteral("a/loop"))));
    ASSERT_TRUE(
        QFile::link(tree.path(QStringLiteral("a/1.csv")), tree.path(QStringLiteral("link.csv"))));
    ASSERT_TRUE(
        QFile::link(tree.path(QStringLiteral("gone")), tree.path(QStringLiteral("dangling.csv"))));

    const FileSearch search = GetFilesMostDeep(tree.root(), QStringLiteral("*.csv"));

    EXPECT_EQ(relative(tree, search.files), QStringList({"link.csv", "a/1.csv"}));
    EXPECT_TRUE(search.skippedFolders.isEmpty());
}

}  // namespace
}  // namespace pelmar::logdata
