#include "platform/LayoutRecord.h"

#include <array>

namespace fw {

namespace {

using T = PropertyType;

// The property lists of the record kinds, in stored order.
// clang-format off
constexpr std::array kWindowProperties = {
    PropertySpec{"Placement", T::Integer},     PropertySpec{"Width", T::Integer},
    PropertySpec{"Height", T::Integer},        PropertySpec{"MinWidth", T::Integer},
    PropertySpec{"MinHeight", T::Integer},     PropertySpec{"MaxWidth", T::Integer},
    PropertySpec{"MaxHeight", T::Integer},     PropertySpec{"Frame", T::Integer},
    PropertySpec{"Composite", T::Boolean},     PropertySpec{"HasBackColor", T::Boolean},
    PropertySpec{"BackColor", T::Color},       PropertySpec{"Title", T::String},
    PropertySpec{"Visible", T::Boolean},       PropertySpec{"FullScreen", T::Boolean},
    PropertySpec{"MenuBarVisible", T::Boolean}, PropertySpec{"CloseButton", T::Boolean},
    PropertySpec{"Resizeable", T::Boolean},    PropertySpec{"LiveResize", T::Boolean},
    PropertySpec{"MaximizeButton", T::Boolean}, PropertySpec{"MinimizeButton", T::Boolean},
    PropertySpec{"MacProcID", T::Integer},
};

constexpr std::array kTextAreaProperties = {
    PropertySpec{"Name", T::String},
    PropertySpec{"Index", T::Integer},
    PropertySpec{"Left", T::Integer},
    PropertySpec{"Top", T::Integer},
    PropertySpec{"Width", T::Integer},
    PropertySpec{"Height", T::Integer},
    PropertySpec{"LockLeft", T::Boolean},
    PropertySpec{"LockTop", T::Boolean},
    PropertySpec{"LockRight", T::Boolean},
    PropertySpec{"LockBottom", T::Boolean},
    PropertySpec{"TabPanelIndex", T::Integer},
    PropertySpec{"TabIndex", T::Integer},
    PropertySpec{"TabStop", T::Boolean},
    PropertySpec{"Border", T::Boolean},
    PropertySpec{"Multiline", T::Boolean},
    PropertySpec{"ScrollbarHorizontal", T::Boolean},
    PropertySpec{"ScrollbarVertical", T::Boolean},
    PropertySpec{"Styled", T::Boolean},
    PropertySpec{"UseFocusRing", T::Boolean},
    PropertySpec{"TextColor", T::Color},
    PropertySpec{"BackColor", T::Color},
    PropertySpec{"Enabled", T::Boolean},
    PropertySpec{"Format", T::String},
    PropertySpec{"Visible", T::Boolean},
    PropertySpec{"HelpTag", T::String},
    PropertySpec{"AutoDeactivate", T::Boolean},
    PropertySpec{"HideSelection", T::Boolean},
    PropertySpec{"TextFont", T::String},
    PropertySpec{"Bold", T::Boolean},
    PropertySpec{"Italic", T::Boolean},
    PropertySpec{"Underline", T::Boolean},
    PropertySpec{"Text", T::String},
    PropertySpec{"Mask", T::String},
    PropertySpec{"ReadOnly", T::Boolean},
    PropertySpec{"LimitText", T::Integer},
    PropertySpec{"AcceptTabs", T::Boolean},
    PropertySpec{"Alignment", T::Integer},
    PropertySpec{"AutomaticallyCheckSpelling", T::Boolean},
    PropertySpec{"DataSource", T::String},
    PropertySpec{"DataField", T::String},
    PropertySpec{"InitialParent", T::String},
};

constexpr std::array kPushButtonProperties = {
    PropertySpec{"Name", T::String},        PropertySpec{"Index", T::Integer},
    PropertySpec{"Left", T::Integer},       PropertySpec{"Top", T::Integer},
    PropertySpec{"Width", T::Integer},      PropertySpec{"Height", T::Integer},
    PropertySpec{"LockLeft", T::Boolean},   PropertySpec{"LockTop", T::Boolean},
    PropertySpec{"LockRight", T::Boolean},  PropertySpec{"LockBottom", T::Boolean},
    PropertySpec{"TabPanelIndex", T::Integer}, PropertySpec{"TabIndex", T::Integer},
    PropertySpec{"TabStop", T::Boolean},    PropertySpec{"Caption", T::String},
    PropertySpec{"Default", T::Boolean},    PropertySpec{"Cancel", T::Boolean},
    PropertySpec{"Enabled", T::Boolean},    PropertySpec{"Visible", T::Boolean},
    PropertySpec{"HelpTag", T::String},     PropertySpec{"AutoDeactivate", T::Boolean},
    PropertySpec{"ButtonStyle", T::Integer}, PropertySpec{"TextFont", T::String},
    PropertySpec{"Bold", T::Boolean},       PropertySpec{"Italic", T::Boolean},
    PropertySpec{"Underline", T::Boolean},  PropertySpec{"InitialParent", T::String},
};

constexpr std::array kLabelProperties = {
    PropertySpec{"TabStop", T::Boolean},    PropertySpec{"Name", T::String},
    PropertySpec{"Index", T::Integer},      PropertySpec{"Left", T::Integer},
    PropertySpec{"Top", T::Integer},        PropertySpec{"Width", T::Integer},
    PropertySpec{"Height", T::Integer},     PropertySpec{"LockLeft", T::Boolean},
    PropertySpec{"LockTop", T::Boolean},    PropertySpec{"LockRight", T::Boolean},
    PropertySpec{"LockBottom", T::Boolean}, PropertySpec{"TabPanelIndex", T::Integer},
    PropertySpec{"TabIndex", T::Integer},   PropertySpec{"Text", T::String},
    PropertySpec{"TextAlign", T::Integer},  PropertySpec{"TextColor", T::Color},
    PropertySpec{"Multiline", T::Boolean},  PropertySpec{"Enabled", T::Boolean},
    PropertySpec{"Visible", T::Boolean},    PropertySpec{"Selectable", T::Boolean},
    PropertySpec{"Transparent", T::Boolean}, PropertySpec{"HelpTag", T::String},
    PropertySpec{"AutoDeactivate", T::Boolean}, PropertySpec{"TextFont", T::String},
    PropertySpec{"Bold", T::Boolean},       PropertySpec{"Italic", T::Boolean},
    PropertySpec{"Underline", T::Boolean},  PropertySpec{"DataSource", T::String},
    PropertySpec{"DataField", T::String},   PropertySpec{"InitialParent", T::String},
};

constexpr std::array kProgressBarProperties = {
    PropertySpec{"TabStop", T::Boolean},    PropertySpec{"TabIndex", T::Integer},
    PropertySpec{"Name", T::String},        PropertySpec{"Index", T::Integer},
    PropertySpec{"Left", T::Integer},       PropertySpec{"Top", T::Integer},
    PropertySpec{"Width", T::Integer},      PropertySpec{"Height", T::Integer},
    PropertySpec{"LockLeft", T::Boolean},   PropertySpec{"LockTop", T::Boolean},
    PropertySpec{"LockRight", T::Boolean},  PropertySpec{"LockBottom", T::Boolean},
    PropertySpec{"TabPanelIndex", T::Integer}, PropertySpec{"Visible", T::Boolean},
    PropertySpec{"HelpTag", T::String},     PropertySpec{"AutoDeactivate", T::Boolean},
    PropertySpec{"Enabled", T::Boolean},    PropertySpec{"Value", T::Integer},
    PropertySpec{"Maximum", T::Integer},    PropertySpec{"InitialParent", T::String},
};

constexpr std::array kSocketProperties = {
    PropertySpec{"Address", T::String},
    PropertySpec{"Port", T::Integer},
    PropertySpec{"yield", T::Boolean},
};
// clang-format on

const char* TypeName(PropertyType type) {
    switch (type) {
        case T::String:
            return "String";
        case T::Integer:
            return "Integer";
        case T::Boolean:
            return "Boolean";
        case T::Color:
            return "Color";
    }
    return "?";
}

bool HasType(const PropertyValue& value, PropertyType type) {
    switch (type) {
        case T::String:
            return std::holds_alternative<std::string>(value);
        case T::Integer:
            return std::holds_alternative<std::int32_t>(value);
        case T::Boolean:
            return std::holds_alternative<bool>(value);
        case T::Color:
            return std::holds_alternative<Color>(value);
    }
    return false;
}

void AppendBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

std::string Describe(RecordKind kind, std::string_view name) {
    // A damaged record can put any run of bytes where a name belongs.
    constexpr std::size_t kShown = 64;
    const std::string shown =
        name.size() > kShown ? std::string(name.substr(0, kShown)) + "..." : std::string(name);
    return std::string(RecordKindName(kind)) + " record, property '" + shown + "'";
}

}  // namespace

std::string_view RecordKindName(RecordKind kind) {
    switch (kind) {
        case RecordKind::Window:
            return "Window";
        case RecordKind::TextArea:
            return "TextArea";
        case RecordKind::PushButton:
            return "PushButton";
        case RecordKind::Label:
            return "Label";
        case RecordKind::ProgressBar:
            return "ProgressBar";
        case RecordKind::HTTPSocket:
            return "HTTPSocket";
    }
    return "?";
}

std::span<const PropertySpec> RecordProperties(RecordKind kind) {
    switch (kind) {
        case RecordKind::Window:
            return kWindowProperties;
        case RecordKind::TextArea:
            return kTextAreaProperties;
        case RecordKind::PushButton:
            return kPushButtonProperties;
        case RecordKind::Label:
            return kLabelProperties;
        case RecordKind::ProgressBar:
            return kProgressBarProperties;
        case RecordKind::HTTPSocket:
            return kSocketProperties;
    }
    return {};
}

std::string BuildRecord(RecordKind kind, std::initializer_list<RecordEntry> entries) {
    const auto known = RecordProperties(kind);
    if (entries.size() != known.size()) {
        throw RecordError(std::string(RecordKindName(kind)) + " record has " +
                          std::to_string(entries.size()) + " entries instead of " +
                          std::to_string(known.size()));
    }
    std::string out;
    std::size_t i = 0;
    for (const RecordEntry& entry : entries) {
        const PropertySpec& property = known[i++];
        if (entry.name != property.name) {
            throw RecordError(Describe(kind, entry.name) + ": expected '" +
                              std::string(property.name) + "' at this place");
        }
        if (!HasType(entry.value, property.type)) {
            throw RecordError(Describe(kind, entry.name) + ": value is not a " +
                              TypeName(property.type));
        }
        out.append(property.name);
        out.push_back(' ');
        if (const auto* text = std::get_if<std::string>(&entry.value)) {
            AppendBigEndian(out, static_cast<std::uint32_t>(text->size()));
            out.append(*text);
        } else if (const auto* number = std::get_if<std::int32_t>(&entry.value)) {
            AppendBigEndian(out, static_cast<std::uint32_t>(*number));
        } else if (const auto* flag = std::get_if<bool>(&entry.value)) {
            out.push_back(*flag ? '\1' : '\0');
        } else {
            const Color& color = std::get<Color>(entry.value);
            out.push_back(static_cast<char>(color.red));
            out.push_back(static_cast<char>(color.green));
            out.push_back(static_cast<char>(color.blue));
        }
    }
    return out;
}

std::vector<PropertyEntry> ReadRecord(RecordKind kind, std::string_view bytes) {
    const auto known = RecordProperties(kind);
    std::vector<PropertyEntry> entries;
    std::size_t pos = 0;
    auto take = [&](std::size_t count, std::string_view name) {
        if (bytes.size() - pos < count) {
            throw RecordError(Describe(kind, name) + ": value runs past the end of the record");
        }
        const std::string_view piece = bytes.substr(pos, count);
        pos += count;
        return piece;
    };
    auto bigEndian = [](std::string_view four) {
        std::uint32_t value = 0;
        for (char c : four) {
            value = (value << 8) | static_cast<unsigned char>(c);
        }
        return value;
    };
    while (pos < bytes.size()) {
        const std::size_t blank = bytes.find(' ', pos);
        if (blank == std::string_view::npos) {
            throw RecordError(Describe(kind, bytes.substr(pos)) +
                              ": the record ends before the property's value");
        }
        const std::string_view name = bytes.substr(pos, blank - pos);
        const PropertySpec* property = nullptr;
        for (const PropertySpec& candidate : known) {
            if (candidate.name == name) {
                property = &candidate;
                break;
            }
        }
        if (property == nullptr) {
            throw RecordError(Describe(kind, name) + ": unknown property");
        }
        pos = blank + 1;
        PropertyEntry entry{std::string(name), {}};
        switch (property->type) {
            case T::String: {
                const std::uint32_t length = bigEndian(take(4, name));
                entry.value = std::string(take(length, name));
                break;
            }
            case T::Integer:
                entry.value = static_cast<std::int32_t>(bigEndian(take(4, name)));
                break;
            case T::Boolean:
                entry.value = take(1, name)[0] != '\0';
                break;
            case T::Color: {
                const std::string_view rgb = take(3, name);
                entry.value =
                    Color{static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                          static_cast<std::uint8_t>(rgb[2])};
                break;
            }
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace fw
