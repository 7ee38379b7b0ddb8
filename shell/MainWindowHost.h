#pragma once
// What the main window's logic asks of the main window itself: a host
// interface (platform/Host.h) that the main window (shell/ui) registers when
// start-up creates it; until then the calls do nothing.
#include "platform/Host.h"

#include <string>

namespace shell {

class MainWindowHost {
  public:
    virtual ~MainWindowHost() = default;
    // Status panel 3 ("statusAddress") shows this text.
    virtual void ShowFilePanel(const std::string& /*text*/) {}
    // The main window takes the focus (before the Save question).
    virtual void TakeFocus() {}
};

} // namespace shell
