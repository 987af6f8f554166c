#include "documents/PrintModule.h"

#include "documents/DocumentInfo.h"
#include "documents/ReportForms.h"
#include "evaluation/CycleEvaluation.h"
#include "model/NumberFormat.h"
#include "model/ProjectRecord.h"
#include "planning/AnchorParticulars.h"
#include "planning/TestKinds.h"

namespace tessaro {
namespace {

using report::ReportEngine;

// Vertical positions in 0.01 mm. The first page carries the title, the anchor's
// items and 30 rows; later pages the title, the column titles higher up and 40 rows.
constexpr int HeaderTop = 1000;
constexpr int ItemsTop = 2000;
constexpr int ColumnsTopBasic = 8000;
constexpr int ColumnsTopQuality = 8500;
constexpr int ContinuationColumnsTop = 2060;
constexpr int ContinuationRowBase = 3000;
constexpr int ColumnsToRowBase = 940;
constexpr int RowPitch = 550;

const QString Decimals = QStringLiteral("#####0.00");

// A reading value as printed: −99 (not measured) leaves the field empty.
QString decimal(float value)
{
    return isMissing(value) ? QString() : formatNumber(value, Decimals);
}

QString whole(int value)
{
    return isMissing(value) ? QString() : QString::number(value);
}

// Lengths of 0 have not been entered: an empty field rather than a false 0.
QString length(int mm)
{
    return mm > 0 ? QString::number(mm) : QString();
}

QString footer(const AnchorRecord* anchor, int page, int pages)
{
    QString count = QStringLiteral("%1 / %2").arg(page).arg(pages);
    if (!anchor || anchor->AnchorNo.isEmpty())
        return count;
    return QStringLiteral("アンカー孔番  ") + anchor->AnchorNo + QStringLiteral("　　") + count;
}

void drawPageHead(ReportEngine& engine, const QString& title, const QString& pageText)
{
    engine.DrawForm(forms::Title.path(), HeaderTop, { { QStringLiteral("Title"), title } });
    engine.DrawForm(forms::Page.path(), 0, { { QStringLiteral("Page"), pageText } });
}

QString lockOffText(const AnchorRecord& a)
{
    return QStringLiteral("初期緊張力  [荷重]  ")
        + (isMissing(a.JackingForce) ? QString() : formatNumber(a.JackingForce, "0.00"))
        + QStringLiteral(" (kN)   [ゲージ圧]  ")
        + (isMissing(a.JackingGauge) ? QString() : formatNumber(a.JackingGauge, "0.00")) + QStringLiteral(" (MPa)");
}

void drawItems(ReportEngine& engine, const Project& p, const AnchorRecord& a, const DataSheetOptions& options)
{
    const forms::FormSpec& items = p.isBasic() ? forms::DataSheetKoumoku : forms::DataSheetKoumoku2;
    engine.setTopMargin(ItemsTop);
    engine.setFormName(items.path());
    engine.SetFieldText(QStringLiteral("Koujimei"), p.Record.WorksName);
    engine.SetFieldText(QStringLiteral("AncNo"), a.AnchorNo);
    engine.SetFieldText(QStringLiteral("Sokuteisya"), a.Measurer);
    engine.SetFieldText(QStringLiteral("KintyouBi"), a.TestDate);
    engine.SetFieldText(QStringLiteral("TyuunyuBi"), a.GroutDate);
    engine.SetFieldText(QStringLiteral("Syubetu"), productWithTendonKind(a));
    engine.SetFieldText(QStringLiteral("Jiyuutyou"), length(a.Tendon.FreeLength));
    engine.SetFieldText(QStringLiteral("Anctaityou"), length(a.Tendon.AnchorLength));
    engine.SetFieldText(QStringLiteral("Jiyuu"), length(a.Tendon.TensionFreeLength));
    if (!p.isBasic()) {
        engine.SetFieldText(QStringLiteral("Teityakuji"), lockOffText(a));
        // The gauge pressures of the sheet are readings of this jack's gauge.
        engine.SetFieldText(QStringLiteral("MPa"), a.Jack.JackName);
        engine.SetFieldText(QStringLiteral("Bikou"), options.blankRemarks ? QString() : a.FinalVerdictText);
    }
    engine.DrawForm();
}

} // namespace

int dataSheetPageCount(int rows)
{
    if (rows <= DataSheetFirstPageRows)
        return 1;
    return 1 + (rows - DataSheetFirstPageRows + DataSheetPageRows - 1) / DataSheetPageRows;
}

int blankSheetRowCount(int sheets)
{
    return DataSheetFirstPageRows + (sheets - 1) * DataSheetPageRows;
}

int dataSheetRowCount(const AnchorRecord& anchor)
{
    return std::clamp(int(anchor.ReadingCount), 0, int(anchor.Readings.size()));
}

int dataSheetPageTotal(const Project& p, int first, int last)
{
    if (p.isBasic())
        return dataSheetPageCount(dataSheetRowCount(p.Record.WorkingAnchor));
    if (first < 1 || last > p.anchorCount() || last > int(p.Record.Anchors.size()) || first > last)
        return 0;
    int total = 0;
    for (int i = first; i <= last; ++i)
        total += dataSheetPageCount(dataSheetRowCount(p.Record.Anchors[std::size_t(i - 1)]));
    return total;
}

QString documentTestName(const Project& p, const AnchorRecord* anchor)
{
    const int edition = p.Settings.StandardEdition;
    if (!anchor)
        return QStringLiteral("アンカー試験");
    if (p.isBasic())
        return categoryText(edition, 0);
    if (edition == Edition2012)
        return kindText(edition, anchor->ConfirmationTest);
    return testKindDocumentText(edition, p.TestCategory, anchor->ConfirmationTest);
}

QString dataSheetTitle(const Project& p, const AnchorRecord* anchor)
{
    return documentTestName(p, anchor) + QStringLiteral("　データシート");
}

namespace PrintModule {

void FillRow(ReportEngine& engine, const Reading& r, int number, bool showTime)
{
    if (isMissing(r.ElapsedTime))
        return;
    engine.SetFieldText(QStringLiteral("No"), QString::number(number));
    if (showTime)
        engine.SetFieldText(QStringLiteral("Time"), r.ClockTime);
    engine.SetFieldText(QStringLiteral("KeikaJikan"), whole(r.Interval));
    engine.SetFieldText(QStringLiteral("Gauge"), decimal(r.GaugePressure));
    engine.SetFieldText(QStringLiteral("Kajyuu"), decimal(r.Load));
    engine.SetFieldText(QStringLiteral("Cicle"), r.Cycle > 0 ? QString::number(r.Cycle) : QString());
    engine.SetFieldText(QStringLiteral("SyokitiNo1"), decimal(r.InitialNo1));
    engine.SetFieldText(QStringLiteral("SokuteiNo1"), decimal(r.MeasuredNo1));
    engine.SetFieldText(QStringLiteral("SyokitiNo2"), decimal(r.InitialNo2));
    engine.SetFieldText(QStringLiteral("SokuteiNo2"), decimal(r.MeasuredNo2));
    engine.SetFieldText(QStringLiteral("Nobi"), decimal(r.Displacement));
}

int DrawAnchorPages(
    ReportEngine& engine, const Project& p, const AnchorRecord* anchor, int rows, const DataSheetOptions& options)
{
    const bool showTime = options.showTime && anchor;
    const bool blank = options.blankData || !anchor;
    const QString columns = (showTime ? forms::InputDataSheetTitle : forms::InDatSTTitleNoTime).path();
    const QString row = (showTime ? forms::InputDataSheetGyou : forms::InDatSTGyouNoTime).path();
    const QString title = dataSheetTitle(p, anchor);
    const int pages = dataSheetPageCount(rows);

    drawPageHead(engine, title, footer(anchor, 1, pages));
    if (anchor)
        drawItems(engine, p, *anchor, options);
    int columnsTop = anchor && !p.isBasic() ? ColumnsTopQuality : ColumnsTopBasic;
    engine.DrawForm(columns, columnsTop, {});

    int rowBase = columnsTop + ColumnsToRowBase;
    int page = 1;
    int onPage = 0;
    int capacity = DataSheetFirstPageRows;
    for (int number = 1; number <= rows; ++number) {
        if (onPage == capacity) {
            engine.NewPage();
            drawPageHead(engine, title, footer(anchor, ++page, pages));
            engine.DrawForm(columns, ContinuationColumnsTop, {});
            rowBase = ContinuationRowBase;
            onPage = 0;
            capacity = DataSheetPageRows;
        }
        ++onPage;
        engine.setTopMargin(rowBase + onPage * RowPitch);
        engine.setFormName(row);
        if (blank)
            engine.SetFieldText(QStringLiteral("No"), QString::number(number));
        else
            FillRow(engine, anchor->Readings[std::size_t(number - 1)], number, showTime);
        engine.DrawForm();
    }
    engine.DrawForm(forms::InputDataSheetBar.path(), rowBase + (onPage + 1) * RowPitch, {});
    engine.NewPage();
    return pages;
}

bool PrintDataSheets(ReportEngine& engine, const Project& p, int first, int last, const DataSheetOptions& options)
{
    engine.setFormName(forms::DataSheetKoumoku.path());
    engine.setCharOverFlow(1);
    engine.Start();
    // Each anchor prints from a working copy with its results prepared, so the
    // initial tension follows the set amount and lock-off load as they stand.
    QStringList titles;
    auto drawAnchor = [&](const AnchorRecord& stored) {
        const AnchorRecord a = EvaluatedCopy(stored, p);
        titles << dataSheetTitle(p, &a);
        DrawAnchorPages(engine, p, &a, dataSheetRowCount(a), options);
    };
    if (p.isBasic()) {
        drawAnchor(p.Record.WorkingAnchor);
        first = last = 1;
    }
    else {
        first = std::max(first, 1);
        last = std::min({ last, p.anchorCount(), int(p.Record.Anchors.size()) });
        for (int i = first; i <= last; ++i)
            drawAnchor(p.Record.Anchors[std::size_t(i - 1)]);
    }
    // Sheets of several test kinds together are data sheets of the works.
    titles.removeDuplicates();
    engine.setTitle(documentTitle(titles.size() == 1 ? titles[0] : QStringLiteral("データシート"), p));
    engine.setSubject(anchorRangeSubject(p, first, last));
    return engine.End();
}

bool PrintBlankDataSheets(ReportEngine& engine, int sheets)
{
    sheets = std::clamp(sheets, 1, MaxBlankSheets);
    engine.setFormName(forms::DataSheetKoumoku.path());
    engine.setCharOverFlow(1);
    engine.Start();
    engine.setTitle(dataSheetTitle(Project {}, nullptr));
    DrawAnchorPages(engine, Project {}, nullptr, blankSheetRowCount(sheets), {});
    return engine.End();
}

} // namespace PrintModule
} // namespace tessaro
