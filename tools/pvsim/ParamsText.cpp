#include "tools/pvsim/ParamsText.h"

#include "host/recording/TextCells.h"

#include <stdexcept>
#include <variant>

namespace PvSim {

namespace {

struct Field {
    const char* name;
    std::variant<double SimParams::*, std::int64_t SimParams::*> member;
    const char* note;
    // Written only when it differs from its default, so that texts written before it existed
    // stay as they were.
    bool optional = false;
};

const Field kFields[] = {
    {"sampleRate", &SimParams::sampleRate, "samples per second"},
    {"substeps", &SimParams::substeps, "Runge-Kutta steps per sample"},
    {"duration", &SimParams::duration, "s recorded"},
    {"leadIn", &SimParams::leadIn, "s from the record start to the first R wave"},
    {"warmupBeats", &SimParams::warmupBeats, "beats run before the record starts"},
    {"heartRate", &SimParams::heartRate, "beats/min, rounded to whole samples a beat"},
    {"ees", &SimParams::ees, "mmHg/uL, ESPVR P = ees * V"},
    {"edpvrA", &SimParams::edpvrA, "mmHg, EDPVR P = edpvrA * exp(edpvrK * V)"},
    {"edpvrK", &SimParams::edpvrK, "1/uL"},
    {"tau1", &SimParams::tau1, "s, double-Hill elastance contraction"},
    {"tau2", &SimParams::tau2, "s, double-Hill elastance relaxation"},
    {"m1", &SimParams::m1, "double-Hill contraction steepness"},
    {"m2", &SimParams::m2, "double-Hill relaxation steepness"},
    {"mitralResistance", &SimParams::mitralResistance, "mmHg*s/uL"},
    {"aorticResistance", &SimParams::aorticResistance, "mmHg*s/uL"},
    {"peripheralResistance", &SimParams::peripheralResistance, "mmHg*s/uL, Windkessel"},
    {"arterialCompliance", &SimParams::arterialCompliance, "uL/mmHg, Windkessel"},
    {"venousPressure", &SimParams::venousPressure, "mmHg, filling pressure"},
    {"occlusion", &SimParams::occlusion, "1: caval occlusion"},
    {"occlusionStart", &SimParams::occlusionStart, "s into the record"},
    {"occlusionDuration", &SimParams::occlusionDuration, "s of linear fall"},
    {"occludedVenousPressure", &SimParams::occludedVenousPressure, "mmHg at the end of the fall"},
    {"atrialKick", &SimParams::atrialKick, "mmHg, atrial pulse added to the filling pressure; 0: none", true},
    {"atrialKickDuration", &SimParams::atrialKickDuration, "s, length of the atrial pulse", true},
    {"atrialKickLead", &SimParams::atrialKickLead, "s from the atrial pulse's start to the R wave", true},
    {"ecgStretch", &SimParams::ecgStretch, "time scale of the ECG complex, 1: a mouse's", true},
    {"pressureNoise", &SimParams::pressureNoise, "mmHg standard deviation"},
    {"volumeNoise", &SimParams::volumeNoise, "uL standard deviation"},
    {"ecgNoise", &SimParams::ecgNoise, "mV standard deviation"},
    {"seed", &SimParams::seed, "of the noise"},
};

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

} // namespace

std::string formatParams(const SimParams& params) {
    static const SimParams defaults;
    std::string text;
    for (const Field& field : kFields) {
        if (field.optional &&
            std::visit([&](auto member) { return params.*member == defaults.*member; }, field.member))
            continue;
        const std::string value = std::visit(
            [&](auto member) {
                const auto v = params.*member;
                if constexpr (std::is_same_v<decltype(v), const double>)
                    return Vantrel::numberText(v);
                else
                    return std::to_string(v);
            },
            field.member);
        text += std::string(field.name) + " = " + value + "  # " + field.note + '\n';
    }
    return text;
}

void setParam(SimParams& params, std::string_view name, std::string_view value) {
    for (const Field& field : kFields) {
        if (name != field.name)
            continue;
        const bool ok = std::visit(
            [&](auto member) { return Vantrel::parseNumberCell(value, params.*member); }, field.member);
        if (!ok)
            throw std::invalid_argument(std::string(name) + ": \"" + std::string(value) +
                                        "\" is not a number");
        return;
    }
    throw std::invalid_argument("unknown parameter \"" + std::string(name) + "\"");
}

SimParams parseParams(std::string_view text, SimParams defaults) {
    int lineNumber = 0;
    for (std::size_t start = 0; start < text.size(); ++lineNumber) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        line = trimmed(line.substr(0, line.find('#')));
        if (line.empty())
            continue;
        const auto equals = line.find('=');
        try {
            if (equals == std::string_view::npos)
                throw std::invalid_argument("\"name = value\" expected");
            setParam(defaults, trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)));
        } catch (const std::invalid_argument& error) {
            throw std::invalid_argument("line " + std::to_string(lineNumber + 1) + ": " + error.what());
        }
    }
    return defaults;
}

} // namespace PvSim
