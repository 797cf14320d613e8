#pragma once

#include <QString>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>

#include "app/link/Transport.h"

namespace pelmar {

// The replies of every exchange, each ended by CR alone.
inline constexpr char kReplyOk[] = "0,\r";       // accepted, received, done
inline constexpr char kReplyRefused[] = "1,\r";  // refused or cancelled by the inspector
inline constexpr char kReplyFailed[] = "-1,\r";  // failed

// The file dialog's cancel error (32755 on the socket control's platform): a handler throws it
// and the command loop answers "1,".
class DialogCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "file dialog cancelled (32755)"; }
};

// The command line a handler is entered with: the whole line as received and the read position
// just after the command word. Its parameters are read one field at a time from there.
struct CommandLine {
    QString line;
    int readPos = 0;

    // The next field as text, or as its leading number rounded halves to even. False (out and
    // the position unchanged) when the field is empty or the line has ended.
    bool next(QString& out);
    bool next(std::int32_t& out);
};

// What every command handler (and the setting-data send dialog) does on the link: send a reply,
// dropping whatever the DM sent meanwhile; and receive the DM's next line as the loop does (at
// least 4 characters, 1000 ms, ended by CR).
class Exchange {
public:
    static constexpr int kLineTimeoutMs = 1000;

    explicit Exchange(Transport& transport) : transport_(transport) {}

    void reply(const char* text) { reply(QString::fromLatin1(text)); }
    // A line of the program's own for the DM (the setting-data record and worker lines), sent
    // the same way.
    void reply(const QString& text);
    // The next line, or nothing when the DM did not send one in time.
    std::optional<QString> receiveLine();

    // A request of the DM's now waits for the inspector (the send dialog's answer), while the
    // DM waits in silence: until it is answered, the loop's no-data time-out does not end the
    // link. The end of the connection ends the request too, and `gone` is called then: nothing
    // of it may be sent on a later connection.
    void awaitInspector(std::function<void()> gone);
    // The inspector has answered (or the request is over otherwise).
    void inspectorAnswered() { awaited_.reset(); }
    bool inspectorAwaited() const { return awaited_.has_value(); }
    // Called by the loop when its connection has ended.
    void connectionEnded();

    Transport& transport() { return transport_; }

private:
    Transport& transport_;
    std::optional<std::function<void()>> awaited_;
};

}  // namespace pelmar
