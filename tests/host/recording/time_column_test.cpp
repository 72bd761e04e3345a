#include "host/recording/TimeColumn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace Vantrel;

// Appends each time as the importer does: a plain decimal with its value, anything else by value.
TimeColumn columnOf(const std::vector<std::string>& times, double scale) {
    TimeColumn column(scale);
    for (const std::string& time : times) {
        double value = 0.0;
        std::from_chars(time.data(), time.data() + time.size(), value);
        PlainDecimal number;
        const char* end = scanPlainDecimal(time.data(), time.data() + time.size(), '.', number);
        if (end == time.data() + time.size())
            column.push(number, value);
        else
            column.push(value);
    }
    return column;
}

// Every time reads back as the double its text gives, times the scale, in order and out of order.
void expectExact(const std::vector<std::string>& times, double scale = 1.0) {
    const TimeColumn column = columnOf(times, scale);
    ASSERT_EQ(column.size(), times.size());
    std::vector<std::size_t> rows(times.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = i;
    std::vector<std::size_t> shuffled = rows;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(3));
    for (const auto& order : {rows, shuffled})
        for (const std::size_t i : order) {
            double value = 0.0;
            std::from_chars(times[i].data(), times[i].data() + times[i].size(), value);
            ASSERT_EQ(column[i], value * scale) << "row " << i << ": " << times[i];
        }
}

std::vector<std::string> regular(int rows, int decimals, double start, double step) {
    std::vector<std::string> times;
    char text[64];
    for (int i = 0; i < rows; ++i) {
        std::snprintf(text, sizeof text, "%.*f", decimals, start + i * step);
        times.emplace_back(text);
    }
    return times;
}

TEST(TimeColumn, HoldsEveryTimeAsItsTextReads) {
    struct Case {
        const char* name;
        std::vector<std::string> times;
        double scale = 1.0;
    };
    std::vector<std::string> jittered;
    std::mt19937 random(7);
    for (int i = 0; i < 3000; ++i)
        jittered.push_back(std::to_string(i * 0.001 + 1e-5 * (random() % 7)));
    std::vector<std::string> mixed = regular(50, 3, 0.0, 0.001);
    mixed.insert(mixed.end(), {"0.0505", "0.051", "0.0515", "5.15e-2", "0.0525", "0.053"});
    const std::vector<Case> cases{
        {"regular, three decimals", regular(20000, 3, 0.0, 0.001)},
        {"regular, milliseconds", regular(5000, 1, 12.5, 0.1), 1e-3},
        {"finer decimals later", {"0", "0.5", "1", "1.25", "1.5", "1.625", "1.75", "1.875", "2"}},
        {"negative times", regular(300, 4, -0.0149, 0.0001)},
        {"a negative zero", {"-0.002", "-0.001", "-0.000", "0.001", "0.002"}},
        {"an exponent among decimals", mixed},
        {"irregular steps", jittered},
        {"too many digits", {"1234567890.12345678", "1234567890.12345679", "1234567890.1234568"}},
        {"units beyond exact doubles", {"9007199254740.99", "9007199254740.995", "9007199254741.0001"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectExact(c.times, c.scale);
    }
}

} // namespace
