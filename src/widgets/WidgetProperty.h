#pragma once
// Internal to the Qt widgets: the getter and setter of a Q_PROPERTY that is
// one published property of the library control, defined in one line:
//
//     ORVO_WIDGET_PROPERTY(CheckBox, QColor, checkColor, setCheckColor, "CheckColor")
//
// Both go through the library's property table (LibraryProperties.h), as a
// form description does; enumerations pass as their position, a QChar as
// its code. The header declares them as any Qt class does (a scalar, an
// enumeration or a QChar by value, anything else by const reference).

#include <QChar>
#include <QVariant>

#include <type_traits>

namespace Orvo {

template <class T>
using SetterArg = std::conditional_t<std::is_arithmetic_v<T> || std::is_enum_v<T> || std::is_same_v<T, QChar>, T, const T&>;

template <class T>
T FromLibraryVariant(const QVariant& value) {
    if constexpr (std::is_enum_v<T>) return static_cast<T>(value.toInt());
    else if constexpr (std::is_same_v<T, QChar>) return QChar(char16_t(value.toInt()));
    else return value.value<T>();
}

template <class T>
QVariant ToLibraryVariant(const T& value) {
    if constexpr (std::is_enum_v<T>) return int(value);
    else if constexpr (std::is_same_v<T, QChar>) return int(value.unicode());
    else return QVariant::fromValue(value);
}

}  // namespace Orvo

#define ORVO_WIDGET_PROPERTY(Class, Type, getter, setter, libraryName)                                            \
    Type Class::getter() const { return ::Orvo::FromLibraryVariant<Type>(libraryValue(libraryName)); }           \
    void Class::setter(::Orvo::SetterArg<Type> value) { setLibraryValue(libraryName, ::Orvo::ToLibraryVariant(value)); }
