#pragma once
// What the five self-tests evaluate: their source formulas and calculation texts.

#include "TestSuite/UnitTestHelperLib/EnumTestConfig.h"

namespace Tarvik {

/// A configuration of one source channel, formula source at 1000 Hz, computing calculation on
/// records of samples ticks, with the class id of the host's formula calculation.
ExtLib::EnumTestConfig MakeTestConfig(const Ovo::String& source, const Ovo::String& calculation,
                                      std::uint32_t samples);

/// The pressure of the pressure-volume-area test: a growing, periodic signal.
const Ovo::String& PvaPressureFormula();
/// The pressure-volume-area calculation over the loops of that pressure with the volume
/// 0.25 * 3 * t * (0.05 * sin(10 * t) + 0.06), with fixed relation terms, its numbers written with
/// six significant digits.
const Ovo::String& PvaCalcText();

} // namespace Tarvik
