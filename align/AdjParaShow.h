#pragma once
// The alignment display: copies the whole alignment area of the image into
// the controls of the alignment window and the register window, in test
// mode only.
#include "align/AlignState.h"
#include "app/ImageViews.h"
#include "link/LinkState.h"
#include "model/Model.h"

namespace align {

// Does nothing and returns false unless test mode is on (link.TmFlag).
// Otherwise it creates the window states that do not exist yet (hidden),
// and with AdjParaShowing held at -1:
// - makes its own writes: 0xE890 = 150; 0xE84B = 142 when below 128; a
//   power-output byte above 15 becomes 15; while menu names are known, a
//   menu byte naming no item becomes 255 (with none known the menu bytes
//   and cells stay as they are);
// - sets every control from the image; a value its list does not hold (a
//   power output of 8-15) shows no selection;
// - runs the alignment window's handlers for what it sets there, as a
//   user's change would: every power list and band group and the company
//   and crystal lists store their value again (the power-table sum with
//   them, and with online alignment ticked each power value goes to the
//   radio); boxes only when their tick changes (unticking the high-speed
//   box returns the link to 9600 baud).
// Then, still under the guard, tells the host that both windows changed. A
// failure passes on with AdjParaShowing back at its value before.
bool AdjParaShow(AlignState& a, radiolink::LinkState& link, model::Image& image);

// The display as the data-file reader calls it (app::AlignmentDisplayHost):
// on the program's alignment state, link and image. A failure passes to the
// reader's caller.
class AlignmentDisplay : public app::AlignmentDisplayHost {
  public:
    void AdjParaShow() override;
};
// Registers the program's AlignmentDisplay, once at start-up.
void InstallAlignmentDisplay();

} // namespace align
