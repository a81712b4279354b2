// SPDX-License-Identifier: GPL-3.0-or-later
#include "RangeModel.h"

#include <algorithm>

std::int32_t RangeModel::Clamped(std::int32_t value) const
{
    return std::clamp(value, min_, max_);
}

void RangeModel::SetMin(std::int32_t min)
{
    if (min == min_)
        return;
    min_ = std::min(min, max_);
    position_ = std::max(position_, min_);
    Moved();
}

void RangeModel::SetMax(std::int32_t max)
{
    if (max == max_)
        return;
    max_ = std::max(max, min_);
    position_ = std::min(position_, max_);
    Moved();
}

void RangeModel::SetPosition(std::int32_t position)
{
    position_ = Clamped(position);
    Moved();
}

void RangeModel::SetPageSize(std::int32_t size)
{
    if (size >= 0 && size <= max_)
        pageSize_ = size;
}

void RangeModel::SetLineSize(std::int32_t size)
{
    if (size >= 0 && size <= max_)
        lineSize_ = size;
}

void RangeModel::Moved()
{
    if (OnMove)
        OnMove();
    if (position_ == lastPosition_)
        return;
    lastPosition_ = position_;
    if (OnChange)
        OnChange();
}
