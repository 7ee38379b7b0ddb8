#pragma once
// The desktop through Qt's process control: xdg-open for documents, the
// program's own executable for a restart.
#include "platform/Desktop.h"

namespace platform {

class QtDesktop : public Desktop {
  public:
    bool OpenDocument(const std::string& path) override;
    bool RestartProgram() override;
};

} // namespace platform
