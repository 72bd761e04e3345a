#include "analysis/PVRelation.h"

#include <cmath>

namespace Tarvik {

double PVRelation::Pressure(double v) const {
    switch (kind) {
    case Kind::Line:
        return c[0] * v + c[1];
    case Kind::Quadratic:
        return v * c[2] * v + v * c[1] + c[0];
    case Kind::Exponential:
        return c[1] * std::exp(c[0] * v);
    }
    return 0.0;
}

std::optional<PVPoint> IntersectRelations(const PVRelation& es, const PVRelation& ed, double vStart) {
    using Kind = PVRelation::Kind;
    if (es.kind == Kind::Line && ed.kind == Kind::Line) {
        if (es.c[0] - ed.c[0] == 0.0)
            return std::nullopt;
        const double volume = (es.c[1] - ed.c[1]) / (ed.c[0] - es.c[0]);
        return PVPoint{volume, es.Pressure(volume)};
    }
    if (es.kind == Kind::Quadratic && es.c[2] < 0.0) {
        const double vertex = -es.c[1] / (2.0 * es.c[2]);
        if (std::isfinite(vertex) && vertex < vStart)
            vStart = vertex;
    }
    const auto gap = [&](double v) { return es.Pressure(v) - ed.Pressure(v); };
    double volume = 0.0;
    if (!SecantRoot(gap, 0.0, vStart, volume))
        return std::nullopt;
    return PVPoint{volume, es.Pressure(volume)};
}

} // namespace Tarvik
