#pragma once

// Compares every published value of two objects, walking nested objects and
// collections as the file writer does.

#include "core/Published.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace vitrano::test {

// Reals are compared to a relative tolerance: files hold 15 significant digits,
// so calculated values come back within a unit of the 15th digit.
template <PublishedClass C>
void ExpectSamePublished(const C& expected, const C& actual, const std::string& path,
                         double relativeTolerance = 0.0) {
    ForEachPublished<C>([&](const auto& property) {
        using P = std::decay_t<decltype(property)>;
        const std::string where = path + "." + std::string(property.name);
        if constexpr (P::Kind == PropertyKind::Collection) {
            const auto& a = property.Get(expected);
            const auto& b = property.Get(actual);
            ASSERT_EQ(a.Count(), b.Count()) << where;
            for (int i = 0; i < a.Count(); ++i) {
                ExpectSamePublished(a.GetItem(i), b.GetItem(i),
                                    where + "[" + std::to_string(i) + "]", relativeTolerance);
            }
        } else if constexpr (P::Kind == PropertyKind::Object) {
            ExpectSamePublished(property.Get(expected), property.Get(actual), where,
                                relativeTolerance);
        } else if constexpr (std::is_same_v<typename P::ValueType, double>) {
            const double a = property.Get(expected);
            EXPECT_NEAR(a, property.Get(actual), std::abs(a) * relativeTolerance) << where;
        } else {
            EXPECT_EQ(property.Get(expected), property.Get(actual)) << where;
        }
    });
}

// Sets every published value to something that differs from its default, so
// that a round trip shows each one. Reals get up to 15 significant digits.
template <PublishedClass C>
void FillPublished(C& object, int& counter) {
    ForEachPublished<C>([&](const auto& property) {
        using P = std::decay_t<decltype(property)>;
        using T = typename P::ValueType;
        ++counter;
        if constexpr (P::Kind == PropertyKind::Collection) {
            auto& collection = property.Member(object);
            for (int i = 0; i < 2; ++i) {
                FillPublished(collection.Add(), counter);
            }
        } else if constexpr (P::Kind == PropertyKind::Object) {
            FillPublished(property.Member(object), counter);
        } else if constexpr (std::is_same_v<T, bool>) {
            property.Set(object, !property.declaredDefault);
        } else if constexpr (std::is_same_v<T, int>) {
            property.Set(object, counter % 2 == 0 ? counter : -counter);
        } else if constexpr (std::is_same_v<T, double>) {
            const double special[] = {1.23456789012345, -0.058, 1.5e-7, 3.0e20, -123456.75};
            property.Set(object, counter % 3 == 0 ? special[(counter / 3) % 5] : counter + 0.375);
        } else {
            property.Set(object, QStringLiteral("Wert %1 äöü ß €").arg(counter));
        }
    });
}

} // namespace vitrano::test
