#pragma once
// The real message boxes and file dialogs (Qt's own file dialog, the same
// on every desktop), the desktop and the event pump of the window layer;
// registered once by the program's start.
#include "platform/Dialogs.h"

#include <QColor>
#include <QWidget>

namespace platform {

class QtDialogs : public Dialogs {
  public:
    int message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
    int messageIn(int langIndex, const std::string& text, const std::string& title, Buttons buttons,
                  Icon icon) override;
    std::optional<std::string> openFile(const FileRequest& request) override;
    std::optional<std::string> saveFile(const FileRequest& request) override;
};

// Registers QtDialogs, the Qt desktop and the Qt event pump.
void installQtPlatform();

// Qt's own texts (message-box buttons, the file dialog) in the interface
// language: Qt's translations for language 1 (Simplified Chinese) or 2
// (Traditional Chinese), installed in place of earlier ones. False, and Qt
// speaks English, for language 3 or when the translations are missing.
bool installQtTranslations(int langIndex);

// "Description(*.a)|*.a|Other(*.b)|*.b" as a Qt name filter list.
QString qtFilter(const std::string& filter);

// Colour numbers of the original are 0x00BBGGRR.
QColor colorFromNumber(long number);
long numberFromColor(const QColor& c);

} // namespace platform
