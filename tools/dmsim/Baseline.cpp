#include "tools/dmsim/Baseline.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "tools/dmsim/Peer.h"

namespace dmsim {

namespace {

// A receiver with nothing but the system calls: read a whole piece, answer it, until the DM
// side closes.
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

}  // namespace

Stats measureLoopback(int rounds, qsizetype bytes) {
    Peer peer;
    const quint16 port = peer.listen(0);
    std::thread receiver(answerPieces, port, bytes);
    std::vector<double> micros;
    const bool connected = peer.accept(5000);
    if (connected) {
        const QByteArray payload(bytes, 'x');
        for (int round = 0; round < rounds; ++round) {
            const auto start = std::chrono::steady_clock::now();
            peer.send(payload);
            if (peer.readLine(10000).end != ReadEnd::Done) break;
            micros.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    peer.drop();
    receiver.join();
    if (!connected || static_cast<int>(micros.size()) != rounds)
        throw std::runtime_error("the loopback baseline connection failed");
    return summarize(std::move(micros));
}

}  // namespace dmsim
