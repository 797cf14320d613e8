#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>
#include <set>

#include "app/seams/Screen.h"

namespace pelmar {

// The main window's status lines without their label: a page of time-stamped lines that starts
// afresh after ten, and the lines of the problems that still stand (a file that cannot be
// written), which open every new page until their file is written again.
class StatusPage {
public:
    // A page holds this many appended lines; the next one starts a new page.
    static constexpr int kLines = 10;

    struct Line {
        QString text;  // the message and its time stamp
        std::optional<Screen::Problem> problem;
    };

    // A plain line: leaveflg 1 appends it, 0 starts a new page with it. When the page is full,
    // the line starts a new page and leaveflg becomes 0.
    void add(const QString& msg, const QDateTime& at, int& leaveflg);
    // An appended line saying what could not be written; it stands out while the problem stands.
    void addProblem(Screen::Problem problem, const QString& msg, const QDateTime& at);
    // The problem's file was written: true when a line of it stood out until now.
    bool mend(Screen::Problem problem);

    const QList<Line>& lines() const { return lines_; }
    bool standsOut(const Line& line) const;

private:
    void add(Line line, int& leaveflg);

    QList<Line> lines_;
    // The appended lines the page counts, the standing lines that open it included.
    int counted_ = 0;
    std::set<Screen::Problem> standing_;
};

}  // namespace pelmar
