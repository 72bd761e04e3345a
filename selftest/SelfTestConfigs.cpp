#include "selftest/SelfTestConfigs.h"

#include "TestSuite/UnitTestHelperLib/TestDocumentAccess.h"
#include "core/OStringStream.h"

namespace Tarvik {

ExtLib::EnumTestConfig MakeTestConfig(const Ovo::String& source, const Ovo::String& calculation,
                                      std::uint32_t samples) {
    ExtLib::EnumTestConfig config;
    config.mEnumID = ExtLib::GetCalcGuidMsgId0();
    config.mExpressions = {source};
    config.mSourceIndices = {0};
    config.mArithString = calculation;
    config.mNumSamples = samples;
    config.filling = false;
    config.mRecordCount = 3;
    config.mDocumentTexts.clear();
    config.mSampleRates = {1000.0};
    return config;
}

const Ovo::String& PvaPressureFormula() {
    static const Ovo::String formula(u"3 * t * (0.5 * sin(pi/2 - 10 * t) + 0.61)");
    return formula;
}

namespace {

Ovo::String ComposePvaCalcText() {
    const int espvrType = 0;
    const int edpvrType = 0;
    const double pressureAtIntersect = 0.0187671;
    const double volumeAtIntersect = 4.60996e-05;
    const double espvr[3] = {0.00684076, 258.709, 0.0};
    const double edpvr[2] = {0.0183904, 8.17279};
    Ovo::OStringStream text;
    text.imbue(std::locale::classic());
    text << L"PvaCalc(TarvikAnalyzer(ch1, " << L"0.25 * 3 * t * (0.05 * sin(10 * t) + 0.06)"
         << L", PVEdpDet(ch1, cmpeakdet(ch1, 5, 0.0), 5), -1, -1, -1, -1), " << espvrType << L',' << edpvrType
         << L',' << pressureAtIntersect << L',' << volumeAtIntersect << L',' << espvr[0] << L',' << espvr[1]
         << L',' << espvr[2] << L',' << edpvr[0] << L',' << edpvr[1] << L')';
    return text.str();
}

} // namespace

const Ovo::String& PvaCalcText() {
    static const Ovo::String text = ComposePvaCalcText();
    return text;
}

} // namespace Tarvik
