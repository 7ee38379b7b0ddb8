#pragma once
// A link over a real pseudo-terminal, on a fresh start: settings in its
// program folder that map port 1 to a simulated radio (and every other port
// to no device, so a test never touches the machine's own serial ports), a
// LinkState of its own, and the status texts the link shows. The link's waits run on a virtual clock
// that also drives the radio, so a test that runs out retry budgets takes no
// real time and may check their lengths to the millisecond.
#include "app/Settings.h"
#include "app/Shell.h"
#include "link/Engine.h"
#include "link/LinkState.h"
#include "link/Protocol.h"
#include "tests/link/LinkHooks.h"
#include "tests/support/FreshStart.h"
#include "tests/support/VirtualClock.h"
#include "tools/radiosim/Radio.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace linktest {

using Bytes = std::vector<std::uint8_t>;

// Bytes from hex text ("5A31 8C31"), blanks ignored.
Bytes hex(const std::string& text);

// Request frames written out by hand, as the radio receives them: the two
// handshakes and the closing exchange (its sum stored with the script).
extern const Bytes kStage1, kStage2, kClosing;

// The bytes of every request the radio heard, in order.
std::vector<Bytes> requestBytes(const radiosim::Radio& radio);

class LinkFixture : public ::testing::Test, public testsupport::FreshStart {
  protected:
    LinkFixture();

    // Writes [Ports] with the given devices, every other port missing.
    void mapPorts(const std::map<int, std::string>& devices, const std::string& extra = "");

    testsupport::VirtualClock clock;
    radiosim::Radio radio{radiosim::Radio::Driven{}};
    std::unique_ptr<radiolink::LinkState> state = std::make_unique<radiolink::LinkState>();
    radiolink::LinkState& s = *state;
    LinkHooks hooks;
    std::vector<std::string> statuses; // every status text shown, in order
};

// Distinct texts of the statuses that start with prefix.
int countStartingWith(const std::vector<std::string>& texts, const std::string& prefix);

} // namespace linktest
