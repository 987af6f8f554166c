#include "documents/JackSketch.h"

#include "model/AppPaths.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSvgRenderer>

namespace tessaro {
namespace {

const QString SketchCopy = QStringLiteral("TmpJakkiZu.png");
const QString LeftBlank = QStringLiteral("ジャッキの略図は空白で出力します。");

bool isSvg(const QString& path)
{
    return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

// Reads the picture at a size within ScaledSketchSide; a null image when it cannot.
QImage readScaled(QImageReader& reader, const QSize& size)
{
    const QSize target = size.scaled(ScaledSketchSide, ScaledSketchSide, Qt::KeepAspectRatio);
    if (reader.supportsOption(QImageIOHandler::ScaledSize)) {
        reader.setScaledSize(target);
        return reader.read();
    }
    const QImage whole = reader.read();
    return whole.isNull() ? whole : whole.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// A sketch that is not printed, and why.
PreparedSketch leftOut(SketchState state)
{
    return { state, QString(), false };
}

} // namespace

PreparedSketch prepareSketch(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return leftOut(SketchState::Missing);
    if (isSvg(path)) {
        if (!QSvgRenderer(path).isValid())
            return leftOut(SketchState::Unreadable);
        return { SketchState::Usable, path, false };
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid() || size.isEmpty())
        return leftOut(SketchState::Unreadable);
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels <= LargestDirectSketch)
        return { SketchState::Usable, path, false };
    if (!reader.supportsOption(QImageIOHandler::ScaledSize) && pixels > LargestDecodedSketch)
        return leftOut(SketchState::TooLarge);
    const QImage scaled = readScaled(reader, size);
    const QString copy = paths::data(SketchCopy);
    if (scaled.isNull() || !scaled.save(copy, "PNG"))
        return leftOut(SketchState::TooLarge);
    return { SketchState::Usable, copy, true };
}

bool isSketchFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    if (isSvg(path))
        return QSvgRenderer(path).isValid();
    QImageReader reader(path);
    return reader.canRead() && reader.size().isValid();
}

QString sketchNotice(SketchState state)
{
    switch (state) {
    case SketchState::Usable:
        return {};
    case SketchState::Missing:
        return QStringLiteral("ジャッキの略図ファイルが存在しませんでした。") + LeftBlank;
    case SketchState::Unreadable:
        return QStringLiteral("ジャッキの略図ファイルを画像として読み込めませんでした。") + LeftBlank;
    case SketchState::TooLarge:
        return QStringLiteral("ジャッキの略図の画像が大きすぎるため、読み込めませんでした。") + LeftBlank;
    }
    return {};
}

} // namespace tessaro
