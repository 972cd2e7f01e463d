#pragma once

// The building blocks of the project file's declaration (ProjectLayout.cpp,
// ProjectRecordLayout.cpp): values, accessors through a record's members and one constructor
// per kind of field, so that each field of the tables takes one entry.
#include "persistence/ProjectLayout.h"

#include <functional>
#include <limits>
#include <type_traits>

namespace quelvan::layout {

// Largest library, ambiance or layer index or count read, so that adding an identifier base
// cannot overflow.
inline constexpr int kMaxRecordIndex = 999999;
inline constexpr int kNoLimit = std::numeric_limits<int>::max();

inline FieldValue Number(int number)
{
    return { number, {} };
}

inline FieldValue Text(std::string text)
{
    return { 0, std::move(text) };
}

// Accessors of a record through a data member or a member function: Get reads, Set stores.
template <typename R, auto Get> FieldValue NumberOf(const R& r)
{
    return Number(std::invoke(Get, r));
}

template <typename R, auto Get> FieldValue TextOf(const R& r)
{
    return Text(std::invoke(Get, r));
}

template <typename R, auto Set, typename V> void Store(R& r, V value)
{
    if constexpr (std::is_member_function_pointer_v<decltype(Set)>)
        (r.*Set)(std::move(value));
    else
        r.*Set = std::move(value);
}

template <typename R, auto Set> bool StoreNumber(R& r, const FieldValue& v, const KslDoc&)
{
    Store<R, Set>(r, v.number);
    return true;
}

template <typename R, auto Set> bool StoreText(R& r, const FieldValue& v, const KslDoc&)
{
    Store<R, Set>(r, v.text);
    return true;
}

template <typename R> using Getter = FieldValue (*)(const R&);
template <typename R> using Setter = bool (*)(R&, const FieldValue&, const KslDoc&);

// One constructor per kind of field, so that each field takes one entry of the tables.
template <typename R>
constexpr Field<R> Integer(std::string_view prefix, std::string_view label, int width,
    Getter<R> get, std::type_identity_t<Setter<R>> set, int low = -kNoLimit, int high = kNoLimit)
{
    return { .prefix = prefix,
        .label = label,
        .kind = FieldKind::Integer,
        .width = width,
        .get = get,
        .set = set,
        .need = Need::Required,
        .low = low,
        .high = high };
}

template <typename R, auto Get, auto Set>
constexpr Field<R> IntegerOf(std::string_view prefix, std::string_view label, int width,
    int low = -kNoLimit, int high = kNoLimit)
{
    return Integer<R>(prefix, label, width, NumberOf<R, Get>, StoreNumber<R, Set>, low, high);
}

template <typename R, auto Get, auto Set>
constexpr Field<R> ValueOf(std::string_view prefix, std::string_view label, int width)
{
    return { .prefix = prefix,
        .label = label,
        .width = width,
        .get = TextOf<R, Get>,
        .set = StoreText<R, Set> };
}

template <typename R, auto Get, auto Set>
constexpr Field<R> NameOf(std::string_view prefix, std::string_view label, Need need)
{
    return { .prefix = prefix,
        .label = label,
        .kind = FieldKind::Rest,
        .get = TextOf<R, Get>,
        .set = StoreText<R, Set>,
        .need = need };
}

} // namespace quelvan::layout
