#pragma once
// The radio read and the radio write: connect, choose the pages that move,
// move them between the radio and the image through the tool window's page
// boxes and commands, and, on a write, decide whether the radio also gets
// the firmware built into the program. The read/write dialog runs them with
// FreMode -1 (the frequency page set); the alignment window's Read and Write
// buttons run them with FreMode 0 (the alignment page set).
//
// The outcome is ComFail and the status texts. Both expect ComStop cleared
// by the caller and no other link operation running.
#include "link/FirmwareTable.h"
#include "link/LinkState.h"
#include "link/Protocol.h"
#include "model/Model.h"
#include "platform/Failure.h"

#include <string>

namespace radiolink {

// Unticks every page box, then ticks the page set of freMode and, when
// asked, the program pages 7-49.
void TickPageSet(LinkState& s, Flag freMode, bool programPages);

// Reads the page set of FreMode into the image and, when every page came,
// sends the closing exchange. A read that fails, in a page transfer or at
// the closing exchange, puts the page set back as it was before the read:
// the image never mixes pages of the radio with pages of before, and a read
// reported failed has changed nothing.
void ReadRadio(LinkState& s, model::Image& image);

// What a write did about the radio's firmware.
struct WriteFirmware {
    enum Outcome {
        NotUpdated,       // no update asked, or the radio is up to date
        Updated,          // a built-in version was loaded and pages 7-49 went with the write
        NoBuiltInVersion, // an update was asked but the model has no built-in version
    } outcome = NotUpdated;
    int model = 0;
};

// A write with update stopped, before anything was written, at a radio of a
// model code outside 100-125.
class UnknownModel : public platform::Failure {
  public:
    explicit UnknownModel(int model);
    int model;
};

// Copies the band block into page 58, connects, decides the firmware update
// when AutoUpdate is on, and writes the page set of FreMode (with pages 7-49
// only right after a built-in version was loaded into the image). Throws
// UnknownModel, before anything is written, for a model code outside
// 100-125 while AutoUpdate is on.
WriteFirmware WriteRadio(LinkState& s, FirmwareState& fw, model::Image& image);

// The radio's firmware stamp from its identification record, or
// "0000000000" when it is no plausible stamp: first byte 0x64 or more,
// second below 0x25 or with a low digit of 0 or above 12, third 0 or
// above 31.
std::string RadioFirmwareStamp(const Identification& id);

// Whether a radio of this stamp has older firmware than the expected
// identity: the texts differ and the radio's first six hex digits are the
// smaller number (an empty text counts as 0).
bool OlderFirmware(const std::string& stamp, const std::string& expected);

} // namespace radiolink
