#include "app/Station.h"

#include <QDate>

#include "app/IniFile.h"
#include "app/ProgramFiles.h"
#include "app/folders/FolderMaking.h"
#include "app/report/NameIni.h"
#include "app/text/FileMessages.h"

namespace pelmar {

Station::Station(ProgramState& state, Socket& socket, EventPump& pump, Screen& screen,
                 settings::SettingScreen& settingScreen, Prompts& prompts, FolderOps& folders,
                 imaging::TessioLibrary& display)
    : state_(state),
      pump_(pump),
      screen_(screen),
      folders_(folders),
      display_(display),
      transport_(socket, pump),
      exchange_(transport_),
      loop_(exchange_, screen),
      dataCommands_(exchange_, screen, state.settings, state.history, folders_),
      imageCommands_(exchange_, screen, prompts, state.settings, state.images, state.palette,
                     folders_),
      settingCommands_(exchange_, screen, settingScreen, prompts, state.settings, state.settingData,
                       state.workFolder, state.settingFilePath) {
    dataCommands_.registerWith(loop_, state.measurement);
    imageCommands_.registerWith(loop_, state.measurement);
    settingCommands_.registerWith(loop_);
}

void Station::startUp() {
    imaging::setGrayRamp(state_.palette);
    screen_.showWindow();
    pump_.processEvents();

    // Tessio's display state; its result does not matter, only whether the library is there.
    if (const auto opened = display_.DDSopen_sys(); !opened) {
        startupNotices_.append(
            QStringLiteral(
                "表示ライブラリ %1 を読み込めません: %2（画像はPelmarが自分で表示します）")
                .arg(imaging::TessioLibrary::fileName(), opened.problem().text()));
    }

    const ProgramFiles files = locateProgramFiles(state_.programFolder);
    AppSettings& settings = state_.settings;
    settings.saveFolder = files.saveFolder;
    state_.iniPath = files.iniPath();
    state_.nameIniPath = files.nameIniPath();
    // The installed program's per-user folder does not exist before its first start.
    if (const auto made = folders::EnsureFolder(files.configFolder, folders_); !made) {
        startupNotices_.append(folders::notMade(made.problem()));
    }
    settings.dmAddress = kDefaultDmAddress;
    settings.dmPort = kDefaultDmPort;
    settings.saveMethod = SaveBitmap;
    settings.jpegQuality = kDefaultJpegQuality;

    const auto read = LoadIniFile(state_.iniPath, settings);
    if (!read || *read != IniRead::Complete) {
        problemIfNotWritten(Screen::Problem::Settings, QStringLiteral("設定ファイル"),
                            SaveIniFile(state_.iniPath, settings));
    }
    // Stores into it fail until it can be made: a problem that stands out until one succeeds.
    if (const auto made = folders::EnsureFolder(settings.saveFolder, folders_); !made) {
        startupProblems_.emplace_back(
            Screen::Problem::Store,
            QStringLiteral("保存エラー（%1）").arg(folders::notMade(made.problem())));
    }
    state_.workFolder = settings.saveFolder;
    state_.history.clear();
    screen_.clearTable();
    screen_.ShowSettings();

    // The report header: the creation date is the day the program started; NAME.INI holds the
    // name lines, and is made with two empty ones when it is missing.
    report::setStartValues(state_.reportHeader, QDate::currentDate());
    if (folders::FileExists(state_.nameIniPath)) {
        report::LoadNameIni(state_.nameIniPath, state_.reportHeader);
    } else {
        state_.reportHeader.nameLine1.clear();
        state_.reportHeader.nameLine2.clear();
        problemIfNotWritten(Screen::Problem::Names, QStringLiteral("会社名などのファイル"),
                            report::SaveNameIni(state_.nameIniPath, state_.reportHeader));
    }
}

void Station::problemIfNotWritten(Screen::Problem problem, const QString& whatFile,
                                  const FileOutcome<>& written) {
    if (written) return;
    startupProblems_.emplace_back(
        problem, QStringLiteral("%1：%2").arg(whatFile, text::notWritten(written.problem())));
}

void Station::run() {
    loop_.start();
    for (const QString& notice : startupNotices_) appendStatus(screen_, notice);
    for (const auto& [problem, msg] : startupProblems_) screen_.showProblem(problem, msg);
    loop_.run();
}

}  // namespace pelmar
