#include "documents/ExcelOutput.h"

#include "documents/AnchorListTexts.h"
#include "documents/DocumentInfo.h"
#include "evaluation/CycleEvaluation.h"
#include "model/NumberFormat.h"
#include "model/ProjectRecord.h"
#include "model/WriteFailure.h"
#include "planning/TestKinds.h"

#include <QStringList>
#include <functional>

namespace tessaro {
namespace {

using xlsx::Cell;

// A reading as the sheet shows it: the single rounded to the column's decimals
// as the input grid shows it, so that the cell holds the printed value and not
// the binary one behind it; −99 (not measured) leaves the cell empty.
Cell measured(float value, const QString& format)
{
    return isMissing(value) ? Cell::empty() : Cell::value(roundFormat(value, format), format);
}

// A value that is 0 (or less) has not been entered yet.
Cell entered(double value, const QString& format)
{
    return value > 0 ? Cell::value(roundFormat(value, format), format) : Cell::empty();
}

Cell text(const QString& t)
{
    return t.isEmpty() ? Cell::empty() : Cell::label(t);
}

// ---- Measurement data --------------------------------------------------------

struct ReadingColumn {
    QString heading;
    QString format;
    bool ExcelColumns::*option; // the option that writes the column; null: always written
    std::function<float(const Reading&, const ReadingResult&)> value;
    // The column's value on the initial-tension row; null: empty there.
    float AnchorRecord::*initialTension = nullptr;
};

const std::vector<ReadingColumn>& readingColumns()
{
    using R = const Reading&;
    using E = const ReadingResult&;
    static const std::vector<ReadingColumn> columns {
        { QStringLiteral("経過時間"), "0", nullptr, [](R r, E) { return float(r.Interval); } },
        { QStringLiteral("ゲージ圧\n(MPa)"), "0.00", &ExcelColumns::gauge, [](R r, E) { return r.GaugePressure; },
            &AnchorRecord::JackingGauge },
        { QStringLiteral("荷重\n(kN)"), "0.00", nullptr, [](R r, E) { return r.Load; }, &AnchorRecord::JackingForce },
        { QStringLiteral("サイクル"), "0", nullptr,
            [](R r, E) { return r.Cycle > 0 ? float(r.Cycle) : MissingValue; } },
        { QStringLiteral("理論値"), "0.00", &ExcelColumns::controlLimits, [](R, E e) { return e.Theory; } },
        { QStringLiteral("上限値"), "0.00", &ExcelColumns::controlLimits, [](R, E e) { return e.Upper; } },
        { QStringLiteral("下限値"), "0.00", &ExcelColumns::controlLimits, [](R, E e) { return e.Lower; } },
        { QStringLiteral("初期No1"), "0.00", &ExcelColumns::point1, [](R r, E) { return r.InitialNo1; } },
        { QStringLiteral("測定No1"), "0.00", &ExcelColumns::point1, [](R r, E) { return r.MeasuredNo1; } },
        { QStringLiteral("初期No2"), "0.00", &ExcelColumns::point2, [](R r, E) { return r.InitialNo2; } },
        { QStringLiteral("測定No2"), "0.00", &ExcelColumns::point2, [](R r, E) { return r.MeasuredNo2; } },
        { QStringLiteral("伸び量\n(mm)"), "0.00", nullptr, [](R r, E) { return r.Displacement; } },
    };
    return columns;
}

std::vector<const ReadingColumn*> chosenColumns(const ExcelColumns& options)
{
    std::vector<const ReadingColumn*> chosen;
    for (const ReadingColumn& c : readingColumns())
        if (!c.option || options.*c.option)
            chosen.push_back(&c);
    return chosen;
}

std::vector<Cell> readingRow(
    int number, const Reading& r, const ReadingResult& e, const std::vector<const ReadingColumn*>& columns)
{
    std::vector<Cell> row { Cell::value(number, "0") };
    // A row whose elapsed time is missing was never part of the test: only its number.
    if (isMissing(r.ElapsedTime))
        return row;
    for (const ReadingColumn* c : columns)
        row.push_back(measured(c->value(r, e), c->format));
    return row;
}

std::vector<Cell> initialTensionRow(const AnchorRecord& a, const std::vector<const ReadingColumn*>& columns)
{
    std::vector<Cell> row { Cell::label(QStringLiteral("初期緊張力(kN)")) };
    for (const ReadingColumn* c : columns)
        row.push_back(c->initialTension ? entered(a.*(c->initialTension), c->format) : Cell::empty());
    return row;
}

// ---- Anchor list ---------------------------------------------------------------

struct ListColumn {
    QString heading;
    double width;
    std::function<Cell(const Project&, const AnchorRecord&)> value;
};

Cell whole(double v)
{
    return entered(v, "0");
}

const std::vector<ListColumn>& qualityColumns()
{
    using P = const Project&;
    using A = const AnchorRecord&;
    auto edition = [](P p) { return p.Settings.StandardEdition; };
    static const std::vector<ListColumn> columns {
        { QStringLiteral("アンカー名称"), 14, [](P, A a) { return text(a.AnchorNo); } },
        { QStringLiteral("試験区分"), 16, [=](P p, A a) { return text(kindText(edition(p), a.ConfirmationTest)); } },
        { QStringLiteral("設計ｱﾝｶｰ力\n[常時]\n(kN)"), 11, [](P, A a) { return entered(a.DesignAnchorForce, "0.00"); } },
        { QStringLiteral("設計ｱﾝｶｰ力\n[地震時]\n(kN)"), 11,
            [](P, A a) { return entered(a.DesignAnchorForceSeismic, "0.00"); } },
        { QStringLiteral("計画最大\n荷重\n(kN)"), 10, [](P, A a) { return entered(a.Plan.PlannedMaxLoad, "0.00"); } },
        { QStringLiteral("初期荷重\n(kN)"), 10, [](P, A a) { return entered(a.Plan.InitialLoad, "0.00"); } },
        { QStringLiteral("荷重\n段階数"), 7, [](P, A a) { return whole(a.Plan.StageCount); } },
        { QStringLiteral("定着地盤"), 12, [](P, A a) { return text(groundText(a.AnchorageGround)); } },
        { QStringLiteral("定着方式"), 14, [](P, A a) { return text(anchoringDeviceText(a.AnchoringType)); } },
        { QStringLiteral("セット量\n(mm)"), 8,
            [](P, A a) { return a.SetAmount >= 0 ? Cell::value(roundFormat(a.SetAmount, "0.0"), "0.0") : Cell {}; } },
        { QStringLiteral("定着時\n緊張力\n(kN)"), 10, [](P, A a) { return entered(a.LockOffLoad, "0.00"); } },
        { QStringLiteral("初期緊張力\n(kN)"), 10, [](P, A a) { return entered(a.JackingForce, "0.00"); } },
        { QStringLiteral("アンカー形式"), 18, [](P, A a) { return text(anchorTypeName(a.Tendon.AnchorTypeCode)); } },
        { QStringLiteral("供用期間"), 9,
            [=](P p, A a) {
                return a.Tendon.AnchorRank >= 0 ? text(rankText(edition(p), a.Tendon.AnchorRank)) : Cell {};
            } },
        { QStringLiteral("アンカー種別"), 22, [](P, A a) { return text(a.Tendon.AnchorTypeName); } },
        { QStringLiteral("ジャッキ内\n(mm)"), 9, [](P, A a) { return whole(a.Tendon.ExtraLength); } },
        { QStringLiteral("アンカー体長\n(mm)"), 11, [](P, A a) { return whole(a.Tendon.AnchorLength); } },
        { QStringLiteral("緊張時\n(mm)"), 9, [](P, A a) { return whole(a.Tendon.TensionFreeLength); } },
        { QStringLiteral("テンドン\n弾性係数\n(kN/mm2)"), 10,
            [](P, A a) { return entered(a.Material.TendonModulus, "0.00"); } },
        { QStringLiteral("ジャッキ名称"), 18, [](P, A a) { return text(a.Jack.JackName); } },
        { QStringLiteral("測定者"), 12, [](P, A a) { return text(a.Measurer); } },
        { QStringLiteral("注入年月日"), 12, [](P, A a) { return text(a.GroutDate); } },
        { QStringLiteral("試験年月日"), 12, [](P, A a) { return text(a.TestDate); } },
    };
    return columns;
}

const std::vector<ListColumn>& basicColumns()
{
    using P = const Project&;
    using A = const AnchorRecord&;
    static const std::vector<ListColumn> columns {
        { QStringLiteral("アンカー名称"), 14, [](P, A a) { return text(a.AnchorNo); } },
        { QStringLiteral("試験区分"), 24,
            [](P p, A) { return text(categoryText(p.Settings.StandardEdition, p.TestCategory)); } },
        { QStringLiteral("周面摩擦抵抗\n(N/mm2)"), 12, [](P, A a) { return entered(a.DesignSkinFriction, "0.00"); } },
        { QStringLiteral("削孔径\n(mm)"), 8, [](P, A a) { return whole(a.DrillDiameter); } },
        { QStringLiteral("計画最大荷重\n(kN)"), 12, [](P, A a) { return entered(a.Plan.PlannedMaxLoad, "0.00"); } },
        { QStringLiteral("定着地盤"), 12, [](P, A a) { return text(groundText(a.AnchorageGround)); } },
        { QStringLiteral("アンカー形式"), 18, [](P, A a) { return text(anchorTypeName(a.Tendon.AnchorTypeCode)); } },
        { QStringLiteral("アンカー種別"), 22, [](P, A a) { return text(a.Tendon.AnchorTypeName); } },
        { QStringLiteral("ジャッキ内\n(mm)"), 9, [](P, A a) { return whole(a.Tendon.ExtraLength); } },
        { QStringLiteral("アンカー体長\n(mm)"), 11, [](P, A a) { return whole(a.Tendon.AnchorLength); } },
    };
    return columns;
}

} // namespace

xlsx::Sheet measurementSheet(const AnchorRecord& a, const ExcelColumns& options)
{
    const std::vector<const ReadingColumn*> columns = chosenColumns(options);
    xlsx::Sheet sheet;
    sheet.name = MeasurementSheetName;
    sheet.rows.push_back({ Cell::label(QStringLiteral("試験孔番")), text(a.AnchorNo) });
    sheet.rows.emplace_back();
    std::vector<Cell> headings { Cell::label(QStringLiteral("No")) };
    sheet.columnWidths.push_back(options.initialTension ? 15 : 6);
    for (const ReadingColumn* c : columns) {
        headings.push_back(Cell::label(c->heading));
        sheet.columnWidths.push_back(9);
    }
    sheet.headingRow = int(sheet.rows.size());
    sheet.rows.push_back(headings);

    const int rows = std::clamp(int(a.ReadingCount), 0, int(a.Readings.size()));
    const ReadingResult none { MissingValue, MissingValue, MissingValue, MissingValue, MissingValue, 0 };
    for (int i = 0; i < rows; ++i) {
        const std::size_t at = std::size_t(i);
        const ReadingResult& result = at < a.Evaluation.Results.size() ? a.Evaluation.Results[at] : none;
        sheet.rows.push_back(readingRow(i + 1, a.Readings[at], result, columns));
    }
    if (options.initialTension)
        sheet.rows.push_back(initialTensionRow(a, columns));
    return sheet;
}

xlsx::Sheet anchorListSheet(const Project& p)
{
    const std::vector<ListColumn>& columns = p.isBasic() ? basicColumns() : qualityColumns();
    xlsx::Sheet sheet;
    sheet.name = AnchorListSheetName;
    sheet.headingRow = 0;
    std::vector<Cell> headings;
    if (!p.isBasic()) {
        headings.push_back(Cell::label(QStringLiteral("No.")));
        sheet.columnWidths.push_back(5);
    }
    for (const ListColumn& c : columns) {
        headings.push_back(Cell::label(c.heading));
        sheet.columnWidths.push_back(c.width);
    }
    sheet.rows.push_back(headings);

    // Results such as the initial tension come from a fresh evaluation.
    auto addRow = [&](const AnchorRecord& stored, int number) {
        const AnchorRecord a = EvaluatedCopy(stored, p);
        std::vector<Cell> row;
        if (!p.isBasic())
            row.push_back(Cell::value(number, "0"));
        // An anchor without a name is an empty line of the list.
        if (!a.AnchorNo.isEmpty() || p.isBasic())
            for (const ListColumn& c : columns)
                row.push_back(c.value(p, a));
        sheet.rows.push_back(std::move(row));
    };
    if (p.isBasic())
        addRow(p.Record.WorkingAnchor, 1);
    else
        for (int i = 1; i <= std::min(p.anchorCount(), int(p.Record.Anchors.size())); ++i)
            addRow(p.Record.Anchors[std::size_t(i - 1)], i);
    return sheet;
}

bool WriteMeasurementWorkbook(
    const QString& path, const AnchorRecord& anchor, const EvaluationContext& context, const ExcelColumns& columns)
{
    AnchorRecord evaluated = anchor;
    EvaluateAnchor(evaluated, context);
    const QString title = anchor.AnchorNo.isEmpty() ? MeasurementSheetName
                                                    : MeasurementSheetName + QStringLiteral("　") + anchor.AnchorNo;
    return xlsx::writeWorkbook(path, measurementSheet(evaluated, columns), { title, {} });
}

QString workbookWriteFailureText(const QString& path)
{
    constexpr qint64 WorkbookBytes = 1024 * 1024; // a workbook of the program is well under this
    return writeProblemOf(path, WorkbookBytes) == WriteProblem::Other ? ExcelWriteFailedMessage
                                                                       : writeFailureText(path, WorkbookBytes, {});
}

bool WriteAnchorListWorkbook(const QString& path, const Project& p)
{
    const int last = p.isBasic() ? 1 : std::min(p.anchorCount(), int(p.Record.Anchors.size()));
    return xlsx::writeWorkbook(
        path, anchorListSheet(p), { documentTitle(AnchorListSheetName, p), anchorRangeSubject(p, 1, last) });
}

} // namespace tessaro
