#include "platform/ui/GridSource.h"

#include <algorithm>

namespace platform {

QColor GridSource::foreColor(int, int) const {
    return {};
}
QColor GridSource::backColor(int, int) const {
    return {};
}
QString GridSource::toolTip(int, int) const {
    return {};
}
QString GridSource::rowLabel(int) const {
    return {};
}

ByteGridSource::ByteGridSource(std::span<const std::uint8_t> bytes, int cols)
    : bytes_(bytes), cols_(std::max(1, cols)) {
    for (std::size_t last = bytes_.size() > 0 ? bytes_.size() - 1 : 0; last > 0xF; last >>= 4) ++labelWidth_;
}

int ByteGridSource::rows() const {
    return static_cast<int>((bytes_.size() + static_cast<std::size_t>(cols_) - 1) /
                            static_cast<std::size_t>(cols_));
}

int ByteGridSource::byteIndex(int row, int col) const {
    if (row < 0 || col < 0 || col >= cols_) return -1;
    const std::size_t i =
        static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col);
    return i < bytes_.size() ? static_cast<int>(i) : -1;
}

QString ByteGridSource::text(int row, int col) const {
    const int i = byteIndex(row, col);
    if (i < 0) return {};
    static constexpr char digits[] = "0123456789ABCDEF";
    const std::uint8_t b = bytes_[static_cast<std::size_t>(i)];
    const QChar pair[2] = {QLatin1Char(digits[b >> 4]), QLatin1Char(digits[b & 0xF])};
    return QString(pair, 2);
}

QString ByteGridSource::rowLabel(int row) const {
    return QStringLiteral("%1")
        .arg(static_cast<qulonglong>(row) * static_cast<qulonglong>(cols_), labelWidth_, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace platform
