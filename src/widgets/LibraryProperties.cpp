#include "widgets/LibraryProperties.h"

#include <string>

#include "widgets/QtConversions.h"

namespace Orvo {

namespace {

const TPropInfo& Published(const TControl& control, std::string_view name) {
    const TPropInfo* info = control.ClassInfo().FindPublished(name);
    if (!info) throw EPropertyError(control.ClassName() + " publishes no property " + std::string(name));
    return *info;
}

TValue Value(const TPropInfo& info, const TControl& control) {
    std::optional<TValue> value = info.Get(control);
    if (!value) throw EPropertyError(info.Name + " has no value to read");
    return *value;
}

// The sub-object of an Object property, as the type it must be.
template <class T>
T& SubObject(const TPropInfo& info, TControl& control) {
    T* object = info.SubObject ? dynamic_cast<T*>(info.SubObject(control)) : nullptr;
    if (!object) throw EPropertyError(info.Name + " is no property of that kind");
    return *object;
}

}  // namespace

QVariant ReadLibraryProperty(const TControl& control, std::string_view name) {
    const TPropInfo& info = Published(control, name);
    switch (info.Kind) {
        case TPropKind::Boolean: return ValueToBoolean(Value(info, control));
        case TPropKind::Integer: {
            const TValue value = Value(info, control);
            // A character property (PasswordChar) reads as its one-character text.
            if (value.kind == TValue::Kind::String)
                return value.text.empty() ? 0 : int(static_cast<unsigned char>(value.text[0]));
            return int(ValueToInteger(value, INT32_MIN, INT32_MAX));
        }
        case TPropKind::Enum: return ValueToEnum(Value(info, control), info.ValueNames);
        case TPropKind::Color: return ToQColor(ValueToColor(Value(info, control)));
        case TPropKind::String: return ToQString(ValueToString(Value(info, control)));
        case TPropKind::Object: {
            // Reading does not change the sub-object.
            auto& writable = const_cast<TControl&>(control);
            if (info.SubObject && dynamic_cast<TStrings*>(info.SubObject(writable)))
                return ToQStringList(SubObject<TStrings>(info, writable));
            return ToQPixmap(SubObject<TBitmap>(info, writable));
        }
        default: break;
    }
    throw EPropertyError(info.Name + " cannot be read as a Qt value");
}

void WriteLibraryProperty(TControl& control, std::string_view name, const QVariant& value) {
    const TPropInfo& info = Published(control, name);
    switch (info.Kind) {
        case TPropKind::Boolean:
            info.Set(control, TValue::Bool(value.toBool()), nullptr);
            return;
        case TPropKind::Integer:
            info.Set(control, TValue::Int(value.toLongLong()), nullptr);
            return;
        case TPropKind::Enum: {
            const int index = value.toInt();
            if (index < 0 || std::size_t(index) >= info.ValueNames.size())
                throw EPropertyError(std::to_string(index) + " is no value of " + info.Name);
            info.Set(control, TValue::Identifier(info.ValueNames[std::size_t(index)]), nullptr);
            return;
        }
        case TPropKind::Color: {
            TColor color = 0;
            if (!FromQColor(value.value<QColor>(), color)) throw EPropertyError("an invalid colour for " + info.Name);
            info.Set(control, ColorToValue(color), nullptr);
            return;
        }
        case TPropKind::String:
            info.Set(control, TValue::Str(FromQString(value.toString())), nullptr);
            return;
        case TPropKind::Object:
            if (info.SubObject && dynamic_cast<TStrings*>(info.SubObject(control))) {
                AssignQStringList(SubObject<TStrings>(info, control), value.toStringList());
            } else {
                AssignQPixmap(SubObject<TBitmap>(info, control), value.value<QPixmap>());
                // A picture changed in place is painted again.
                control.Invalidate();
            }
            return;
        default: break;
    }
    throw EPropertyError(info.Name + " cannot be written from a Qt value");
}

}  // namespace Orvo
