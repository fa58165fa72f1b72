#pragma once

#include <optional>

// Lower and upper limit of one curve, in tenths (of a degree, of a percent);
// either may be absent. A value equal to a limit is inside.
struct TS_LIMITES {
    std::optional<int> Basse;
    std::optional<int> Haute;

    bool Aucune() const { return !Basse && !Haute; }
    bool operator==(const TS_LIMITES& autre) const
    {
        return Basse == autre.Basse && Haute == autre.Haute;
    }
    bool operator!=(const TS_LIMITES& autre) const { return !(*this == autre); }
};
