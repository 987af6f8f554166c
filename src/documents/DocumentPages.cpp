#include "documents/DocumentPages.h"

#include "documents/ReportForms.h"

#include <QStringList>
#include <cmath>

namespace tessaro {
namespace {

// Points to engine units (0.01 mm).
constexpr double UnitsPerPoint = 2540.0 / 72.0;
// Room lost to the line breaks that keep punctuation off the start of a line
// and to the field's padding.
constexpr double LineFill = 0.9;
// Lines of the print faces stand 1.2 em apart (their ascent and descent for
// Windows); a little more is allowed.
constexpr double LinePitch = 1.25;

} // namespace

DocumentPages::DocumentPages(report::ReportEngine& engine)
    : engine_(engine)
    , firstPage_(engine.MaxPage() + 1)
{
}

int DocumentPages::heightOf(const forms::FormSpec& form)
{
    const report::ReportTemplate* t = engine_.form(form.path());
    return t ? t->height : 0;
}

void DocumentPages::beginPage()
{
    engine_.NewPage();
    top_ = Top;
    open_ = true;
    PagePrint(engine_, engine_.MaxPage() + 1 - firstPage_ + 1);
}

void DocumentPages::makeRoom(int height)
{
    if (!open_ || (top_ + height > Bottom && top_ > Top))
        beginPage();
}

void DocumentPages::place(const forms::FormSpec& form, const report::Fields& texts, const report::Fields& images,
    int height, const report::Pictures& pictures)
{
    if (height < 0)
        height = heightOf(form);
    makeRoom(height);
    engine_.DrawForm(form.path(), top_, texts, images, pictures);
    top_ += height;
}

void DocumentPages::space(int height)
{
    if (open_ && top_ > Top)
        top_ = std::min(Bottom, top_ + height);
}

void DocumentPages::newPage()
{
    open_ = false;
}

void DocumentPages::beginWholePage()
{
    beginPage();
    open_ = false;
}

int wrappedTextHeight(const QString& text, int width, double points)
{
    const double em = points * UnitsPerPoint;
    const double perLine = std::max(1.0, std::floor(width * LineFill / em));
    int lines = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n')))
        lines += std::max(1, int(std::ceil(paragraph.size() / perLine)));
    return int(std::ceil(lines * em * LinePitch));
}

} // namespace tessaro
