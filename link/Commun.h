#pragma once
// The read/write dialog's work between its button and its closing wait:
// the road of the radio read or write, with what the channel window shows
// after a read and the serial number after a good write. The window
// (frmCommun) keeps the buttons, the busy light and the waits.
#include "app/ErrorReporter.h"
#include "link/FirmwareTable.h"
#include "link/LinkState.h"
#include "link/RadioRoads.h"
#include "model/Model.h"
#include "platform/Host.h"

#include <string>

namespace radiolink {

// What the step after a good write did to the serial-number list: nothing,
// the next number is in the image for the next radio, or the radio just
// written took the last number (no further radio gets one of this list).
enum class SerialStep { None, Next, UsedUp };

// The channel window's serial-number list as a good write moves it on: a
// host interface (platform/Host.h) that the channel window (channels/ui)
// registers; until then there is no list.
class SerialNumberList {
  public:
    virtual ~SerialNumberList() = default;
    virtual bool ListVisible() { return false; } // cboImportSeq shown
    virtual int ListCount() { return 0; }        // its entries
    virtual int AutoNextValue() { return 0; }    // chkAutoNextSn, 1 ticked
    // The step after a good write (the list's ">>").
    virtual SerialStep StepAfterWrite() { return SerialStep::None; }
};

struct CommunWriteResult {
    WriteFirmware firmware;
    SerialStep serial = SerialStep::None;
};

// Why a road failed, for the user in the interface language: the road's
// failure text ("Read Failed", "Write Fail"), the reason (ComFailWhy, with
// the port's own when it would not open, or the run-time error's) and,
// after a write that sent the radio a page, that the radio may now hold
// part of the new data and that writing again completes it. `notice` is
// the dialog's account, `panel` the short one for the main window's status
// panel. thrown: what the road threw, if it threw (its reason is told only
// for an unknown model; anything else thrown leaves the line no reason).
struct RoadFailure {
    std::string notice;
    std::string panel;
};
RoadFailure DescribeRoadFailure(const LinkState& s, bool write, const app::Caught* thrown = nullptr);

// Reads the frequency page set and shows the image in the channel window,
// also after a failed read (which leaves the image as it was).
void CommunRead(LinkState& s, model::ModelState& m);

// Bytes every write from the dialog sets before it connects.
void SetWriteFixedBytes(model::Image& image);

// Encodes the channel table, sets the fixed bytes, writes the frequency page
// set and, after a good write, moves the serial-number list on. Throws what
// WriteRadio throws.
CommunWriteResult CommunWrite(LinkState& s, FirmwareState& fw, model::ModelState& m);

} // namespace radiolink
