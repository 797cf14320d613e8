#include "PelmarStandIn.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "tools/dmsim/Peer.h"
#include "tools/dmsim/Script.h"
#include "tools/dmsim/Session.h"
#include "tools/dmsim/Transcript.h"

PelmarStandIn::~PelmarStandIn() {
    close();
}

bool PelmarStandIn::connectTo(std::uint16_t port) {
    close();
    port_ = port;
    atEnd_ = false;
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return fd_ >= 0 && ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
}

bool PelmarStandIn::fill(int limitMs) {
    pollfd event{fd_, POLLIN, 0};
    if (fd_ < 0 || ::poll(&event, 1, limitMs) <= 0) return false;
    char buffer[65536];
    const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
    atEnd_ = n == 0;
    if (n <= 0) return false;
    pending_.append(buffer, n);
    return true;
}

QByteArray PelmarStandIn::readLine(int limitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!pending_.contains('\r')) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !fill(static_cast<int>(left.count()))) return {};
    }
    const qsizetype end = pending_.indexOf('\r') + 1;
    const QByteArray line = pending_.left(end);
    pending_.remove(0, end);
    return line;
}

QByteArray PelmarStandIn::readBytes(qsizetype count, int limitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (pending_.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !fill(static_cast<int>(left.count()))) break;
    }
    const QByteArray block = pending_.left(count);
    pending_.remove(0, block.size());
    return block;
}

QByteArray PelmarStandIn::readFor(int ms) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !fill(static_cast<int>(left.count()))) break;
    }
    return std::exchange(pending_, {});
}

void PelmarStandIn::send(const QByteArray& bytes) {
    if (fd_ >= 0) ::send(fd_, bytes.constData(), static_cast<size_t>(bytes.size()), MSG_NOSIGNAL);
}

bool PelmarStandIn::reconnect() {
    return connectTo(port_);
}

void PelmarStandIn::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

ScriptRun playScript(const QByteArray& script, const std::function<void(PelmarStandIn&)>& pelmar) {
    const dmsim::Script steps = dmsim::parseScript(script);
    dmsim::Peer peer;
    const quint16 port = peer.listen(0);
    std::thread client([&] {
        PelmarStandIn standIn;
        if (standIn.connectTo(port)) pelmar(standIn);
    });
    std::FILE* log = std::tmpfile();
    ScriptRun run;
    {
        dmsim::Transcript transcript(log);
        dmsim::Session session(peer, transcript);
        run.result = dmsim::runScript(steps, session);
        peer.drop();
    }
    client.join();
    std::rewind(log);
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, log))
        run.transcript += QString::fromUtf8(buffer, static_cast<qsizetype>(n));
    std::fclose(log);
    return run;
}
