#pragma once
// Projects with reading sheets for the document tests.

#include "model/basMainData.h"
#include "planning/TestKinds.h"

namespace tessaro::test {

// Reading i of a multi-cycle sheet: values that print distinctly per row.
inline Reading sampleReading(int i)
{
    Reading r;
    r.ElapsedTime = 60 * i;
    r.Interval = std::int16_t(i % 15);
    r.GaugePressure = 1.25f + 0.5f * float(i % 20);
    r.Load = 50.0f + 12.5f * float(i % 20);
    r.Cycle = std::int16_t(1 + i / 20);
    r.InitialNo1 = 10.0f;
    r.MeasuredNo1 = 10.0f + 0.01f * float(i);
    r.InitialNo2 = 20.0f;
    r.MeasuredNo2 = 20.0f + 0.02f * float(i);
    r.Displacement = 0.015f * float(i);
    r.ClockTime = QStringLiteral("9:%1:00").arg(i % 60, 2, 10, QChar('0'));
    return r;
}

inline void fillReadings(AnchorRecord& a, int rows)
{
    a.Readings.clear();
    for (int i = 0; i < rows; ++i)
        a.Readings.push_back(sampleReading(i));
    a.ReadingCount = std::int16_t(rows);
}

inline void describeAnchor(AnchorRecord& a, const QString& number)
{
    a.AnchorNo = number;
    a.Measurer = QStringLiteral("山田 太郎");
    a.TestDate = QStringLiteral("2024/05/20");
    a.GroutDate = QStringLiteral("2024/05/01");
    a.Tendon.AnchorTypeName = QStringLiteral("摩擦引張型アンカー E-5");
    a.Spec2.Designation = QStringLiteral("4S12.7");
    a.Tendon.FreeLength = 8500;
    a.Tendon.AnchorLength = 4500;
    a.Tendon.TensionFreeLength = 9200;
    a.Tendon.ExtraLength = 1200;
    // Set loss 5 mm × 200 kN/mm² × 500 mm² / (9200 − 1200) mm = 62.50 kN, so
    // the initial tension is 300 + 62.50 = 362.50 kN, read at 36.25 MPa on a
    // jack of 10 kN per MPa.
    a.SetAmount = 5;
    a.LockOffLoad = 300;
    a.Material.TendonModulus = 200;
    a.Material.TendonArea = 500;
    a.Jack.JackName = QStringLiteral("センターホール 500kN");
    a.Jack.PointCount = 3;
    a.Jack.Pressures[0] = 10;
    a.Jack.Outputs[0] = 100;
    a.Jack.Pressures[1] = 50;
    a.Jack.Outputs[1] = 500;
    // Results of an earlier evaluation that no print may show.
    a.JackingForce = 86.8f;
    a.JackingGauge = -343.37f;
}

// A quality-assurance project of `anchors` anchors with `rows` readings each.
inline void makeQualityProject(Project& p, int anchors, int rows, int edition = Edition2012)
{
    InitProject(p, anchors);
    p.TestCategory = 1;
    p.Record.SavedTestCategory = 1;
    p.Settings.StandardEdition = std::int16_t(edition);
    p.Record.WorksName = QStringLiteral("○○川護岸補強工事");
    for (int i = 1; i <= anchors; ++i) {
        describeAnchor(p.anchor(i), QStringLiteral("A-%1").arg(i));
        fillReadings(p.anchor(i), rows);
    }
}

inline void makeBasicProject(Project& p, int rows)
{
    InitProject(p, 0);
    p.TestCategory = 0;
    p.Record.SavedTestCategory = 0;
    p.Record.WorksName = QStringLiteral("基本調査試験工事");
    describeAnchor(p.Record.WorkingAnchor, QStringLiteral("T-1"));
    fillReadings(p.Record.WorkingAnchor, rows);
}

} // namespace tessaro::test
