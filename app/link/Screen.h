#pragma once

#include <QString>
#include <exception>

namespace pelmar {

// The file dialog's cancel error (32755 on the socket control's platform): a handler throws it
// and the command loop answers "1,".
class DialogCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "file dialog cancelled (32755)"; }
};

// The windows as the command handlers see them. Real: Form1. Tests: a scripted fake.
class Screen {
public:
    virtual ~Screen() = default;

    // Writes a time-stamped status line; leaveflg 1 appends, 0 replaces. It may set the caller's
    // leaveflg to 0 when a new page starts.
    virtual void DispMsg(const QString& msg, int& leaveflg) = 0;

    // The DM address and port as they stand in the text boxes now (read at every attempt).
    virtual QString dmAddressText() = 0;
    virtual QString dmPortText() = 0;
};

// DispMsg with a literal flag, for the common case of a plain appended line.
inline void appendStatus(Screen& screen, const QString& msg) {
    int leave = 1;
    screen.DispMsg(msg, leave);
}

}  // namespace pelmar
