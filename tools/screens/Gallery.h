#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/ProgramState.h"
#include "app/imaging/TessioLibrary.h"
#include "app/link/EventPump.h"
#include "app/link/Prompts.h"

namespace pelmar::screens {

// What every picture of the gallery is made with: a program state filled with sample data, the
// program folder (where the display library is), and seams that never block.
class Gallery {
public:
    explicit Gallery(const QString& programFolder);

    ProgramState state;
    EventPump& pump;
    Prompts& prompts;
    imaging::TessioLibrary display;

    // A sample measurement record, as the DM sends it, for entry n (1-based).
    static QString sampleRecord(int n);
    // The history filled with n sample results.
    void fillHistory(int n);
};

// One picture: its file name (without .png) and how to make the window it shows. The window is
// shown offscreen, its events processed, grabbed and then deleted.
struct Shot {
    QString name;
    std::function<QWidget*(Gallery&)> make;
};

std::vector<Shot>& shots();

// Adds a picture to the gallery at program start; one per window, in the file of its room.
struct AddShot {
    AddShot(QString name, std::function<QWidget*(Gallery&)> make) {
        shots().push_back({std::move(name), std::move(make)});
    }
};

}  // namespace pelmar::screens
