#include "protocol/links/SerialLink.h"

#include <algorithm>

#include <QSerialPort>
#include <QSerialPortInfo>

#include "protocol/links/DeviceTransfer.h"
#include "protocol/links/LinkFailure.h"

namespace corva {

SerialLink::SerialLink(std::string port) : port_{std::move(port)} {}

SerialLink::~SerialLink() {
    Close();
}

Status SerialLink::Open() {
    Close();
    auto serial = std::make_unique<QSerialPort>();
    serial->setPortName(QString::fromStdString(port_));
    serial->setBaudRate(kSerialBaudRate);
    serial->setDataBits(QSerialPort::Data8);
    serial->setParity(QSerialPort::NoParity);
    serial->setStopBits(QSerialPort::OneStop);
    serial->setFlowControl(QSerialPort::NoFlowControl);
    if (!serial->open(QIODevice::ReadWrite)) {
        return LinkFailure(Tr("Connection", "Cannot open %1").Arg(Describe()),
                           serial->errorString());
    }
    // RTS stays on (there is no handshake). Lines a pseudo-terminal or a bare adapter does not
    // have make the modem-line calls fail, here and inside open(); the data path works anyway,
    // so such errors are dropped rather than left to spoil later waits.
    serial->setRequestToSend(true);
    serial->clearError();
    serial->clear(QSerialPort::AllDirections);
    serial_ = std::move(serial);
    return Status::Ok();
}

void SerialLink::Close() {
    if (serial_) {
        serial_->close();
        serial_.reset();
    }
}

bool SerialLink::IsOpen() const {
    return serial_ && serial_->isOpen();
}

Status SerialLink::Write(std::span<const std::uint8_t> bytes, int timeoutMs) {
    if (!IsOpen()) {
        return LinkNotOpen(Describe());
    }
    // Leftovers of a write that ran out of time would run into this frame.
    if (serial_->bytesToWrite() > 0) {
        serial_->clear(QSerialPort::Output);
    }
    if (const auto reason = WriteWhole(*serial_, bytes, timeoutMs)) {
        serial_->clearError();
        return LinkFailure(Tr("Connection", "Writing to %1 failed").Arg(Describe()), *reason);
    }
    Trace(TraceDirection::Sent, bytes);
    return Status::Ok();
}

ReadStatus SerialLink::Read(std::span<std::uint8_t> buffer, std::size_t& count, int timeoutMs) {
    count = 0;
    if (!IsOpen() || buffer.empty()) {
        return ReadStatus::Failed;
    }
    if (serial_->bytesAvailable() == 0 && !serial_->waitForReadyRead(std::max(timeoutMs, 0))) {
        // A time-out is an error state of the port that would make the next wait fail at once.
        if (serial_->error() == QSerialPort::TimeoutError) {
            serial_->clearError();
            return ReadStatus::Timeout;
        }
        return ReadStatus::Failed;
    }
    const ReadStatus status = TakeArrived(*serial_, buffer, count);
    if (status == ReadStatus::Data) {
        Trace(TraceDirection::Received, buffer.first(count));
    }
    return status;
}

void SerialLink::DiscardInput() {
    if (IsOpen()) {
        serial_->clear(QSerialPort::Input);
    }
}

std::vector<std::string> SerialLink::ListSerialPorts() {
    std::vector<std::string> names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        names.push_back(info.portName().toStdString());
    }
    return names;
}

}  // namespace corva
