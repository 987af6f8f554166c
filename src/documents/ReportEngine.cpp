#include "documents/ReportEngine.h"

#include "documents/DocumentInfo.h"
#include "documents/FormPainter.h"
#include "documents/PdfFile.h"
#include "documents/PrintFonts.h"
#include "model/AppPaths.h"

#include <QFileInfo>
#include <QHashFunctions>
#include <QPainter>
#include <QPdfWriter>

namespace tessaro::report {

// The open PDF and the painter drawing its pages.
struct ReportEngine::Output {
    explicit Output(const QString& path)
        : file(path)
        , writer(&file)
    {
    }
    ~Output()
    {
        forms.reset();
        if (painter.isActive())
            painter.end();
    }
    PdfFile file;
    QPdfWriter writer;
    QPainter painter;
    std::unique_ptr<FormPainter> forms;
};

namespace {
// One engine unit per device pixel: 2540 dots per inch = 0.01 mm per dot.
constexpr int UnitsPerInch = 2540;

QPageLayout a4(QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(0, 0, 0, 0));
}
} // namespace

ReportEngine::ReportEngine(const QString& outputFile)
    : outputFile_(outputFile)
{
}
ReportEngine::~ReportEngine() = default;

QString ReportEngine::defaultOutputFile()
{
    return paths::data(QStringLiteral("TempPreview.pdf"));
}

void ReportEngine::problem(const QString& text)
{
    if (!problems_.contains(text))
        problems_ << text;
}

const ReportTemplate* ReportEngine::form(const QString& path)
{
    auto it = forms_.find(path);
    if (it == forms_.end()) {
        QString error;
        it = forms_.emplace(path, loadTemplate(path, &error)).first;
        if (!it->second)
            problem(QStringLiteral("帳票テンプレートを読み込めません：") + error);
    }
    return it->second ? &*it->second : nullptr;
}

void ReportEngine::setFormName(const QString& path)
{
    formName_ = path;
    texts_.clear();
    images_.clear();
    pictures_.clear();
}

void ReportEngine::Start()
{
    out_.reset();
    problems_.clear();
    pages_ = 0;
    pageOpen_ = false;
    texts_.clear();
    images_.clear();
    pictures_.clear();
    if (outputFile_.isEmpty())
        return;
    for (const QString& font : missingPrintFonts())
        problem(QStringLiteral("印刷用のフォントを読み込めません：") + font);
    // The PDF writer lists its fonts in the order of a hash table, which is
    // seeded at random unless told otherwise.
    if (reproducibleDocuments())
        QHashSeed::setDeterministicGlobalSeed();
    out_ = std::make_unique<Output>(outputFile_);
    if (!out_->file.begin()) {
        problem(QStringLiteral("印刷用のファイルを書き込めません：%1 (%2)").arg(outputFile_, out_->file.errorString()));
        out_.reset();
        return;
    }
    out_->writer.setResolution(UnitsPerInch);
    out_->writer.setPageLayout(a4(QPageLayout::Portrait));
    out_->writer.setCreator(documentCreator());
}

void ReportEngine::SetFieldText(const QString& field, const QString& text)
{
    texts_.insert(field, text);
}

void ReportEngine::SetFieldImage(const QString& field, const QString& file)
{
    if (!QFileInfo::exists(file))
        problem(QStringLiteral("画像ファイルが見つかりません：") + file);
    images_.insert(field, file);
}

void ReportEngine::SetFieldPicture(const QString& field, Picture picture)
{
    images_.insert(field, picture.name);
    pictures_.insert(field, std::move(picture));
}

bool ReportEngine::beginPage(QPageLayout::Orientation orientation)
{
    if (!pageOpen_) {
        pageOpen_ = true;
        ++pages_;
        if (out_) {
            out_->writer.setPageLayout(a4(orientation));
            if (out_->painter.isActive())
                out_->writer.newPage();
            else if (!out_->painter.begin(&out_->writer))
                problem(QStringLiteral("印刷用のファイルを作成できません：") + outputFile_);
            else
                out_->forms = std::make_unique<FormPainter>(out_->painter);
        }
    }
    return out_ && out_->painter.isActive();
}

void ReportEngine::DrawForm(
    const QString& path, int top, const Fields& texts, const Fields& images, const Pictures& pictures)
{
    setTopMargin(top);
    setFormName(path);
    for (auto it = texts.begin(); it != texts.end(); ++it)
        SetFieldText(it.key(), it.value());
    for (auto it = images.begin(); it != images.end(); ++it)
        SetFieldImage(it.key(), it.value());
    for (auto it = pictures.begin(); it != pictures.end(); ++it)
        SetFieldPicture(it.key(), it.value());
    DrawForm();
}

void ReportEngine::DrawForm()
{
    const ReportTemplate* t = form(formName_);
    bool drawing = beginPage(t ? t->orientation : QPageLayout::Portrait);
    if (t) {
        for (auto it = texts_.cbegin(); it != texts_.cend(); ++it)
            if (!t->fieldNames.contains(it.key()))
                problem(QStringLiteral("帳票テンプレート %1 に項目 %2 がありません。")
                            .arg(QFileInfo(formName_).fileName(), it.key()));
        for (auto it = images_.cbegin(); it != images_.cend(); ++it)
            if (!t->imageNames.contains(it.key()))
                problem(QStringLiteral("帳票テンプレート %1 に画像項目 %2 がありません。")
                            .arg(QFileInfo(formName_).fileName(), it.key()));
        if (drawing)
            for (const QString& name :
                out_->forms->draw(*t, topMargin_, texts_, images_, pictures_, charOverFlow_ == 1))
                problem(QStringLiteral("図を描けません：") + name);
    }
    if (observer_)
        observer_({ pages_, QFileInfo(formName_).fileName(), topMargin_, texts_, images_ });
    texts_.clear();
    images_.clear();
    pictures_.clear();
}

void ReportEngine::NewPage()
{
    pageOpen_ = false;
}

bool ReportEngine::End()
{
    if (!out_)
        return outputFile_.isEmpty();
    if (!out_->painter.isActive() && !out_->painter.begin(&out_->writer))
        problem(QStringLiteral("印刷用のファイルを作成できません：") + outputFile_);
    if (out_->forms)
        for (const QString& file : out_->forms->unreadableImages())
            problem(QStringLiteral("画像ファイルを読み込めません：") + file);
    const bool painted = out_->painter.isActive() && out_->painter.end();
    const bool refused = requireComplete_ && !problems_.isEmpty();
    const bool ok = painted && !refused && out_->file.finish({ title_, subject_ });
    if (!ok) {
        out_->file.cancel();
        if (!refused)
            problem(
                QStringLiteral("印刷用のファイルを書き込めません：%1 (%2)").arg(outputFile_, out_->file.errorString()));
    }
    out_.reset();
    return ok;
}

} // namespace tessaro::report
