#include "core/WERWindowSystem.h"

namespace vitrano {

void TWERWindowSystem::Assign(const TWERWindowSystem& source) {
    Name = source.Name;
    Material = source.Material;
    FixedJamb.Assign(source.FixedJamb);
    FixedHead.Assign(source.FixedHead);
    FixedSill.Assign(source.FixedSill);
    SashJamb.Assign(source.SashJamb);
    SashHead.Assign(source.SashHead);
    SashSill.Assign(source.SashSill);
    Mullion.Assign(source.Mullion);
}

void TWERWindowSystem::SetUfValue(double value) {
    ForEachData([value](TWERWindowSystemData& data) { data.UfValue = value; });
}

void TWERWindowSystem::SetWidth(double value) {
    ForEachData([value](TWERWindowSystemData& data) { data.Width = value; });
}

void TWERWindowSystem::SetGProtrusion(double value) {
    ForEachData([value](TWERWindowSystemData& data) { data.GProtrusion = value; });
}

QString TWERWindowSystem::ToString() const {
    if (Hersteller.trimmed().isEmpty()) {
        return Hersteller + Name;
    }
    return Hersteller + QStringLiteral(", ") + Name;
}

} // namespace vitrano
