#include "documents/ReportTemplate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tessaro::report {
namespace {

const QString FormatName = QStringLiteral("tessaro-report-template");
constexpr int FormatVersion = 1;

// Thrown inside the reader only; loadTemplate turns it into its error text.
struct TemplateError {
    QString text;
};

int requiredInt(const QJsonObject& o, const char* key)
{
    QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble())
        throw TemplateError { QStringLiteral("\"%1\" must be a number").arg(key) };
    return v.toInt();
}

QString requiredString(const QJsonObject& o, const char* key)
{
    QJsonValue v = o.value(QLatin1String(key));
    if (!v.isString())
        throw TemplateError { QStringLiteral("\"%1\" must be a text").arg(key) };
    return v.toString();
}

// Looks a keyword up in a table of (word, value); an unknown word is an error.
template <class T, std::size_t N>
T keyword(const QJsonObject& o, const char* key, const std::pair<const char*, T> (&table)[N], T fallback)
{
    QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return fallback;
    for (const auto& [word, value] : table)
        if (v.toString() == QLatin1String(word))
            return value;
    throw TemplateError { QStringLiteral("unknown %1 \"%2\"").arg(key, v.toString()) };
}

QColor color(const QJsonObject& o, const char* key, QColor fallback)
{
    QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined())
        return fallback;
    QColor c = QColor::fromString(v.toString());
    if (!c.isValid())
        throw TemplateError { QStringLiteral("\"%1\" is not a colour").arg(key) };
    return c;
}

// Attributes an item may give or inherit from the template's "defaults".
struct Defaults {
    TextStyle style;
    int lineWidth = 15;
    Qt::PenStyle penStyle = Qt::SolidLine;
};

TextStyle readStyle(const QJsonObject& o, const TextStyle& base)
{
    static const std::pair<const char*, FontFace> faces[]
        = { { "mincho", FontFace::Mincho }, { "gothic", FontFace::Gothic } };
    static const std::pair<const char*, Qt::Alignment> aligns[]
        = { { "left", Qt::AlignLeft }, { "center", Qt::AlignHCenter }, { "right", Qt::AlignRight } };
    static const std::pair<const char*, Qt::Alignment> valigns[]
        = { { "top", Qt::AlignTop }, { "center", Qt::AlignVCenter }, { "bottom", Qt::AlignBottom } };
    static const std::pair<const char*, Overflow> overflows[]
        = { { "shrink", Overflow::Shrink }, { "wrap", Overflow::Wrap }, { "clip", Overflow::Clip } };

    TextStyle s = base;
    s.face = keyword(o, "font", faces, base.face);
    s.size = o.value("size").toDouble(base.size);
    if (s.size <= 0)
        throw TemplateError { QStringLiteral("\"size\" must be positive") };
    s.bold = o.value("bold").toBool(base.bold);
    s.align = keyword(o, "align", aligns, base.align & Qt::AlignHorizontal_Mask)
        | keyword(o, "valign", valigns, base.align & Qt::AlignVertical_Mask);
    s.overflow = keyword(o, "overflow", overflows, base.overflow);
    s.color = color(o, "color", base.color);
    s.padding = o.value("padding").toInt(base.padding);
    return s;
}

Qt::PenStyle penStyle(const QJsonObject& o, Qt::PenStyle fallback)
{
    static const std::pair<const char*, Qt::PenStyle> styles[]
        = { { "solid", Qt::SolidLine }, { "dash", Qt::DashLine }, { "dot", Qt::DotLine } };
    return keyword(o, "style", styles, fallback);
}

QRect rectOf(const QJsonObject& o)
{
    QRect r(requiredInt(o, "x"), requiredInt(o, "y"), requiredInt(o, "w"), requiredInt(o, "h"));
    if (r.width() <= 0 || r.height() <= 0)
        throw TemplateError { QStringLiteral("\"w\" and \"h\" must be positive") };
    return r;
}

TemplateItem readItem(const QJsonObject& o, const Defaults& d)
{
    static const std::pair<const char*, TemplateItem::Kind> kinds[]
        = { { "line", TemplateItem::Line }, { "box", TemplateItem::Box }, { "text", TemplateItem::Text },
              { "field", TemplateItem::Field }, { "image", TemplateItem::Image } };
    if (!o.contains("type"))
        throw TemplateError { QStringLiteral("an item has no \"type\"") };
    TemplateItem item;
    item.kind = keyword(o, "type", kinds, TemplateItem::Line);
    item.lineWidth = o.value("width").toInt(d.lineWidth);
    item.penStyle = penStyle(o, d.penStyle);
    switch (item.kind) {
    case TemplateItem::Line:
        item.line = QLine(requiredInt(o, "x1"), requiredInt(o, "y1"), requiredInt(o, "x2"), requiredInt(o, "y2"));
        break;
    case TemplateItem::Box:
        item.rect = rectOf(o);
        item.fill = color(o, "fill", QColor());
        break;
    case TemplateItem::Text:
        item.rect = rectOf(o);
        item.style = readStyle(o, d.style);
        item.text = requiredString(o, "text");
        break;
    case TemplateItem::Field:
        item.rect = rectOf(o);
        item.style = readStyle(o, d.style);
        item.text = requiredString(o, "name");
        break;
    case TemplateItem::Image:
        item.rect = rectOf(o);
        item.text = requiredString(o, "name");
        break;
    }
    return item;
}

ReportTemplate readTemplate(const QJsonObject& root)
{
    if (root.value("format").toString() != FormatName)
        throw TemplateError { QStringLiteral("not a report template (\"format\" must be \"%1\")").arg(FormatName) };
    if (root.value("version").toInt() != FormatVersion)
        throw TemplateError { QStringLiteral("unsupported template version") };
    static const std::pair<const char*, QPageLayout::Orientation> orientations[]
        = { { "portrait", QPageLayout::Portrait }, { "landscape", QPageLayout::Landscape } };

    ReportTemplate t;
    t.orientation = keyword(root, "orientation", orientations, QPageLayout::Portrait);
    t.height = requiredInt(root, "height");
    QJsonObject defaults = root.value("defaults").toObject();
    Defaults d;
    d.style = readStyle(defaults, d.style);
    d.lineWidth = defaults.value("lineWidth").toInt(d.lineWidth);
    d.penStyle = penStyle(defaults, d.penStyle);
    const QJsonArray items = root.value("items").toArray();
    for (int i = 0; i < items.size(); ++i) {
        try {
            t.items.push_back(readItem(items[i].toObject(), d));
            const TemplateItem& item = t.items.back();
            QStringList* names = item.kind == TemplateItem::Field ? &t.fieldNames
                : item.kind == TemplateItem::Image                ? &t.imageNames
                                                                  : nullptr;
            if (names && !names->contains(item.text))
                *names << item.text;
        }
        catch (const TemplateError& e) {
            throw TemplateError { QStringLiteral("item %1: %2").arg(i + 1).arg(e.text) };
        }
    }
    return t;
}

} // namespace

std::optional<ReportTemplate> loadTemplate(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QJsonParseError parse;
    QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parse);
    if (!doc.isObject()) {
        *error = QStringLiteral("%1: %2").arg(path, parse.errorString());
        return std::nullopt;
    }
    try {
        return readTemplate(doc.object());
    }
    catch (const TemplateError& e) {
        *error = QStringLiteral("%1: %2").arg(path, e.text);
        return std::nullopt;
    }
}

} // namespace tessaro::report
