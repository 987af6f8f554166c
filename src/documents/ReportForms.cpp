#include "documents/ReportForms.h"

#include "model/AppPaths.h"

namespace tessaro::forms {
namespace {
const QStringList ItemFields { "Koujimei", "AncNo", "Sokuteisya", "KintyouBi", "TyuunyuBi", "Syubetu", "Jiyuutyou",
    "Anctaityou", "Jiyuu" };
const QStringList RowFields { "No", "KeikaJikan", "Gauge", "Kajyuu", "Cicle", "SokuteiNo1", "SokuteiNo2", "Nobi",
    "SyokitiNo1", "SyokitiNo2" };
} // namespace

QString FormSpec::path() const
{
    return paths::resource(QStringLiteral("Report/") + file);
}

const FormSpec Title { "Title.jfm", { "Title" }, {} };
const FormSpec Page { "Page.jfm", { "Page" }, {} };

const FormSpec DataSheetKoumoku { "DataSheetKoumoku.jfm", ItemFields, {} };
const FormSpec DataSheetKoumoku2 { "DataSheetKoumoku2.jfm", ItemFields + QStringList { "Teityakuji", "MPa", "Bikou" },
    {} };
const FormSpec InputDataSheetTitle { "InputDataSheetTitle.jfm", {}, {} };
const FormSpec InputDataSheetGyou { "InputDataSheetGyou.jfm", RowFields + QStringList { "Time" }, {} };
const FormSpec InDatSTTitleNoTime { "InDatSTTitleNoTime.jfm", {}, {} };
const FormSpec InDatSTGyouNoTime { "InDatSTGyouNoTime.jfm", RowFields, {} };
const FormSpec InputDataSheetBar { "InputDataSheetBar.jfm", {}, {} };

const std::vector<const FormSpec*>& allForms()
{
    static const std::vector<const FormSpec*> all {
        &Title,
        &Page,
        &DataSheetKoumoku,
        &DataSheetKoumoku2,
        &InputDataSheetTitle,
        &InputDataSheetGyou,
        &InDatSTTitleNoTime,
        &InDatSTGyouNoTime,
        &InputDataSheetBar,
    };
    return all;
}

} // namespace tessaro::forms
