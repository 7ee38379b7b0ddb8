#pragma once
// Whole 1 KB flash pages between the image and the radio, scrambled on the
// wire with the three tables and a key byte per page.
//
// The pages are those ticked in the tool window's page boxes
// (LinkState::frmMain.chkFlashPage); the radio read and write tick their
// page set there first. Outcome: ComFail, ComPercent (0-100, for a progress
// bar) and the status texts. False only when the link refused the request.
// The tool window's Read and Write commands call them with the program's
// image: ComWriteFlash(linkState(), model::IicDat()).
#include "link/LinkState.h"
#include "model/Model.h"

#include <cstdint>
#include <optional>
#include <string>

namespace radiolink {

// Fills WireTbl1-WireTbl3 from their stored texts.
void InitWireTables(LinkState& s);

// Writes the ticked pages and ends with the final exchange.
bool ComWriteFlash(LinkState& s, const model::Image& image);
// Reads the ticked pages into the image, page by page.
bool ComReadFlash(LinkState& s, model::Image& image);

// The page areas: 50-62 data, every other page program.
bool IsDataPage(int page);
// The exchange that writes page p scrambled with key r.
std::string WritePageScript(LinkState& s, const model::Image& image, int page, std::uint8_t key);
std::string ReadPageScript(LinkState& s, int page);
// Checks the wire sum of a read page in RxDat 1-1027 and unscrambles it
// into the image; false (the image untouched) when the sum is wrong.
bool UnscramblePage(const LinkState& s, model::Image& image, int page);

// The tool window's automatic-write interval box: a whole number of
// milliseconds 1-32767; nullopt for any other text.
std::optional<int> AutoWriteInterval(const std::string& text);

// done × 100 / expected, rounded half to even, within 0-100.
std::int16_t TransferPercent(int done, int expected);

} // namespace radiolink
