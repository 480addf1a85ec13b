#pragma once

#include <functional>

// Names one live control of the toolkit. The logic only compares and passes
// it back to the host; what it points at is the host's business.
struct ControlRef {
    const void* id = nullptr;

    explicit operator bool() const { return id != nullptr; }
    friend bool operator==(ControlRef a, ControlRef b) { return a.id == b.id; }
};

template <>
struct std::hash<ControlRef> {
    std::size_t operator()(ControlRef ref) const noexcept { return std::hash<const void*>()(ref.id); }
};
