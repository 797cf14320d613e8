#pragma once

#include <QString>
#include <functional>
#include <map>

#include "app/link/Exchange.h"
#include "app/seams/Screen.h"

namespace pelmar {

enum class LinkState { Connect = 0, WaitConnected = 1, Online = 2, Disconnect = 3, Pause = 4 };

// The heart of the program: keeps the link to the DM alive and serves its command lines one at a
// time. Runs on the window thread; every turn and every wait processes window events.
class CommandLoop {
public:
    using Handler = std::function<void(CommandLine&)>;

    // The time limits of the states, in loop turns of kTurnMs each.
    static constexpr int kTurnMs = 1;
    static constexpr int kTurnLimit = 1000;
    static constexpr int kOnlineStep = 50;

    CommandLoop(Exchange& exchange, Screen& screen);

    // Joins the dispatch table; the command word is compared exactly.
    void addHandler(const QString& command, Handler handler);

    // Writes "起動" (a new status page) and enters Connect.
    void start();
    // One turn of the loop. Throws on an unexpected error.
    void turn();
    // Turns until stop() is called or an unexpected error ends the loop; that error is shown as
    // a status line.
    void run();
    // Ends run() after the turn in progress.
    void stop() { stopping_ = true; }

    LinkState state() const { return state_; }
    int turnCounter() const { return turnCounter_; }

private:
    void status(const QString& text);
    void online();
    void dispatch(const QString& line);

    Exchange& exchange_;
    Transport& transport_;
    Screen& screen_;
    std::map<QString, Handler> handlers_;
    LinkState state_ = LinkState::Connect;
    int turnCounter_ = 0;
    bool stopping_ = false;
};

}  // namespace pelmar
