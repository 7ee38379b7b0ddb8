#pragma once
// The link's serial control (the original's comCommun): a port number, a
// line-settings text ("9600,n,8,2") and the device behind them.
#include "platform/SerialPort.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace radiolink {

class SerialControl {
  public:
    std::int16_t CommPort = 1;

    // The settings text; a new one takes effect at once on an open port.
    const std::string& Settings() const { return settings_; }
    void SetSettings(const std::string& text);
    // The rate of the settings text (its leading number).
    int Baud() const;

    bool PortOpen() const { return port_.isOpen(); }
    bool HungUp() const { return port_.hungUp(); }
    // Opens the device of CommPort as the settings file maps it; throws
    // platform::Failure naming the cause.
    void Open(const std::string& settingsFile);
    void Close();

    int InBufferCount() const { return port_.inputCount(); }
    int OutBufferCount() const { return port_.outputCount(); }
    void ClearInput() { port_.flushInput(); }
    void ClearOutput() { port_.flushOutput(); }
    void Output(std::span<const std::uint8_t> bytes, int timeoutMs) { port_.write(bytes, timeoutMs); }
    std::vector<std::uint8_t> Input() { return port_.readAll(); }

  private:
    std::string settings_ = "9600,n,8,2";
    platform::SerialPort port_;
};

} // namespace radiolink
