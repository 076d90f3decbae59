#include "platform/automation/variant.h"

SafeArray SafeArray::vector(std::int32_t count)
{
    return create({Bound{0, count}});
}

SafeArray SafeArray::create(std::vector<Bound> bounds)
{
    SafeArray array;
    std::int64_t total = bounds.empty() ? 0 : 1;
    for (const Bound& bound : bounds)
        total *= bound.count > 0 ? bound.count : 0;
    array.bounds = std::move(bounds);
    array.elements.resize(static_cast<std::size_t>(total));
    return array;
}

std::int64_t SafeArray::offset(const std::vector<std::int32_t>& indexes) const
{
    if (indexes.size() != bounds.size() || bounds.empty())
        return -1;
    std::int64_t position = 0;
    std::int64_t stride = 1;
    for (std::size_t d = 0; d < bounds.size(); ++d) {
        const std::int64_t relative = std::int64_t(indexes[d]) - bounds[d].lower;
        if (relative < 0 || relative >= bounds[d].count)
            return -1;
        position += relative * stride;
        stride *= bounds[d].count;
    }
    return position;
}
