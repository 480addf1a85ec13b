#include "tools/design_json.h"

#include "document/vocabulary.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <set>

namespace {

using Error = std::string;

Error fieldError(const std::string& field, std::string_view problem)
{
    return field + ": " + std::string(problem);
}

bool hasUnpairedSurrogate(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

// Each reader leaves its target untouched when the field is absent.
Error readText(const QJsonObject& object, const char* key, const std::string& field, std::string& target)
{
    if (!object.contains(key))
        return {};
    const QJsonValue value = object.value(key);
    if (!value.isString())
        return fieldError(field, "expected a string");
    const QString text = value.toString();
    if (hasUnpairedSurrogate(text))
        return fieldError(field, "string holds an unpaired surrogate");
    target = text.toStdString();
    return {};
}

std::optional<std::int32_t> asInt32(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (std::trunc(number) != number || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(number);
}

Error readInt(const QJsonObject& object, const char* key, const std::string& field, int& target)
{
    if (!object.contains(key))
        return {};
    const std::optional<std::int32_t> number = asInt32(object.value(key));
    if (!number)
        return fieldError(field, "expected a 32-bit integer");
    target = *number;
    return {};
}

Error readBool(const QJsonObject& object, const char* key, const std::string& field, bool& target)
{
    if (!object.contains(key))
        return {};
    const QJsonValue value = object.value(key);
    if (!value.isBool())
        return fieldError(field, "expected true or false");
    target = value.toBool();
    return {};
}

Error readEvents(const QJsonObject& object, const std::string& field, EventFlags& target)
{
    if (!object.contains("events"))
        return {};
    const QJsonValue value = object.value("events");
    if (!value.isArray() || value.toArray().size() != eventRowCount)
        return fieldError(field, "expected an array of 16 integers");
    const QJsonArray flags = value.toArray();
    for (int row = 0; row < eventRowCount; ++row) {
        const std::optional<std::int32_t> flag = asInt32(flags.at(row));
        if (!flag)
            return fieldError(field + "[" + std::to_string(row) + "]", "expected a 32-bit integer");
        target[static_cast<std::size_t>(row)] = *flag;
    }
    return {};
}

Error checkKnownFields(const QJsonObject& object, const std::set<QString>& known, const std::string& where)
{
    for (const QString& key : object.keys())
        if (!known.count(key))
            return fieldError(where.empty() ? key.toStdString() : where + "." + key.toStdString(), "unknown field");
    return {};
}

Error readWindow(const QJsonValue& value, LoadedDesign& design)
{
    if (!value.isObject())
        return fieldError("window", "expected an object");
    const QJsonObject window = value.toObject();
    if (Error e = checkKnownFields(window, {"name", "caption", "outerWidth", "outerHeight", "resizable", "events"},
                                   "window");
        !e.empty())
        return e;
    DesignDocument& document = design.document;
    Error e;
    if (e.empty()) e = readText(window, "name", "window.name", document.windowName);
    if (e.empty()) e = readText(window, "caption", "window.caption", design.host.windowCaption);
    if (e.empty()) e = readInt(window, "outerWidth", "window.outerWidth", design.host.windowOuterSize.width);
    if (e.empty()) e = readInt(window, "outerHeight", "window.outerHeight", design.host.windowOuterSize.height);
    if (e.empty()) e = readText(window, "resizable", "window.resizable", document.windowResizable);
    if (e.empty()) e = readEvents(window, "window.events", document.windowRecord.events);
    // The window's left click can never be ticked.
    document.windowRecord.events[0] = 0;
    return e;
}

// The live control follows the record as a property edit would set it.
void applyRecordToControl(ComponentKind kind, const ComponentRecord& record, MemoryControl& control)
{
    using namespace vocabulary;
    const std::string& bars = record.scrollBars;
    control.scrollBars = bars == scrollVertical     ? ScrollBarSetting::Vertical
                         : bars == scrollHorizontal ? ScrollBarSetting::Horizontal
                         : bars == scrollBoth       ? ScrollBarSetting::Both
                                                    : ScrollBarSetting::None;
    control.multiline = isYes(record.multiline) || control.scrollBars != ScrollBarSetting::None;
    control.alignment = record.alignment == alignCenter  ? TextAlignment::Center
                        : record.alignment == alignRight ? TextAlignment::Right
                                                         : TextAlignment::Left;
    control.password = record.inputMode == inputPassword;
    control.checked = (kind == ComponentKind::RadioButton || kind == ComponentKind::CheckBox) && isYes(record.checked);
}

Error readComponent(const QJsonValue& value, int index, LoadedDesign& design)
{
    const std::string where = "components[" + std::to_string(index) + "]";
    if (!value.isObject())
        return fieldError(where, "expected an object");
    const QJsonObject object = value.toObject();
    if (Error e = checkKnownFields(object,
                                   {"kind", "name", "visible", "caption", "left", "top", "width", "height",
                                    "fontName", "fontSize", "alignment", "inputMode", "multiline", "scrollBars",
                                    "disabled", "checked", "events"},
                                   where);
        !e.empty())
        return e;
    if (!object.contains("kind"))
        return fieldError(where + ".kind", "missing");
    std::string word;
    if (Error e = readText(object, "kind", where + ".kind", word); !e.empty())
        return e;
    const std::optional<ComponentKind> kind = kindFromWord(word);
    if (!kind)
        return fieldError(where + ".kind", "unknown kind \"" + word + "\"");

    DesignDocument& document = design.document;
    const std::int32_t number = ++document.createdCount;
    std::vector<std::string>& tags = document.kindTags[kindIndex(*kind)];
    tags.push_back(std::to_string(number));
    const int ordinal = static_cast<int>(tags.size());
    ComponentRecord record = defaultRecord(*kind, number, ordinal);
    document.selectorTexts.push_back(record.name + " (" + std::string(kindWord(*kind)) + ")");

    MemoryControl control;
    control.tag = tags.back();
    control.caption = templateCaption(*kind);
    control.bounds = {0, 0, templateWidth(*kind), templateHeight(*kind)};

    auto field = [&](const char* key) { return where + "." + key; };
    Error e;
    if (e.empty()) e = readText(object, "name", field("name"), record.name);
    if (e.empty()) e = readBool(object, "visible", field("visible"), control.visible);
    if (e.empty()) e = readText(object, "caption", field("caption"), control.caption);
    if (e.empty()) e = readInt(object, "left", field("left"), control.bounds.left);
    if (e.empty()) e = readInt(object, "top", field("top"), control.bounds.top);
    if (e.empty()) e = readInt(object, "width", field("width"), control.bounds.width);
    if (e.empty()) e = readInt(object, "height", field("height"), control.bounds.height);
    if (e.empty()) e = readText(object, "fontName", field("fontName"), control.fontName);
    if (e.empty()) e = readInt(object, "fontSize", field("fontSize"), control.fontSize);
    if (e.empty()) e = readText(object, "alignment", field("alignment"), record.alignment);
    if (e.empty()) e = readText(object, "inputMode", field("inputMode"), record.inputMode);
    if (e.empty()) e = readText(object, "multiline", field("multiline"), record.multiline);
    if (e.empty()) e = readText(object, "scrollBars", field("scrollBars"), record.scrollBars);
    if (e.empty()) e = readText(object, "disabled", field("disabled"), record.disabled);
    if (e.empty()) e = readText(object, "checked", field("checked"), record.checked);
    if (e.empty()) e = readEvents(object, field("events"), record.events);
    if (!e.empty())
        return e;

    applyRecordToControl(*kind, record, control);
    document.componentRecords.push_back(std::move(record));
    design.host.addControl(std::move(control));
    return {};
}

}  // namespace

std::string loadDesignJson(std::string_view json, LoadedDesign& design)
{
    setInitialWindowProperties(design.document);

    QJsonParseError parseError;
    const QJsonDocument parsed =
        QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return "input: not valid JSON (" + parseError.errorString().toStdString() + " at offset " +
               std::to_string(parseError.offset) + ")";
    if (!parsed.isObject())
        return "input: expected a JSON object";
    const QJsonObject root = parsed.object();
    if (Error e = checkKnownFields(root, {"window", "components"}, ""); !e.empty())
        return e;
    if (root.contains("window"))
        if (Error e = readWindow(root.value("window"), design); !e.empty())
            return e;
    if (!root.contains("components"))
        return {};
    const QJsonValue components = root.value("components");
    if (!components.isArray())
        return fieldError("components", "expected an array");
    const QJsonArray list = components.toArray();
    for (qsizetype i = 0; i < list.size(); ++i)
        if (Error e = readComponent(list.at(i), static_cast<int>(i), design); !e.empty())
            return e;
    return {};
}
