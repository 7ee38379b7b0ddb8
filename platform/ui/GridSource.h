#pragma once
// Where a grid takes its data cells from when it does not hold their texts
// itself: a large grid over a byte array shows what the array holds, with no
// copy of 65,536 texts to keep in step. Rows and columns here count data
// cells only, from 0; the grid's fixed header row and column are its own.
#include <QColor>
#include <QString>

#include <cstdint>
#include <span>

namespace platform {

class GridSource {
  public:
    virtual ~GridSource() = default;
    // Fixed while a grid shows the source.
    virtual int rows() const = 0;
    virtual int cols() const = 0;
    virtual QString text(int row, int col) const = 0;
    // An invalid colour or an empty tip leaves the cell to the grid.
    virtual QColor foreColor(int row, int col) const;
    virtual QColor backColor(int row, int col) const;
    virtual QString toolTip(int row, int col) const;
    // Text of the row's cell in the fixed column, shown while no text is set there.
    virtual QString rowLabel(int row) const;
};

// Bytes as two upper-case hexadecimal digits, `cols` to a row: byte i lies
// in data row i / cols, column i % cols. The array outlives the source.
class ByteGridSource : public GridSource {
  public:
    explicit ByteGridSource(std::span<const std::uint8_t> bytes, int cols = 16);
    int rows() const override;
    int cols() const override { return cols_; }
    QString text(int row, int col) const override;
    // The index of the row's first byte in upper-case hexadecimal, as wide
    // as the last index needs.
    QString rowLabel(int row) const override;
    // Index of the byte a cell shows, -1 for a cell past the end.
    int byteIndex(int row, int col) const;

  private:
    std::span<const std::uint8_t> bytes_;
    int cols_;
    int labelWidth_ = 1;
};

} // namespace platform
