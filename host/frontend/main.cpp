// vantrel: the host stand-in's command line.

#include "host/frontend/DocumentLoopAnalyzer.h"
#include "host/frontend/ModuleHost.h"
#include "host/frontend/Program.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    std::unique_ptr<Vantrel::ModuleHost> module;
    const Vantrel::AnalyzerFactory makeAnalyzer = [&module]() -> std::unique_ptr<Vantrel::LoopAnalyzer> {
        module = std::make_unique<Vantrel::ModuleHost>();
        return std::make_unique<Vantrel::DocumentLoopAnalyzer>(*module);
    };
    return Vantrel::runProgram(arguments, std::cout, std::cerr, makeAnalyzer);
}
