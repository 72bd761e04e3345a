#pragma once
// A NIST StRD dataset file (tests/data/nist): the certified values and the data block.

#include <string>
#include <vector>

struct StrdDataset {
    std::vector<double> estimates, deviations; // B0, B1, ... and their certified standard deviations
    double residualDeviation = 0, rSquared = 0;
    std::vector<double> x, y;
};

StrdDataset ReadStrd(const std::string& path);
