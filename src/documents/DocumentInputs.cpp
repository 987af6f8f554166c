#include "documents/DocumentInputs.h"

#include "model/ProjectRecord.h"
#include "planning/AnchorParticulars.h"

namespace tessaro {
namespace {

// The two directions of the one mapping: records to inputs and back. A flag
// of the records is 1 when set (older files wrote −1, which reads as set too).
struct ToInputs {
    void operator()(const QString& record, QString& input) const { input = record; }
    void operator()(const std::int16_t& record, bool& input) const { input = record != 0; }
    void operator()(const std::int32_t& record, int& input) const { input = std::max(0, int(record)); }
};
struct ToRecords {
    void operator()(QString& record, const QString& input) const { record = input; }
    void operator()(std::int16_t& record, const bool& input) const { record = input ? 1 : 0; }
    void operator()(std::int32_t& record, const int& input) const { record = input; }
};

// What every family keeps alike: the outline page, the cover, the jack page
// and the summary, in the parts the long and the short record share.
template <class Fields, class Text, class Inputs, class Bind>
void bindCommon(Fields& f, Text& text, Inputs& in, Bind bind)
{
    for (std::size_t i = 0; i < f.Outline.size(); ++i)
        bind(f.Outline[i], in.outline[i]);
    for (std::size_t i = 0; i < text.Texts.size(); ++i)
        bind(text.Texts[i], in.outline[f.Outline.size() + i]);
    bind(f.Title.Text, in.date);
    bind(f.Title.Flag, in.worksNameOnCover);
    bind(text.Flag1, in.subcontractorShown);
    bind(text.Flag2, in.lockOffFormulaShown);
    for (std::size_t i = 0; i < in.jack.size(); ++i)
        bind(f.Sign.Texts[i], in.jack[i]);
    bind(f.Sign.Flag, in.sketchShown);
    bind(f.Sign.Text, in.sketchPath);
    bind(f.Closing, in.summary);
}

// The pages of the basic investigation: the test anchor, its construction and
// the work steps.
template <class Fields, class Inputs, class Bind> void bindBasic(Fields& f, Inputs& in, Bind bind)
{
    bind(f.Party.Value, in.boreDiameter);
    bind(f.Party.Texts[0], in.drillingAngle);
    bind(f.Party.Texts[1], in.tendonName);
    bind(f.Party.Texts[2], in.tendonDescription);
    auto& c = f.Content;
    bind(c.Text1, in.machine);
    bind(c.Text2, in.groutingMethod);
    bind(c.Pair1[0], in.tendon);
    bind(c.Pair1[1], in.ratio);
    bind(c.Pair2[0], in.groutMaterial);
    bind(c.Pair2[1], in.mix);
    for (std::size_t r = 0; r < in.mixTable.size(); ++r) {
        bind(c.List1[r], in.mixTable[r].material);
        bind(c.List2[r], in.mixTable[r].standard);
        bind(c.List3[r], in.mixTable[r].perCubicMetre);
        bind(c.List4[r], in.mixTable[r].perBatch);
    }
    for (std::size_t i = 0; i < in.steps.size(); ++i)
        bind(f.Procedure[i], in.steps[i]);
}

template <class P> auto& familyText(P& p, DocumentFamily family)
{
    return p.Settings.Header.DocumentTexts[std::size_t(familyIndex(family))];
}

// Binds the inputs to the family's records, in the direction of `bind`.
template <class P, class Inputs, class Bind> void bindFamily(P& p, DocumentFamily family, Inputs& in, Bind bind)
{
    auto& text = familyText(p, family);
    withFamilyFields(p.Record.Documents, family, [&](auto& fields) {
        bindCommon(fields, text, in, bind);
        if constexpr (std::is_same_v<std::remove_const_t<std::remove_reference_t<decltype(fields)>>,
                          DocumentFieldsLong>)
            bindBasic(fields, in, bind);
    });
}

// Copies one family's part of the settings over another's of the same record kind.
void copyFields(
    const DocumentSettings& fromSettings, DocumentFamily from, DocumentSettings& toSettings, DocumentFamily to)
{
    withFamilyFields(toSettings, to, [&](auto& target) {
        withFamilyFields(fromSettings, from, [&](const auto& source) {
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(source)>, std::remove_cvref_t<decltype(target)>>)
                target = source;
        });
    });
}

} // namespace

DocumentInputs documentInputs(const Project& p, DocumentFamily family)
{
    DocumentInputs in;
    bindFamily(p, family, in, ToInputs {});
    if (in.outline[0].isEmpty())
        in.outline[0] = p.Record.WorksName;
    if (isBasicFamily(family)) {
        const AnchorRecord& a = p.Record.WorkingAnchor;
        if (in.boreDiameter == 0)
            in.boreDiameter = std::max(0, int(a.DrillDiameter));
        if (in.tendonName.isEmpty())
            in.tendonName = productWithTendonKind(a);
    }
    return in;
}

void storeDocumentInputs(Project& p, DocumentFamily family, const DocumentInputs& inputs)
{
    bindFamily(p, family, inputs, ToRecords {});
}

void copyFamilyFields(const DocumentSettings& from, DocumentSettings& to, DocumentFamily family)
{
    copyFields(from, family, to, family);
}

void copyFamilyTexts(Project& p, DocumentFamily from, DocumentFamily to)
{
    if (isBasicFamily(from) != isBasicFamily(to) || from == to)
        return;
    copyFields(p.Record.Documents, from, p.Record.Documents, to);
    familyText(p, to) = familyText(p, from);
}

} // namespace tessaro
