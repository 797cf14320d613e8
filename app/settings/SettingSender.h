#pragma once

#include <functional>

#include "app/link/Exchange.h"
#include "app/seams/Screen.h"
#include "app/settings/SettingData.h"

namespace pelmar::settings {

// The second half of the DM's read request (SETR) as the send dialog's buttons drive it: the
// record goes to the DM, or the DM hears that nothing comes. Either answers the request once;
// a request that is gone (its connection ended) is answered no more.
class SettingSender {
public:
    virtual ~SettingSender() = default;
    // "0,", the record line, the worker line. False when the request was gone before or went
    // during the sequence.
    virtual bool send(const SettingData& data) = 0;
    // "1,": nothing will come. False when the request is gone.
    virtual bool cancel() = 0;

    // Called when the request goes while it waits for the inspector: the DM went away.
    std::function<void()> requestGone;
};

// The sender on the loop's link, line and reply, from inside a wait of the command loop. Each
// line the program sends is followed by a wait for the DM's answer, which is not examined: a DM
// that does not answer costs a second per line and the sequence goes on. A link that is gone
// ends the sequence with a status line; the loop then reconnects.
class LinkSettingSender final : public SettingSender {
public:
    LinkSettingSender(Exchange& exchange, Screen& screen) : exchange_(exchange), screen_(screen) {}

    // The DM waits for this sender's answer, on the loop's connection as it is now.
    void await();
    bool awaited() const { return exchange_.inspectorAwaited(); }

    bool send(const SettingData& data) override;
    bool cancel() override;

private:
    bool sendLines(std::initializer_list<QString> lines);

    Exchange& exchange_;
    Screen& screen_;
};

}  // namespace pelmar::settings
