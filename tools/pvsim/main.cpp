// pvsim: writes a generated pressure-volume recording with its truth and parameters.

#include "tools/pvsim/ParamsText.h"
#include "tools/pvsim/Simulation.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

namespace {

constexpr std::string_view kUsage =
    "usage: pvsim PRESET|PARAMS_FILE OUTPUT_BASE [name=value ...]\n"
    "Writes OUTPUT_BASE.csv, OUTPUT_BASE.truth.tsv and OUTPUT_BASE.params.txt.\n"
    "PRESET: steady, occlusion (a mouse), rat-steady, rat-occlusion, large-steady, large-occlusion.\n"
    "atrialKick=MMHG adds an atrial contraction; a larger mitralResistance a slower filling.\n";

PvSim::SimParams startingParams(std::string_view source) {
    using Animal = PvSim::SimParams::Animal;
    constexpr std::pair<std::string_view, Animal> kAnimals[] = {
        {"", Animal::Mouse}, {"rat-", Animal::Rat}, {"large-", Animal::LargeAnimal}};
    for (const auto& [prefix, animal] : kAnimals) {
        if (source == std::string(prefix) + "steady")
            return PvSim::SimParams::steadyPreset(animal);
        if (source == std::string(prefix) + "occlusion")
            return PvSim::SimParams::occlusionPreset(animal);
    }
    std::ifstream in{std::string(source)};
    std::stringstream text;
    text << in.rdbuf();
    if (!in)
        throw std::runtime_error("cannot read " + std::string(source));
    return PvSim::parseParams(text.str());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        PvSim::SimParams params = startingParams(argv[1]);
        for (int i = 3; i < argc; ++i) {
            const std::string_view setting = argv[i];
            const auto equals = setting.find('=');
            if (equals == std::string_view::npos)
                throw std::invalid_argument("name=value expected: " + std::string(setting));
            PvSim::setParam(params, setting.substr(0, equals), setting.substr(equals + 1));
        }
        PvSim::writeSimulationFiles(argv[2], params, PvSim::simulate(params));
    } catch (const std::exception& error) {
        std::cerr << "pvsim: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
