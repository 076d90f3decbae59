#pragma once
#include "filebrowser/component/ModuleCount.h"

#include <atomic>
#include <cstdint>

namespace kestrine {

// The reference count of one object; the object deletes itself when release() reaches zero.
class RefCount {
public:
    std::uint32_t addRef() { return ++m_count; }
    template <typename Object>
    std::uint32_t release(Object* self)
    {
        const std::uint32_t left = --m_count;
        if (left == 0)
            delete self;
        return left;
    }

private:
    std::atomic<std::uint32_t> m_count{1};
    ModuleReference m_module;
};

} // namespace kestrine
