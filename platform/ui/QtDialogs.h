#pragma once
// The real message boxes and file dialogs, the desktop and the event pump
// of the window layer; registered once by the program's start.
#include "platform/Dialogs.h"

#include <QColor>
#include <QWidget>

namespace platform {

class QtDialogs : public Dialogs {
  public:
    int message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
    std::optional<std::string> openFile(const FileRequest& request) override;
    std::optional<std::string> saveFile(const FileRequest& request) override;
};

// Registers QtDialogs, the Qt desktop and the Qt event pump.
void installQtPlatform();

// "Description(*.a)|*.a|Other(*.b)|*.b" as a Qt name filter list.
QString qtFilter(const std::string& filter);

// Colour numbers of the original are 0x00BBGGRR.
QColor colorFromNumber(long number);
long numberFromColor(const QColor& c);

} // namespace platform
