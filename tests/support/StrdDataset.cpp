#include "StrdDataset.h"

#include <fstream>
#include <sstream>

// Certified values by name, then the data block (y first, then x).
StrdDataset ReadStrd(const std::string& path) {
    std::ifstream in(path);
    StrdDataset d;
    std::string line;
    bool data = false;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string first;
        words >> first;
        double a = 0, b = 0;
        if (data && std::istringstream(line) >> a >> b) {
            d.y.push_back(a);
            d.x.push_back(b);
        } else if (first.size() == 2 && first[0] == 'B' && words >> a >> b) {
            d.estimates.push_back(a);
            d.deviations.push_back(b);
        } else if (first == "Standard") {
            words >> first >> d.residualDeviation;
        } else if (first == "R-Squared") {
            words >> d.rSquared;
        } else if (first == "Data:" && line.find('y') != std::string::npos) {
            data = true;
        }
    }
    return d;
}
