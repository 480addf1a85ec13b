#include "document/design_document.h"

#include "document/vocabulary.h"

ComponentRecord defaultRecord(ComponentKind kind, std::int32_t number, int ordinal)
{
    using namespace vocabulary;
    ComponentRecord record;
    record.number = number;
    record.name = std::string(kindWord(kind)) + std::to_string(ordinal);
    switch (kind) {
    case ComponentKind::Label:
        record.alignment = alignLeft;
        break;
    case ComponentKind::EditBox:
        record.inputMode = inputNormal;
        record.multiline = no;
        record.alignment = alignLeft;
        record.scrollBars = scrollNone;
        record.disabled = no;
        break;
    case ComponentKind::Button:
        record.disabled = no;
        break;
    case ComponentKind::RadioButton:
    case ComponentKind::CheckBox:
        record.disabled = no;
        record.checked = no;
        break;
    }
    return record;
}

void setInitialWindowProperties(DesignDocument& document)
{
    document.selectorTexts = {"启动窗口 (窗口)"};
    document.windowLeft = 100;
    document.windowTop = 100;
    document.windowName = "启动窗口";
    document.windowResizable = vocabulary::no;
}

const ComponentRecord* recordByNumber(const DesignDocument& document, std::int32_t number)
{
    if (number < 1 || number > static_cast<std::int64_t>(document.componentRecords.size()))
        return nullptr;
    return &document.componentRecords[static_cast<std::size_t>(number - 1)];
}
