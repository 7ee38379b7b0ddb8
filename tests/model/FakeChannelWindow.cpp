#include "tests/model/FakeChannelWindow.h"

#include "model/ChTable.h"

namespace modeltest {

void FakeChannelWindow::ShowChTblGrid() {
    calls.push_back("ShowChTblGrid");
    model::IicDatToChInfo(m_);
}

} // namespace modeltest
