#include <winsock2.h>

#include <vector>

#include "tools/dmsim/RawReceiver.h"

namespace dmsim {

void answerPieces(quint16 port, qsizetype bytes) {
    const SOCKET fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd == INVALID_SOCKET) return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&one), sizeof one);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        std::vector<char> buffer(static_cast<std::size_t>(bytes) + 1);
        for (;;) {
            qsizetype got = 0;
            while (got < bytes) {
                const int n = ::recv(fd, buffer.data(), static_cast<int>(buffer.size()), 0);
                if (n <= 0) break;
                got += n;
            }
            if (got < bytes || ::send(fd, "0,\r", 3, 0) != 3) break;
        }
    }
    ::closesocket(fd);
}

}  // namespace dmsim
