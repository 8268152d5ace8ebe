#pragma once

// Published properties: each persistent class lists the properties that make up
// its saved state once, in declaration order, as a compile-time tuple of
// descriptors returned by a static `Published()`. Generic code (the file
// serializer, the tests of the lists) walks that tuple; nothing else is saved.
//
// A persistent class provides
//   static constexpr std::string_view ClassName;
//   static constexpr auto Published();
// A collection additionally provides `using ItemType`, `Count()`, `GetItem(i)`,
// `Add()` (returns the new item) and `Delete(i)`.

#include <QString>
#include <cstddef>
#include <string_view>
#include <tuple>
#include <type_traits>

namespace vitrano {

enum class PropertyKind { Integer, Boolean, Real, String, Object, Collection };

template <class T>
concept PublishedClass = requires {
    { T::ClassName } -> std::convertible_to<std::string_view>;
    T::Published();
};

template <class T>
concept PublishedCollection = PublishedClass<T> && requires {
    typename T::ItemType;
};

template <class T>
constexpr PropertyKind KindOf() {
    if constexpr (std::is_same_v<T, bool>) {
        return PropertyKind::Boolean;
    } else if constexpr (std::is_same_v<T, int>) {
        return PropertyKind::Integer;
    } else if constexpr (std::is_same_v<T, double>) {
        return PropertyKind::Real;
    } else if constexpr (std::is_same_v<T, QString>) {
        return PropertyKind::String;
    } else if constexpr (PublishedCollection<T>) {
        return PropertyKind::Collection;
    } else {
        static_assert(PublishedClass<T>, "a published property must be a simple value or a "
                                         "persistent class");
        return PropertyKind::Object;
    }
}

// The declared default of a property: scalars by value, strings as UTF-8 text;
// object-valued members have none (they always exist).
template <class T>
struct DeclaredDefault {
    using Type = std::nullptr_t;
};
template <>
struct DeclaredDefault<bool> {
    using Type = bool;
};
template <>
struct DeclaredDefault<int> {
    using Type = int;
};
template <>
struct DeclaredDefault<double> {
    using Type = double;
};
template <>
struct DeclaredDefault<QString> {
    using Type = std::string_view;
};
template <class T>
using DeclaredDefaultType = typename DeclaredDefault<T>::Type;

template <class Owner, class T>
using SetterOf =
    std::conditional_t<std::is_scalar_v<T>, void (Owner::*)(T), void (Owner::*)(const T&)>;

template <class Owner, class T>
struct Property {
    using OwnerType = Owner;
    using ValueType = T;
    static constexpr PropertyKind Kind = KindOf<T>();

    std::string_view name;
    T Owner::*field;
    DeclaredDefaultType<T> declaredDefault;
    SetterOf<Owner, T> setter;
    bool stored;

    const T& Get(const Owner& owner) const { return owner.*field; }

    // Object-valued members are read in place, never replaced.
    T& Member(Owner& owner) const { return owner.*field; }

    // Writes through the property's setter where it has one, so that side
    // effects of the setter happen on loading too.
    void Set(Owner& owner, const T& value) const {
        if (setter != nullptr) {
            (owner.*setter)(value);
        } else {
            owner.*field = value;
        }
    }
};

template <class Owner, class T>
constexpr Property<Owner, T> Publish(std::string_view name, T Owner::*field,
                                     DeclaredDefaultType<T> declaredDefault = {},
                                     SetterOf<Owner, T> setter = nullptr, bool stored = true) {
    return Property<Owner, T>{name, field, declaredDefault, setter, stored};
}

// Calls f(property) for every published property of C, in declaration order.
template <PublishedClass C, class F>
constexpr void ForEachPublished(F&& f) {
    std::apply([&f](const auto&... property) { (f(property), ...); }, C::Published());
}

template <PublishedClass C>
constexpr std::size_t PublishedCount() {
    return std::tuple_size_v<decltype(C::Published())>;
}

// Compile-time string usable as a template argument (class names of templates).
template <std::size_t N>
struct FixedName {
    char text[N]{};
    constexpr FixedName(const char (&literal)[N]) {
        for (std::size_t i = 0; i < N; ++i) {
            text[i] = literal[i];
        }
    }
    constexpr std::string_view View() const { return std::string_view(text, N - 1); }
};

} // namespace vitrano
