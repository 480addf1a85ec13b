#include "host/memory_host.h"

void MemoryHost::addControl(MemoryControl control)
{
    controls_.push_back(std::make_unique<MemoryControl>(std::move(control)));
    const MemoryControl* added = controls_.back().get();
    byTag_[added->tag] = added;
}

ControlRef MemoryHost::findByTag(std::string_view tag) const
{
    auto found = byTag_.find(std::string(tag));
    return found == byTag_.end() ? ControlRef{} : ControlRef{found->second};
}
