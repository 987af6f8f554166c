// The measurement windows half way through a six-cycle test, as the operator
// sees them (saved when TESSARO_SCREENSHOTS names a folder).

#include "RecordingTestSupport.h"
#include "model/UserMessage.h"
#include "recording/frmDataInput1.h"
#include "recording/frmDataRevision.h"

using namespace tessaro;
using test::control;
using Col = frmDataInput1::Column;

TEST(MeasurementScreens, HalfFinishedSixCycleTest)
{
    Project& p = test::openSixCycleProject();
    MessageScript messages;
    {
        frmDataInput1 w;
        w.resize(1280, 720);
        test::showActive(w);
        // Readings pasted up to the peak of cycle 5 (row 34), point 2 reading 0.1 mm more.
        const std::vector<float> d = test::sixCycleDisplacements();
        QString block;
        for (int row = 1; row <= 34; ++row)
            block += (row == 1 ? QStringLiteral("12.00\t%1\t25.00\t%2\r\n") : QStringLiteral("\t%1\t\t%2\r\n"))
                         .arg(12.00f + d[std::size_t(row - 1)], 0, 'f', 2)
                         .arg(25.10f + d[std::size_t(row - 1)], 0, 'f', 2);
        auto* grid = control<ui::SpreadGrid>(w, "vaSpread1");
        grid->SetActiveCell(Col::ColInitial1, 1);
        grid->PasteText(block);
        test::settle();
        EXPECT_EQ(grid->GetText(Col::ColElongation, 34), "26.05");
        test::screenshot(w, "datainput_half_finished");
    }
    p.anchor(1).Readings[23].Displacement = 17.00f; // cycle 4 out of its lines
    frmDataRevision revision;
    revision.resize(1280, 720);
    test::screenshot(revision, "datarevision_fault");
}
