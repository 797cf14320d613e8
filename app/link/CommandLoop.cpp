#include "app/link/CommandLoop.h"

#include <exception>

#include "app/text/Fields.h"

namespace pelmar {

CommandLoop::CommandLoop(Exchange& exchange, Screen& screen)
    : exchange_(exchange), transport_(exchange.transport()), screen_(screen) {
    addHandler(QStringLiteral("OPEN"),
               [this](CommandLine&) { status(QStringLiteral("OPEN受信")); });
    addHandler(QStringLiteral("NONE"), [this](CommandLine&) {
        exchange_.reply(kReplyOk);
        status(QStringLiteral("NONE受信"));
    });
    addHandler(QStringLiteral("CLOSE"), [this](CommandLine&) {
        status(QStringLiteral("CLOSE受信"));
        state_ = LinkState::Disconnect;
    });
}

void CommandLoop::addHandler(const QString& command, Handler handler) {
    handlers_[command] = std::move(handler);
}

void CommandLoop::status(const QString& text) {
    appendStatus(screen_, text);
}

void CommandLoop::start() {
    int leave = 0;
    screen_.DispMsg(QStringLiteral("起動"), leave);
    state_ = LinkState::Connect;
    turnCounter_ = 0;
}

void CommandLoop::turn() {
    EventPump& pump = transport_.pump();
    if (state_ == LinkState::Online) {
        // Online, the pause between turns ends as soon as the DM's next line arrives.
        transport_.waitForInput(kTurnMs);
    } else {
        // The other states' time limits are counted in turns of about a millisecond each.
        pump.processEvents();
        pump.sleepMs(kTurnMs);
        pump.processEvents();
    }

    Socket& socket = transport_.socket();
    const bool wasOnline = state_ == LinkState::Online;
    switch (state_) {
        case LinkState::Connect:
            status(QStringLiteral("接続開始"));
            transport_.LANconnect(screen_.dmAddressText(), screen_.dmPortText());
            state_ = LinkState::WaitConnected;
            turnCounter_ = 0;
            break;
        case LinkState::WaitConnected: {
            const int socketState = socket.state();
            if (socketState == Socket::kConnected) {
                state_ = LinkState::Online;
                turnCounter_ = 0;
                break;
            }
            turnCounter_ += socketState == Socket::kConnecting ? 1 : 2;
            if (turnCounter_ > kTurnLimit) {
                status(QStringLiteral("接続タイムアウト"));
                turnCounter_ = 0;
                state_ = LinkState::Connect;
            }
            break;
        }
        case LinkState::Online:
            online();
            break;
        case LinkState::Disconnect:
            status(QStringLiteral("切断"));
            transport_.LANclose();
            state_ = LinkState::Pause;
            turnCounter_ = 0;
            break;
        case LinkState::Pause:
            if (++turnCounter_ > kTurnLimit) {
                turnCounter_ = 0;
                state_ = LinkState::Connect;
            }
            break;
    }
    if (wasOnline && state_ != LinkState::Online) exchange_.connectionEnded();
}

void CommandLoop::online() {
    if (transport_.socket().state() != Socket::kConnected) {
        state_ = LinkState::Disconnect;
        return;
    }
    turnCounter_ += kOnlineStep;
    // A DM that waits for the inspector's answer is silent, not gone.
    if (exchange_.inspectorAwaited()) turnCounter_ = 0;
    if (turnCounter_ > kTurnLimit) {
        status(QStringLiteral("データタイムアウト"));
        turnCounter_ = 0;
        state_ = LinkState::Connect;
        return;
    }
    const std::optional<QString> line = transport_.ReceiveLine(4, Exchange::kLineTimeoutMs);
    if (!line) return;
    turnCounter_ = 0;
    dispatch(*line);
}

void CommandLoop::dispatch(const QString& line) {
    // A line whose first field is empty carries no command: it is ignored rather than taken as
    // a repeat of the previous one.
    QString word;
    int readPos = 0;
    text::ReadField(line, readPos, word, readPos);
    const auto handler = handlers_.find(word);
    if (handler == handlers_.end()) {
        transport_.pump().processEvents();
        return;
    }
    CommandLine command{line, readPos};
    try {
        try {
            handler->second(command);
        } catch (const DialogCancelled&) {
            exchange_.reply(kReplyRefused);
        }
    } catch (const ConnectionLost&) {
        // The DM is gone in the middle of an exchange: the next turn finds the socket closed,
        // says "切断", pauses and connects again.
    }
}

void CommandLoop::run() {
    stopping_ = false;
    try {
        while (!stopping_) turn();
    } catch (const std::exception& error) {
        // The link stops here for the rest of the run; the inspector must see why.
        status(QStringLiteral("通信停止（エラー: %1）").arg(QString::fromUtf8(error.what())));
    }
}

}  // namespace pelmar
