#pragma once

#include "document/component_kind.h"
#include "host/control_ref.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int eventRowCount = 16;

using EventFlags = std::array<std::int32_t, eventRowCount>;

// What the document knows of one component beyond its live design control.
// Geometry, caption, font and visibility live only in the control.
struct ComponentRecord {
    std::int32_t number = 0;
    std::string name;
    std::string inputMode;
    std::string multiline;
    std::string alignment;
    std::string scrollBars;
    std::string disabled;
    std::string checked;
    EventFlags events{};
};

// Same shape as a component record; only the window's event flags are used.
using WindowRecord = ComponentRecord;

// The label that currently carries the single-line selection border.
struct Selection {
    std::int32_t active = 0;
    ControlRef control;
};

// The one design of a run. Plain data: the registry, the sheet, the event
// list and the generator read and write its members directly.
struct DesignDocument {
    std::vector<ComponentRecord> componentRecords;
    std::array<std::vector<std::string>, componentKindCount> kindTags;
    std::int32_t createdCount = 0;
    std::int32_t deletedCount = 0;
    std::vector<std::string> selectorTexts;
    WindowRecord windowRecord;
    std::string windowName;
    std::int32_t windowLeft = 0;
    std::int32_t windowTop = 0;
    std::string windowResizable;
    Selection selection;
};

// A new record as the registry fills it in, events all unticked.
ComponentRecord defaultRecord(ComponentKind kind, std::int32_t number, int ordinal);

// The window properties every new design starts with.
void setInitialWindowProperties(DesignDocument& document);

// The record of the component with this number, or nullptr when the number
// lies outside 1 .. createdCount (a broken link that must not be followed).
const ComponentRecord* recordByNumber(const DesignDocument& document, std::int32_t number);

inline const std::vector<std::string>& tagsOf(const DesignDocument& document, ComponentKind kind)
{
    return document.kindTags[kindIndex(kind)];
}
