#include "documents/CommonChapters.h"

#include "documents/DocumentInfo.h"
#include "documents/DocumentPages.h"
#include "documents/PlanReportTexts.h"
#include "documents/ReportForms.h"
#include "model/ProjectRecord.h"
#include "model/UserMessage.h"

namespace tessaro {
namespace {

const QString SketchCaption = QStringLiteral("【ジャッキの略図】");
// Free texts are set 10.5 pt and wrap in fields this wide.
constexpr double BodyPoints = 10.5;
constexpr int SummaryWidth = 17700;
// Without the sketch the equipment chapter ends below the three texts.
constexpr int EquipmentTextsHeight = 7700;

} // namespace

void startPlanReport(report::ReportEngine& engine, const Project& p, DocumentFamily family, int first, int last)
{
    engine.setFormName(forms::Hyoushi.path());
    engine.setCharOverFlow(1);
    engine.Start();
    engine.setTitle(documentTitle(planReportTitle(family), p));
    engine.setSubject(anchorRangeSubject(p, first, last));
}

void drawCover(report::ReportEngine& engine, const Project& p, DocumentFamily family, const DocumentInputs& in)
{
    const auto [prime, sub]
        = coverContractorLines(p.Record.PrimeContractor, p.Record.Subcontractor, in.subcontractorShown);
    engine.DrawForm(forms::Hyoushi.path(), 0,
        { { "MainTitle", planReportTitle(family) }, { "Kouji", in.worksNameOnCover ? p.Record.WorksName : QString() },
            { "Hizuke", in.date }, { "MotoKaisyamei", prime }, { "ShitaKaisyamei", sub } });
    engine.NewPage();
}

void drawGeneralRulesAndOutline(
    DocumentPages& pages, const Project& p, DocumentFamily family, const DocumentInputs& in, const QString& testName)
{
    pages.place(
        forms::Sousoku, { { "Sousoku", generalRulesSentence(planReportTitle(family), p.Record.WorksName, testName) } });
    static const char* names[OutlineItemCount] = { "Koujimei", "Basyo", "Kikan", "Sekou", "Sekininsya", "Mokuteki",
        "AnchorSekoukaisya", "sekoushi", "bunken", "softname" };
    report::Fields outline;
    for (int i = 0; i < OutlineItemCount; ++i)
        outline.insert(names[i], in.outline[std::size_t(i)]);
    pages.place(forms::Gaiyou, outline);
}

void drawEquipment(DocumentPages& pages, const forms::FormSpec& form, const DocumentInputs& in, const QString& sketch)
{
    report::Fields texts { { "Set", in.jack[0] }, { "Torituke", in.jack[1] }, { "Yuatu", in.jack[2] } };
    pages.space(ChapterGap);
    if (!in.sketchShown) {
        pages.place(form, texts, {}, EquipmentTextsHeight);
        return;
    }
    texts.insert("ZuMidashi", SketchCaption);
    pages.place(form, texts, sketch.isEmpty() ? report::Fields {} : report::Fields { { "Zu", sketch } });
}

PreparedSketch sketchOf(const DocumentInputs& in)
{
    if (!in.sketchShown)
        return {};
    PreparedSketch sketch = prepareSketch(in.sketchPath);
    if (sketch.state != SketchState::Usable)
        showMessage(sketchNotice(sketch.state), MsgIcon::Information);
    return sketch;
}

int summaryHeight(const QString& text)
{
    // The heading and its rule take 1000 above the text.
    return 1000 + (text.isEmpty() ? 0 : wrappedTextHeight(text, SummaryWidth, BodyPoints)) + 600;
}

} // namespace tessaro
