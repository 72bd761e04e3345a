#include "host/frontend/RelationReport.h"

#include "host/frontend/UnitText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>

namespace Vantrel {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Points {
    std::vector<double> volumes, pressures;
};

// The finite points; with positive, only those of a positive pressure.
Points usable(const std::vector<double>& volumes, const std::vector<double>& pressures, bool positive) {
    Points out;
    for (std::size_t i = 0; i < volumes.size() && i < pressures.size(); ++i)
        if (std::isfinite(volumes[i]) && std::isfinite(pressures[i]) && (!positive || pressures[i] > 0.0)) {
            out.volumes.push_back(volumes[i]);
            out.pressures.push_back(pressures[i]);
        }
    return out;
}

template <class Relation> double rSquared(const Points& points, Relation relation) {
    double mean = 0.0;
    for (double p : points.pressures)
        mean += p;
    mean /= static_cast<double>(points.pressures.size());
    double residual = 0.0, total = 0.0;
    for (std::size_t i = 0; i < points.pressures.size(); ++i) {
        const double e = points.pressures[i] - relation(points.volumes[i]);
        residual += e * e;
        total += (points.pressures[i] - mean) * (points.pressures[i] - mean);
    }
    return total > 0.0 ? 1.0 - residual / total : kNaN;
}

// Three significant digits: "4.88 %", "10 %".
std::string percentText(double fraction) {
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, 100.0 * fraction, std::chars_format::general, 3).ptr;
    return std::string(text, end) + " %";
}

// The loop count and volume span rows; false (and a note row) when the span does not define the relation.
bool spanRows(std::vector<RelationValue>& rows, const std::string& name, const Points& points,
              const std::string& volumeUnit, bool haveFit) {
    rows.push_back({name, {"loops", ""}, static_cast<double>(points.volumes.size()), {}});
    if (points.volumes.size() < 2) {
        rows.push_back({name, {"not defined", ""}, kNaN, "fewer than two loops"});
        return false;
    }
    const auto [low, high] = std::minmax_element(points.volumes.begin(), points.volumes.end());
    double mean = 0.0;
    for (double v : points.volumes)
        mean += v;
    mean /= static_cast<double>(points.volumes.size());
    const double span = *high - *low;
    rows.push_back({name, {"volume span", volumeUnit}, span, {}});
    if (!(std::abs(mean) > 0.0) || span < kMinimumVolumeSpan * std::abs(mean)) {
        rows.push_back({name,
                        {"not defined", ""},
                        kNaN,
                        "the loops' volumes span " + percentText(span / std::abs(mean)) +
                            " of their mean, less than " + percentText(kMinimumVolumeSpan)});
        return false;
    }
    if (!haveFit) {
        rows.push_back({name, {"not defined", ""}, kNaN, "the module fitted no relation"});
        return false;
    }
    return true;
}

} // namespace

double PvaRelations::espvr(double v) const {
    return espvrType == 1 ? es[0] + es[1] * v + es[2] * v * v : es[0] + es[1] * v;
}

double PvaRelations::edpvr(double v) const {
    return edpvrType == 1 ? ed[0] * std::exp(ed[1] * v) : ed[0] + ed[1] * v;
}

std::optional<PvaRelations> parsePvaFormula(std::u16string_view text) {
    constexpr std::u16string_view kHead = u"PVACalc(tarvik,";
    if (text.size() < kHead.size() + 1 || text.substr(0, kHead.size()) != kHead || text.back() != u')')
        return std::nullopt;
    std::string arguments(text.begin() + static_cast<std::ptrdiff_t>(kHead.size()), text.end() - 1);
    std::replace(arguments.begin(), arguments.end(), ',', ' ');
    std::istringstream in(arguments);
    in.imbue(std::locale::classic());
    double values[9];
    for (double& value : values)
        if (!(in >> value))
            return std::nullopt;
    if (in >> std::ws; !in.eof())
        return std::nullopt;
    PvaRelations r;
    r.espvrType = static_cast<int>(values[0]);
    r.edpvrType = static_cast<int>(values[1]);
    if (r.espvrType < 0 || r.espvrType > 1 || r.edpvrType < 0 || r.edpvrType > 1)
        return std::nullopt;
    r.pressure = values[2];
    r.volume = values[3];
    std::copy(values + 4, values + 7, r.es);
    std::copy(values + 7, values + 9, r.ed);
    return r;
}

std::vector<RelationValue> relationReport(const std::optional<PvaRelations>& relations,
                                          const LoopPoints& points, const std::string& p,
                                          const std::string& v) {
    std::vector<RelationValue> rows;
    const Points es = usable(points.ves, points.pes, false);
    const bool espvr = spanRows(rows, "ESPVR", es, v, relations.has_value());
    if (espvr) {
        const PvaRelations& r = *relations;
        if (r.espvrType == 0) {
            rows.push_back({"ESPVR", {"Ees", composedUnit("P/V", p, v)}, r.es[1], {}});
            rows.push_back({"ESPVR", {"V0", v}, -r.es[0] / r.es[1], {}});
        } else {
            rows.push_back({"ESPVR", {"a0", p}, r.es[0], {}});
            rows.push_back({"ESPVR", {"a1", composedUnit("P/V", p, v)}, r.es[1], {}});
            rows.push_back({"ESPVR", {"a2", composedUnit("P/V^2", p, v)}, r.es[2], {}});
        }
        rows.push_back({"ESPVR", {"r²", ""}, rSquared(es, [&](double x) { return r.espvr(x); }), {}});
    }
    const bool exponential = !relations || relations->edpvrType == 1;
    const Points ed = usable(points.ved, points.ped, exponential);
    const bool edpvr = spanRows(rows, "EDPVR", ed, v, relations.has_value());
    if (edpvr) {
        const PvaRelations& r = *relations;
        if (exponential) {
            rows.push_back({"EDPVR", {"A", p}, r.ed[0], {}});
            rows.push_back({"EDPVR", {"k", composedUnit("1/V", p, v)}, r.ed[1], {}});
        } else {
            rows.push_back({"EDPVR", {"b0", p}, r.ed[0], {}});
            rows.push_back({"EDPVR", {"b1", composedUnit("P/V", p, v)}, r.ed[1], {}});
        }
        rows.push_back({"EDPVR", {"r²", ""}, rSquared(ed, [&](double x) { return r.edpvr(x); }), {}});
    }
    if (espvr && edpvr) {
        rows.push_back({"intersect", {"Pressure at intersect", p}, relations->pressure, {}});
        rows.push_back({"intersect", {"Volume at intersect", v}, relations->volume, {}});
    }
    return rows;
}

} // namespace Vantrel
