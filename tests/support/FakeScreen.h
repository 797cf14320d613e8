#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <set>
#include <vector>

#include "app/seams/Screen.h"

namespace pelmar::fakes {

// The windows as a test sees them: the status lines written (without their time stamps) and the
// address and port the text boxes hold.
class FakeScreen : public Screen {
public:
    void showWindow() override { windowShown = true; }
    void ShowSettings() override { ++settingsShown; }
    void DispMsg(const QString& msg, int& leaveflg) override {
        if (leaveflg == 0) statusPage.clear();
        statusPage.append(msg);
        status.append(msg);
    }
    void showProblem(Problem problem, const QString& msg) override {
        int leave = 1;
        DispMsg(msg, leave);
        standing.insert(problem);
    }
    void problemMended(Problem problem) override { standing.erase(problem); }
    QString dmAddressText() override { return address; }
    QString dmPortText() override { return port; }

    void enableTableButtons(bool enabled) override { tableButtonsEnabled = enabled; }
    void clearTable() override { ++tableClears; }
    void RedrawResults() override { ++redraws; }
    void drawEntryNumber(int number) override { entryNumbers.push_back(number); }

    void showImage(const QString& measurement, const std::uint8_t* plane, int width,
                   int height) override {
        pictureMeasurement = measurement;
        picture = QImage(width, height, QImage::Format_Grayscale8);
        for (int y = 0; y < height; ++y) {
            std::copy_n(plane + static_cast<std::ptrdiff_t>(y) * width, width, picture.scanLine(y));
        }
        ++imagesShown;
    }
    const QImage* pictureImage() override { return picture.isNull() ? nullptr : &picture; }

    QStringList status;          // every line ever written
    QStringList statusPage;      // the lines since the last replacing one
    std::set<Problem> standing;  // the problems whose lines stand out
    QString address = QStringLiteral("127.0.0.1");
    QString port = QStringLiteral("1001");

    bool windowShown = false;
    int settingsShown = 0;
    bool tableButtonsEnabled = true;
    int tableClears = 0;
    int redraws = 0;
    std::vector<int> entryNumbers;
    QImage picture;  // what the picture box shows (the plane as drawn, before the palette)
    QString pictureMeasurement;  // the measurement the picture shows
    int imagesShown = 0;
};

}  // namespace pelmar::fakes
