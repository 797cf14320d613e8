#include "tests/support/StationRig.h"

#include <QDate>
#include <QDir>

#include "app/link/MeasurementFiles.h"

namespace pelmar::fakes {

StationRig::StationRig() : display(dir.path()) {
    state.programFolder = dir.path();
    state.settings.saveFolder = dir.path();
}

Station& StationRig::build(Screen& screen, settings::SettingScreen& settingWindows) {
    station = std::make_unique<Station>(state, socket, pump, screen, settingWindows, prompts,
                                        folders, display);
    return *station;
}

void StationRig::goOnline() {
    loop().start();
    while (loop().state() != LinkState::Online) loop().turn();
}

QByteArray StationRig::serve(const QByteArray& line, std::deque<QByteArray> blocks) {
    socket.afterOk = std::move(blocks);
    const qsizetype before = socket.sent.size();
    socket.arrive(line + "\r");
    loop().turn();
    return socket.sent.mid(before);
}

QString StationRig::day() const {
    return dayFolder(state.settings.saveFolder, QDate::currentDate(), QDir::separator());
}

QString StationRig::dayFile(const QString& name) const {
    return day() + QDir::separator() + name;
}

}  // namespace pelmar::fakes
