#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/ProgramState.h"
#include "app/folders/FolderLists.h"
#include "app/folders/Volumes.h"
#include "app/imaging/TessioLibrary.h"
#include "app/seams/EventPump.h"
#include "app/seams/FolderOps.h"
#include "app/seams/Prompts.h"

namespace pelmar::screens {

// What every picture of the gallery is made with: a program state filled with sample data, the
// program folder (where the display library is), and seams that never block.
class Gallery {
public:
    explicit Gallery(const QString& programFolder);

    ProgramState state;
    EventPump& pump;
    Prompts& prompts;
    FolderOps& folders;
    imaging::TessioLibrary display;

    // A sample measurement record, as the DM sends it, for entry n (1-based).
    static QString sampleRecord(int n);
    // The history filled with n sample results.
    void fillHistory(int n);
};

// One volume of sample folders (data/ with three day folders and settings/, export/), so that the
// windows with a folder tree show the same tree on every machine.
class SampleVolume : public folders::Volumes {
public:
    SampleVolume();
    std::vector<folders::Volume> list() override;
    bool readable(const QString&) override { return true; }
    QString folder(const char* sub) const;

private:
    QTemporaryDir dir_;
};

SampleVolume& sampleVolume();

// The tree fills in the background: waits (5 s at most) until it lists the folder's subfolders.
void waitForFolders(folders::FolderLists& lists, const QString& folder);

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
