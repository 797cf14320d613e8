// The main window's status page without its label: ten lines a page, and the lines of the
// problems that still stand heading every new page until their file is written again.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QStringList>
#include <vector>

#include "app/StatusPage.h"

namespace pelmar {
namespace {

using Problem = Screen::Problem;

const QDateTime kAt(QDate(2026, 12, 7), QTime(9, 5, 3));

Problem problemOf(char letter) {
    return letter == 'P' ? Problem::Settings : letter == 'N' ? Problem::Names : Problem::Store;
}

// Plays the steps of a case: "msg" appends a line, "=msg" starts a new page with it, "msg*n"
// appends msg1 to msgn, "!D msg" adds a line of a problem (D the DM's files, P PELMAR.INI,
// N NAME.INI), "~D" mends it. Returns the page's messages, a "*" before each that stands out.
QStringList play(StatusPage& page, const std::vector<const char*>& steps) {
    for (const char* step : steps) {
        const QString s = QString::fromUtf8(step);
        if (s.startsWith(u'!')) {
            page.addProblem(problemOf(step[1]), s.mid(3), kAt);
        } else if (s.startsWith(u'~')) {
            page.mend(problemOf(step[1]));
        } else if (s.contains(u'*')) {
            for (int i = 1; i <= s.section(u'*', 1).toInt(); ++i) {
                int leave = 1;
                page.add(s.section(u'*', 0, 0) + QString::number(i), kAt, leave);
            }
        } else {
            int leave = s.startsWith(u'=') ? 0 : 1;
            page.add(s.startsWith(u'=') ? s.mid(1) : s, kAt, leave);
        }
    }
    QStringList shown;
    for (const StatusPage::Line& line : page.lines()) {
        shown.append((page.standsOut(line) ? QStringLiteral("*") : QString()) +
                     line.text.section(u' ', 0, 0));
    }
    return shown;
}

TEST(StatusPage, TenLinesAPageAndTheStandingProblemsHeadEveryNewPage) {
    const struct {
        const char* rule;
        std::vector<const char*> steps;
        QStringList page;
    } cases[] = {
        {"ten appended lines make a page",
         {"n*10"},
         {"n1", "n2", "n3", "n4", "n5", "n6", "n7", "n8", "n9", "n10"}},
        {"the eleventh starts a new page", {"n*11"}, {"n11"}},
        {"a line with flag 0 starts a new page at once", {"a", "b", "=c"}, {"c"}},
        {"a problem stands out and heads the pages after it, counted in their ten lines",
         {"a", "!D disk", "n*20"},
         {"*disk", "n18", "n19", "n20"}},
        {"a problem heads a page that flag 0 starts", {"!D disk", "a", "=b"}, {"*disk", "b"}},
        {"mended, it keeps its place in the normal colour",
         {"!D disk", "n*3", "~D"},
         {"disk", "n1", "n2", "n3"}},
        {"mended, it no longer heads the next page", {"!D disk", "n*3", "~D", "m*7"}, {"m7"}},
        {"each standing problem brings its latest line, in their order",
         {"!P ini", "!D disk1", "!D disk2", "!N names", "n*7"},
         {"*ini", "*disk2", "*names", "n7"}},
        {"a problem line that starts a new page is not repeated above itself",
         {"!D disk1", "n*9", "!D disk2"},
         {"*disk2"}},
        {"mending one problem leaves the others standing",
         {"!P ini", "!N names", "~P", "n*9"},
         {"*names", "n9"}},
    };
    for (const auto& c : cases) {
        StatusPage page;
        EXPECT_EQ(play(page, c.steps), c.page) << c.rule;
    }
}

// The caller learns that a new page started (its flag turns 0) and whether a mend changed what
// is drawn; every line carries its time stamp.
TEST(StatusPage, TheCallerHearsOfANewPageAndOfAMendThatChangesTheLines) {
    StatusPage page;
    int leave = 0;
    page.add(QStringLiteral("起動"), kAt, leave);
    EXPECT_EQ(page.lines().value(0).text, QStringLiteral("起動 20261207 09:05:03"));
    for (int i = 2; i <= StatusPage::kLines; ++i) {
        leave = 1;
        page.add(QStringLiteral("NONE受信"), kAt, leave);
        EXPECT_EQ(leave, 1) << i;
    }
    page.add(QStringLiteral("NONE受信"), kAt, leave);
    EXPECT_EQ(leave, 0);
    EXPECT_EQ(page.lines().size(), 1);

    EXPECT_FALSE(page.mend(Problem::Store)) << "nothing stood";
    page.addProblem(Problem::Store, QStringLiteral("保存エラー"), kAt);
    EXPECT_TRUE(page.mend(Problem::Store));
    EXPECT_FALSE(page.mend(Problem::Store)) << "mended once";
}

}  // namespace
}  // namespace pelmar
