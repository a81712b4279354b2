// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

// The value rules of the track bar and the scroll bar, apart from their painting: a position kept
// within Min to Max, the page and line steps, and a change reported only when the position differs
// from the one reported last.
class RangeModel {
public:
    std::int32_t Min() const { return min_; }
    std::int32_t Max() const { return max_; }
    std::int32_t Position() const { return position_; }
    std::int32_t PageSize() const { return pageSize_; }
    std::int32_t LineSize() const { return lineSize_; }
    // The position at the last change reported.
    std::int32_t LastPosition() const { return lastPosition_; }

    // A bound that would cross the other pulls it along; the position follows into the range.
    // Setting a bound to its current value does nothing.
    void SetMin(std::int32_t min);
    void SetMax(std::int32_t max);
    // The value clamped to Min ... Max.
    void SetPosition(std::int32_t position);
    // Accepted only from 0 to Max (Max itself, not the range's width); other values are ignored.
    void SetPageSize(std::int32_t size);
    void SetLineSize(std::int32_t size);

    std::int32_t Clamped(std::int32_t value) const;

    // The position was stored: the control shows it. Runs before OnChange.
    std::function<void()> OnMove;
    // The position differs from the last reported one.
    std::function<void()> OnChange;

private:
    void Moved();

    std::int32_t min_ = 0;
    std::int32_t max_ = 10;
    std::int32_t position_ = 0;
    std::int32_t pageSize_ = 2;
    std::int32_t lineSize_ = 1;
    std::int32_t lastPosition_ = 0;
};
