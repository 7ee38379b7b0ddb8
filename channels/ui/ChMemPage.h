#pragma once
// One page of the channel window: a page of the tab control sstabSetMode, or
// the hidden holder SSTab1. Each page builds its controls into its frame
// (fraSysSet(i)) in its constructor, and the channel window (frmChMem) runs
// the steps below on every page in page order. A settings page keeps its
// byte map as a data table in channels/ and its handlers store into the
// image the moment a control changes.
#include <QWidget>

namespace channels {

class ChMemPage {
  public:
    explicit ChMemPage(QWidget* frame) : frame_(frame) {}
    virtual ~ChMemPage() = default;
    ChMemPage(const ChMemPage&) = delete;
    ChMemPage& operator=(const ChMemPage&) = delete;

    // The window's load: captions from the text table (InitFace), then the
    // option lists (SetOptList).
    virtual void InitFace() {}
    virtual void SetOptList() {}
    // Commits an edit still pending into the image (before Save, Save As,
    // Write).
    virtual void Store() {}
    // The interface lock: a page's controls refuse edits while locked.
    virtual void SetLocked(bool locked) { frame_->setEnabled(!locked); }

    QWidget* frame() const { return frame_; }

  private:
    QWidget* frame_;
};

} // namespace channels
