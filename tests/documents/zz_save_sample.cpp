#include "model/DataFile.h"
#include "support/PlanReportSamples.h"
#include <gtest/gtest.h>
using namespace tessaro;
TEST(SaveSample, Write)
{
    if (qEnvironmentVariable("SAMPLE_OUT").isEmpty()) GTEST_SKIP();
    test::makeWorkedBasicProject(project());
    ASSERT_TRUE(SaveDataFile(qEnvironmentVariable("SAMPLE_OUT")));
}
