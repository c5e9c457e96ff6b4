#include "protocol/links/TcpLink.h"

#include <algorithm>

#include <QTcpSocket>

#include "protocol/links/DeviceTransfer.h"
#include "protocol/links/LinkFailure.h"

namespace corva {

TcpLink::TcpLink(std::string host, std::uint16_t port, int connectLimitMs)
    : host_{std::move(host)}, port_{port}, connectLimitMs_{connectLimitMs} {}

TcpLink::~TcpLink() {
    Close();
}

std::string TcpLink::Describe() const {
    return "TCP " + host_ + ":" + std::to_string(port_);
}

Status TcpLink::Open() {
    Close();
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QString::fromStdString(host_), port_);
    if (!socket->waitForConnected(connectLimitMs_)) {
        const QString reason = socket->errorString();
        socket->abort();
        return LinkFailure(Tr("Connection", "Cannot connect to %1").Arg(Describe()), reason);
    }
    // One small frame, then wait for its answer: never hold a frame back to fill a segment.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket_ = std::move(socket);
    return Status::Ok();
}

void TcpLink::Close() {
    if (socket_) {
        socket_->abort();
        socket_.reset();
    }
}

bool TcpLink::IsOpen() const {
    return socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

Status TcpLink::Write(std::span<const std::uint8_t> bytes, int timeoutMs) {
    if (!IsOpen()) {
        return LinkNotOpen(Describe());
    }
    if (const auto reason = WriteWhole(*socket_, bytes, timeoutMs)) {
        return LinkFailure(Tr("Connection", "Sending to %1 failed").Arg(Describe()), *reason);
    }
    Trace(TraceDirection::Sent, bytes);
    return Status::Ok();
}

ReadStatus TcpLink::Read(std::span<std::uint8_t> buffer, std::size_t& count, int timeoutMs) {
    count = 0;
    if (!socket_ || buffer.empty()) {
        return ReadStatus::Failed;
    }
    if (socket_->bytesAvailable() == 0) {
        if (socket_->state() != QAbstractSocket::ConnectedState) {
            return ReadStatus::Failed;
        }
        if (!socket_->waitForReadyRead(std::max(timeoutMs, 0))) {
            // A time-out leaves the socket usable; anything else (the peer closed, a network
            // error) has closed it.
            const bool timedOut = socket_->error() == QAbstractSocket::SocketTimeoutError &&
                                  socket_->state() == QAbstractSocket::ConnectedState;
            return timedOut ? ReadStatus::Timeout : ReadStatus::Failed;
        }
    }
    const ReadStatus status = TakeArrived(*socket_, buffer, count);
    if (status == ReadStatus::Data) {
        Trace(TraceDirection::Received, buffer.first(count));
    }
    return status;
}

}  // namespace corva
