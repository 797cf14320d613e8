#include "tools/dmsim/Baseline.h"

#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "tools/dmsim/Peer.h"
#include "tools/dmsim/RawReceiver.h"

namespace dmsim {

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
