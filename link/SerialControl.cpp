#include "link/SerialControl.h"

#include "platform/Failure.h"
#include "platform/Numbers.h"

namespace radiolink {

void SerialControl::SetSettings(const std::string& text) {
    settings_ = text;
    if (port_.isOpen()) port_.setBaud(Baud());
}

int SerialControl::Baud() const {
    return static_cast<int>(platform::leadingValue(settings_.substr(0, settings_.find(','))));
}

void SerialControl::Open(const std::string& settingsFile) {
    if (CommPort < 1 || CommPort > 16)
        throw platform::Failure("port " + std::to_string(CommPort) + " does not exist");
    port_.open(platform::SerialPort::deviceOf(CommPort, settingsFile), Baud());
}

void SerialControl::Close() {
    port_.close();
}

} // namespace radiolink
