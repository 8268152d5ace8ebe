#pragma once

#include "core/Published.h"

#include <QString>

namespace vitrano {

// Values of one profile position of a window system (catalogue units: m).
class TWERWindowSystemData {
public:
    static constexpr std::string_view ClassName = "TWERWindowSystemData";

    double UfValue = 1.3;     // W/(m²K)
    double Width = 0.058;     // m
    double GProtrusion = 0.0; // gasket protrusion, m

    void Assign(const TWERWindowSystemData& source) { *this = source; }

    bool operator==(const TWERWindowSystemData&) const = default;

    static constexpr auto Published() {
        using D = TWERWindowSystemData;
        return std::make_tuple(Publish("UfValue", &D::UfValue, 1.3),
                               Publish("Width", &D::Width, 0.058),
                               Publish("GProtrusion", &D::GProtrusion));
    }
};

// A manufacturer's window system with its seven profile positions. Lives in
// the catalogue or, as an independent copy, in a project record.
class TWERWindowSystem {
public:
    static constexpr std::string_view ClassName = "TWERWindowSystem";

    QString Name;
    QString Material = QStringLiteral("PVC");
    QString Hersteller; // manufacturer name
    TWERWindowSystemData FixedJamb;
    TWERWindowSystemData FixedHead;
    TWERWindowSystemData FixedSill;
    TWERWindowSystemData SashJamb;
    TWERWindowSystemData SashHead;
    TWERWindowSystemData SashSill;
    TWERWindowSystemData Mullion;

    TWERWindowSystem() = default;
    TWERWindowSystem(const TWERWindowSystem&) = default;
    TWERWindowSystem& operator=(const TWERWindowSystem&) = default;
    TWERWindowSystem(TWERWindowSystem&&) noexcept = default;
    TWERWindowSystem& operator=(TWERWindowSystem&&) noexcept = default;
    ~TWERWindowSystem() = default;

    // Copies the name, the material and the seven data sets; the manufacturer
    // stays as it is.
    void Assign(const TWERWindowSystem& source);

    // Set one value in all seven profile positions.
    void SetUfValue(double value);
    void SetWidth(double value);
    void SetGProtrusion(double value);

    // "Manufacturer, Name", or the name alone without a manufacturer.
    QString ToString() const;

    static constexpr auto Published() {
        using W = TWERWindowSystem;
        return std::make_tuple(
            Publish("Name", &W::Name), Publish("Material", &W::Material, "PVC"),
            Publish("Hersteller", &W::Hersteller), Publish("FixedJamb", &W::FixedJamb),
            Publish("FixedHead", &W::FixedHead), Publish("FixedSill", &W::FixedSill),
            Publish("SashJamb", &W::SashJamb), Publish("SashHead", &W::SashHead),
            Publish("SashSill", &W::SashSill), Publish("Mullion", &W::Mullion));
    }

private:
    template <class F>
    void ForEachData(F f) {
        for (TWERWindowSystemData* data :
             {&FixedJamb, &FixedHead, &FixedSill, &SashJamb, &SashHead, &SashSill, &Mullion}) {
            f(*data);
        }
    }
};

} // namespace vitrano
