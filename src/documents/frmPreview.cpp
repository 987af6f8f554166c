#include "documents/frmPreview.h"

#include "documents/ReportEngine.h"
#include "model/UserMessage.h"
#include "ui/FileDialogs.h"
#include "ui/Modal.h"
#include "ui/WindowParts.h"

#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QVBoxLayout>

namespace tessaro {
namespace {

// Pages go to the printer as bitmaps of at most this resolution: sharp text and
// rules on paper, and an A4 page stays near 35 MB while it is sent.
constexpr int PrintDotsPerInch = 300;
// Problems listed in the message before a preview; the first ones tell the story.
constexpr int MaxProblemsShown = 10;

// A printer that fails part-way ends the printing quietly: the user sees the
// printer's own report.
void printPages(QPdfDocument& document, QPrinter& printer)
{
    int from = printer.fromPage();
    int to = printer.toPage();
    if (from == 0) {
        from = 1;
        to = document.pageCount();
    }
    QPainter painter;
    for (int page = from; page <= to; ++page) {
        QSizeF points = document.pagePointSize(page - 1);
        printer.setPageOrientation(points.width() > points.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
        if (page == from) {
            if (!painter.begin(&printer))
                return;
        }
        else if (!printer.newPage()) {
            return;
        }
        int dpi = std::min(printer.resolution(), PrintDotsPerInch);
        QImage image = document.render(page - 1, (points * dpi / 72.0).toSize());
        painter.drawImage(QRectF(printer.pageLayout().fullRectPixels(printer.resolution())), image);
    }
    painter.end();
}

bool copyFile(const QString& from, const QString& to)
{
    QFile in(from);
    QSaveFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    while (!in.atEnd())
        if (out.write(in.read(1 << 20)) < 0)
            return false;
    return out.commit();
}

} // namespace

frmPreview::frmPreview(const QString& pdfFile, const QString& saveName, QWidget* parent)
    : QDialog(parent)
    , file_(pdfFile)
    , saveName_(saveName)
{
    setObjectName("frmPreview");
    setWindowTitle(QStringLiteral("印刷プレビュー"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1000, 720);

    document_ = new QPdfDocument(this);
    document_->load(file_);
    view_ = new QPdfView(this);
    view_->setObjectName("JiveViewCtrl1");
    view_->setPageMode(QPdfView::PageMode::SinglePage);
    view_->setDocument(document_);
    view_->viewport()->installEventFilter(this);

    top_ = ui::commandButton(this, "CmdTop", QStringLiteral("先頭"));
    prev_ = ui::commandButton(this, "cmdPrev", QStringLiteral("前ページ"));
    next_ = ui::commandButton(this, "cmdNext", QStringLiteral("次ページ"));
    last_ = ui::commandButton(this, "CmdLast", QStringLiteral("最終"));
    prev_->setShortcut(QKeySequence(Qt::Key_PageUp));
    next_->setShortcut(QKeySequence(Qt::Key_PageDown));
    lblPage_ = new QLabel(this);
    lblPage_->setObjectName("lblPage");
    lblPage_->setAlignment(Qt::AlignCenter);
    lblPage_->setMinimumWidth(90);
    scale_ = new QComboBox(this);
    scale_->setObjectName("cboScale");
    scale_->addItems({ QStringLiteral("150%"), QStringLiteral("100%"), QStringLiteral("75%"), QStringLiteral("50%"),
        QStringLiteral("25%"), QStringLiteral("ページ幅を基準に"), QStringLiteral("ページ全体") });
    scale_->setCurrentIndex(Zoom100);
    auto* print = ui::commandButton(this, "cmdPrint", QStringLiteral("印刷..."));
    auto* save = ui::commandButton(this, "CmdSave", QStringLiteral("PDF保存..."));
    auto* close = ui::commandButton(this, "CmdClose", QStringLiteral("閉じる"));

    auto* bar = new QHBoxLayout;
    for (QWidget* w : { static_cast<QWidget*>(top_), static_cast<QWidget*>(prev_), static_cast<QWidget*>(lblPage_),
             static_cast<QWidget*>(next_), static_cast<QWidget*>(last_) })
        bar->addWidget(w);
    bar->addSpacing(16);
    bar->addWidget(new QLabel(QStringLiteral("倍率"), this));
    bar->addWidget(scale_);
    bar->addStretch();
    bar->addWidget(print);
    bar->addWidget(save);
    bar->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);

    connect(top_, &QPushButton::clicked, this, [this] { setPage(1); });
    connect(prev_, &QPushButton::clicked, this, [this] { setPage(page() - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { setPage(page() + 1); });
    connect(last_, &QPushButton::clicked, this, [this] { setPage(lastPage()); });
    connect(scale_, &QComboBox::currentIndexChanged, this, &frmPreview::applyZoom);
    connect(print, &QPushButton::clicked, this, &frmPreview::print);
    connect(save, &QPushButton::clicked, this, &frmPreview::saveAs);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // The page label follows every page change, also those made in the view.
    connect(view_->pageNavigator(), &QPdfPageNavigator::currentPageChanged, this, [this] {
        refreshPage();
        if (scale_->currentIndex() >= ZoomPageWidth)
            applyZoom();
    });
    applyZoom();
    refreshPage();
}

frmPreview::~frmPreview()
{
    QFile::remove(file_);
}

void frmPreview::ShowForm(QWidget* parent, const QString& pdfFile, const QString& saveName, int zoom)
{
    frmPreview preview(pdfFile, saveName, parent);
    preview.setZoom(zoom);
    ui::execModal(preview);
}

int frmPreview::lastPage() const
{
    return std::max(1, document_->pageCount());
}

int frmPreview::page() const
{
    return std::clamp(view_->pageNavigator()->currentPage() + 1, 1, lastPage());
}

void frmPreview::setPage(int page)
{
    page = std::clamp(page, 1, lastPage());
    if (document_->pageCount() > 0)
        view_->pageNavigator()->jump(page - 1, QPointF(), view_->zoomFactor());
    refreshPage();
}

void frmPreview::refreshPage()
{
    int current = page();
    lblPage_->setText(QString::number(current) + "/" + QString::number(lastPage()));
    top_->setEnabled(current > 1);
    prev_->setEnabled(current > 1);
    next_->setEnabled(current < lastPage());
    last_->setEnabled(current < lastPage());
}

void frmPreview::setZoom(int index)
{
    scale_->setCurrentIndex(index);
}

double frmPreview::zoomFactor() const
{
    return view_->zoomFactor();
}

void frmPreview::applyZoom()
{
    static const double fixed[] = { 1.5, 1.0, 0.75, 0.5, 0.25 };
    int index = scale_->currentIndex();
    double factor = 1.0;
    if (index >= Zoom150 && index <= Zoom25) {
        factor = fixed[index];
    }
    else {
        // Fit the page as it lies: a landscape page is fitted by its landscape width.
        QSizeF points = document_->pageCount() > 0 ? document_->pagePointSize(page() - 1) : QSizeF(595, 842);
        QScreen* screen = QGuiApplication::primaryScreen();
        double pixelsPerPoint = (screen ? screen->logicalDotsPerInch() : 96.0) / 72.0;
        QMargins margins = view_->documentMargins();
        QSize room = view_->viewport()->size().shrunkBy(margins) - QSize(0, view_->pageSpacing());
        factor = room.width() / (points.width() * pixelsPerPoint);
        if (index == ZoomWholePage)
            factor = std::min(factor, room.height() / (points.height() * pixelsPerPoint));
        factor = std::max(factor, 0.05);
    }
    view_->setZoomMode(QPdfView::ZoomMode::Custom);
    view_->setZoomFactor(factor);
}

bool frmPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_->viewport() && event->type() == QEvent::Resize && scale_->currentIndex() >= ZoomPageWidth)
        applyZoom();
    return QDialog::eventFilter(watched, event);
}

void frmPreview::print()
{
    setPage(1);
    setZoom(Zoom100);
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setCopyCount(1);
    printer.setDocName(saveName_.isEmpty() ? QStringLiteral("Tessaro") : saveName_);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName("PrintDialog");
    dialog.setMinMax(1, lastPage());
    if (ui::execModal(dialog) != QDialog::Accepted || document_->pageCount() == 0)
        return;
    printPages(*document_, printer);
}

void frmPreview::saveAs()
{
    QString target = ui::getSaveFileName(
        this, QStringLiteral("PDFファイルの保存"), QStringLiteral("PDFファイル (*.pdf)|*.pdf|"), saveName_);
    if (target.isEmpty())
        return;
    if (QFileInfo(target).suffix().compare("pdf", Qt::CaseInsensitive) != 0)
        target += ".pdf";
    if (!copyFile(file_, target))
        showMessage(QStringLiteral("ファイルを保存できませんでした。") + "\n" + target, MsgIcon::Exclamation);
}

void frmPreview::done(int result)
{
    document_->close();
    QFile::remove(file_);
    QDialog::done(result);
}

void previewDocument(QWidget* parent, const report::ReportEngine& engine, bool ended, const QString& saveName, int zoom)
{
    if (!ended) {
        showMessage(QStringLiteral("印刷用のファイルを作成できませんでした。") + "\n" + engine.problems().join("\n"),
            MsgIcon::Exclamation);
        return;
    }
    // A missing template or picture leaves its part of the page empty: say so
    // before the user hands the document on.
    if (!engine.problems().isEmpty())
        showMessage(QStringLiteral("帳票の作成中に次の問題がありました。") + "\n\n"
                + engine.problems().mid(0, MaxProblemsShown).join("\n"),
            MsgIcon::Exclamation);
    frmPreview::ShowForm(parent, engine.outputFile(), saveName, zoom);
}

} // namespace tessaro
