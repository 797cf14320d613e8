#pragma once

#include <QString>
#include <QStringList>

#include "app/link/Screen.h"

namespace pelmar::testing {

// The windows as a test sees them: the status lines written (without their time stamps) and the
// address and port the text boxes hold.
class FakeScreen : public Screen {
public:
    void DispMsg(const QString& msg, int& leaveflg) override {
        if (leaveflg == 0) statusPage.clear();
        statusPage.append(msg);
        status.append(msg);
    }
    QString dmAddressText() override { return address; }
    QString dmPortText() override { return port; }

    QStringList status;      // every line ever written
    QStringList statusPage;  // the lines since the last replacing one
    QString address = QStringLiteral("127.0.0.1");
    QString port = QStringLiteral("1001");
};

}  // namespace pelmar::testing
