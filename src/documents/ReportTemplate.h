#pragma once
// A report template (.jfm): the static texts, rules, boxes and the named text
// and image fields of one block of a printed page. Geometry is in 0.01 mm; the
// horizontal positions are measured from the page's left edge, the vertical ones
// from the top margin the block is drawn at. The file format is described in
// docs/report-templates.md.

#include <QColor>
#include <QLine>
#include <QPageLayout>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tessaro::report {

// A4 in engine units (0.01 mm).
inline constexpr int PageWidth = 21000;
inline constexpr int PageHeight = 29700;

enum class FontFace { Mincho, Gothic };

// What a field does with a text that does not fit (when overflow handling is on).
enum class Overflow { Shrink, Wrap, Clip };

struct TextStyle {
    FontFace face = FontFace::Mincho;
    double size = 9.0; // points
    bool bold = false;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    Overflow overflow = Overflow::Shrink;
    QColor color = Qt::black;
    int padding = 80; // inset from the left and right edges
};

struct TemplateItem {
    enum Kind { Line, Box, Text, Field, Image };
    Kind kind = Line;
    QLine line; // Line
    QRect rect; // Box, Text, Field, Image
    int lineWidth = 0; // Line, Box (0: a box without border)
    Qt::PenStyle penStyle = Qt::SolidLine;
    QColor fill; // Box; invalid = no fill
    TextStyle style; // Text, Field
    QString text; // Text: the text; Field, Image: the field's name
};

struct ReportTemplate {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int height = 0; // the block's height: blocks below it start this far down
    std::vector<TemplateItem> items;
    QStringList fieldNames; // the text fields, each once
    QStringList imageNames; // the image fields, each once
};

// Reads a template file. On failure returns nothing and says why in *error.
std::optional<ReportTemplate> loadTemplate(const QString& path, QString* error);

} // namespace tessaro::report
