#include "documents/ResultListDocuments.h"

#include "documents/PrintModule.h"
#include "documents/ReportForms.h"
#include "evaluation/CycleEvaluation.h"
#include "model/ProjectRecord.h"
#include "planning/TestKinds.h"

#include <algorithm>

namespace tessaro {
namespace {

using report::Fields;
using report::ReportEngine;

constexpr int TitleTop = 1000;
constexpr int ListTitleTop = 2000;
constexpr int ListRowsTop = 4300;
constexpr int ListRowPitch = 550;
constexpr int DetailTitleTop = 1000;
constexpr int DetailColumnsTop = 4200;
constexpr int DetailRowsTop = 5400;
constexpr int DetailRowPitch = 500;
constexpr int MaxShortName = 10;

// The fields of a detail row in the order of resultDetailCells.
const QStringList DetailFields { "Cycle", "Kajyuu", "Nobi", "Riron", "Jyougen", "Kagen", "Sosei", "Dansei" };

QString listTitle(ResultsListKind kind)
{
    return kind == ResultsListKind::Creep ? QStringLiteral("試験結果一覧　荷重保持時の変位（クリープ）")
                                          : QStringLiteral("試験結果一覧　弾性変位量・塑性変位量");
}

void drawListHead(ReportEngine& engine, const Project& p, ResultsListKind kind)
{
    engine.DrawForm(forms::Title.path(), TitleTop, { { "Title", listTitle(kind) } });
    const forms::FormSpec& head
        = kind == ResultsListKind::Creep ? forms::KekkaItiranHeniTitle : forms::KekkaItiranTitle;
    engine.DrawForm(head.path(), ListTitleTop, { { "Koujimei", p.Record.WorksName } });
}

Fields detailRowFields(const AnchorRecord& a, int i)
{
    Fields f { { "No", QString::number(i) } };
    const auto cells = resultDetailCells(a, i);
    for (int c = 0; c < ResultDetailColumns; ++c)
        f.insert(DetailFields[c], cells[std::size_t(c)]);
    return f;
}

void drawDetailHead(ReportEngine& engine, const Project& p, const AnchorRecord& a)
{
    engine.DrawForm(forms::KekkaItiranSyousaiMainTitle.path(), DetailTitleTop,
        { { "Koujimei", p.Record.WorksName }, { "AncMeisyou", a.AnchorNo },
            { "Shikenmei", testKindText(p.Settings.StandardEdition, p.TestCategory, a.ConfirmationTest) },
            { "Hantei", resultDetailRemark(a) } });
    engine.DrawForm(forms::KekkaItiranSyousaiTitle.path(), DetailColumnsTop, {});
}

// One anchor's pages: every page headed by its title and column titles.
void drawDetail(ReportEngine& engine, const Project& p, const AnchorRecord& a)
{
    const int rows = std::min(EvaluatedRowCount(a), int(a.Evaluation.Results.size()));
    int top = DetailRowsTop;
    engine.NewPage();
    drawDetailHead(engine, p, a);
    for (int i = 1; i <= rows; ++i) {
        if ((i - 1) % ResultDetailRowsPerPage == 0 && i > 1) {
            PagePrint(engine, engine.MaxPage());
            engine.NewPage();
            drawDetailHead(engine, p, a);
            top = DetailRowsTop;
        }
        engine.DrawForm(forms::KekkaItiranSyousaiGyou.path(), top, detailRowFields(a, i));
        top += DetailRowPitch;
    }
    engine.DrawForm(forms::KekkaItiranSyousaiBar.path(), top, {});
    PagePrint(engine, engine.MaxPage());
}

} // namespace

QString anchorNameField(const QString& name)
{
    return name.size() > MaxShortName ? QStringLiteral("AncMeisyou20") : QStringLiteral("AncMeisyou");
}

Fields resultsRowFields(const ResultsRow& row, ResultsListKind kind)
{
    Fields f { { "No", QString::number(row.number) }, { anchorNameField(row.name), row.name },
        { "shikenmei", row.kind } };
    if (kind == ResultsListKind::Creep) {
        const CreepCells c = creepCells(row.creep);
        f.insert({ { "Type", c.type }, { "ta", c.ta }, { "tb", c.tb }, { "sa", c.sa }, { "sb", c.sb },
            { "Heniryou", c.value }, { "HeniHantei", c.limit }, { "Hantei", c.verdict } });
        return f;
    }
    f.insert(
        { { "SyokiKajyuu", resultsLoadText(row.initialLoad) }, { "SaidaiKajyuu", resultsLoadText(row.plannedMaxLoad) },
            { "Sosei", resultsValueText(row.permanent) }, { "Dansei", resultsValueText(row.elastic) },
            { "Riron", resultsValueText(row.theory) }, { "Jyougen", resultsValueText(row.upper) },
            { "Kagen", resultsValueText(row.lower) }, { "Hantei", row.verdict } });
    return f;
}

bool PrintKekka(ReportEngine& engine, const Project& p, const std::vector<ResultsRow>& rows, ResultsListKind kind)
{
    const forms::FormSpec& rowForm
        = kind == ResultsListKind::Creep ? forms::KekkaItiranHeniGyou : forms::KekkaItiranGyou;
    engine.setFormName(forms::Title.path());
    engine.setCharOverFlow(1);
    engine.Start();
    drawListHead(engine, p, kind);
    int top = ListRowsTop;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0 && i % ResultsListRowsPerPage == 0) {
            PagePrint(engine, engine.MaxPage());
            engine.NewPage();
            drawListHead(engine, p, kind);
            top = ListRowsTop;
        }
        engine.DrawForm(rowForm.path(), top, resultsRowFields(rows[i], kind));
        top += ListRowPitch;
    }
    engine.DrawForm(forms::KekkaItiranBar.path(), top, {});
    PagePrint(engine, engine.MaxPage());
    return engine.End();
}

bool PrintResultDetails(ReportEngine& engine, const Project& p, int first, int last)
{
    const int count = p.isBasic() ? 1 : std::min<int>(p.anchorCount(), int(p.Record.Anchors.size()));
    engine.setFormName(forms::KekkaItiranSyousaiMainTitle.path());
    engine.setCharOverFlow(1);
    engine.Start();
    for (int n = std::max(first, 1); n <= std::min(last, count); ++n) {
        const AnchorRecord& a = p.isBasic() ? p.Record.WorkingAnchor : p.Record.Anchors[std::size_t(n - 1)];
        drawDetail(engine, p, EvaluatedCopy(a, p));
    }
    return engine.End();
}

} // namespace tessaro
