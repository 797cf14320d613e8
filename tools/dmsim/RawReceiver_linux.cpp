#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

#include "tools/dmsim/RawReceiver.h"

namespace dmsim {

void answerPieces(quint16 port, qsizetype bytes) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        std::vector<char> buffer(static_cast<std::size_t>(bytes) + 1);
        for (;;) {
            qsizetype got = 0;
            while (got < bytes) {
                const ssize_t n = ::recv(fd, buffer.data(), buffer.size(), 0);
                if (n <= 0) break;
                got += n;
            }
            if (got < bytes || ::send(fd, "0,\r", 3, MSG_NOSIGNAL) != 3) break;
        }
    }
    ::close(fd);
}

}  // namespace dmsim
