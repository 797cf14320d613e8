#pragma once

#include "app/link/Exchange.h"
#include "app/link/Screen.h"
#include "app/settings/SettingData.h"

namespace pelmar::settings {

// The second half of the DM's read request (SETR) as the send dialog's buttons drive it: the
// record goes to the DM, or the DM hears that nothing comes.
class SettingSender {
public:
    virtual ~SettingSender() = default;
    // "0,", the record line, the worker line.
    virtual void send(const SettingData& data) = 0;
    // "1,": nothing will come.
    virtual void cancel() = 0;
};

// The sender on the loop's link, line and reply, from inside a wait of the command loop. Each
// line the program sends is followed by a wait for the DM's answer, which is not examined: a DM
// that does not answer costs a second per line and the sequence goes on. A link that is gone
// ends the sequence with a status line; the loop then reconnects.
class LinkSettingSender final : public SettingSender {
public:
    LinkSettingSender(Exchange& exchange, Screen& screen) : exchange_(exchange), screen_(screen) {}

    void send(const SettingData& data) override;
    void cancel() override;

private:
    void sendLines(std::initializer_list<QString> lines);

    Exchange& exchange_;
    Screen& screen_;
};

}  // namespace pelmar::settings
