#include "ui/DlgChartProperty.h"

#include "ui/Modal.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tessaro::ui {

// Family, size and weight of one chart text. The family changes only when the
// user picks another one, so a face missing on this machine is kept as it was.
class FontEdit : public QWidget {
public:
    FontEdit(const QString& name, const QFont& font, QWidget* parent)
        : QWidget(parent)
        , original_(font)
    {
        family_ = new QFontComboBox(this);
        family_->setObjectName("cbo" + name + "Font");
        family_->setWritingSystem(QFontDatabase::Japanese);
        family_->setCurrentFont(font);
        connect(family_, &QFontComboBox::currentFontChanged, this, [this] { familyChanged_ = true; });
        size_ = new QDoubleSpinBox(this);
        size_->setObjectName("num" + name + "FontSize");
        size_->setRange(6, 48);
        size_->setDecimals(1);
        size_->setSingleStep(0.5);
        size_->setSuffix(QStringLiteral(" pt"));
        size_->setValue(font.pointSizeF());
        bold_ = new QCheckBox(QStringLiteral("太字"), this);
        bold_->setObjectName("chk" + name + "FontBold");
        bold_->setChecked(font.bold());
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(family_, 1);
        row->addWidget(size_);
        row->addWidget(bold_);
    }

    QFont font() const
    {
        QString family = familyChanged_ ? family_->currentFont().family() : original_.family();
        return chartFont(family, size_->value(), bold_->isChecked(), original_.italic());
    }

private:
    QFont original_;
    QFontComboBox* family_;
    QDoubleSpinBox* size_;
    QCheckBox* bold_;
    bool familyChanged_ = false;
};

namespace {

const std::vector<std::pair<LineStyle, QString>>& lineChoices()
{
    static const std::vector<std::pair<LineStyle, QString>> choices { { LineStyle::Solid, QStringLiteral("実線") },
        { LineStyle::Dash, QStringLiteral("破線") }, { LineStyle::Dot, QStringLiteral("点線") },
        { LineStyle::DashDot, QStringLiteral("一点鎖線") }, { LineStyle::None, QStringLiteral("なし（点のみ）") } };
    return choices;
}

const std::vector<std::pair<MarkerShape, QString>>& markerChoices()
{
    static const std::vector<std::pair<MarkerShape, QString>> choices { { MarkerShape::None, QStringLiteral("なし") },
        { MarkerShape::Circle, QStringLiteral("● 円") }, { MarkerShape::Square, QStringLiteral("■ 四角") },
        { MarkerShape::Diamond, QStringLiteral("◆ ひし形") }, { MarkerShape::Triangle, QStringLiteral("▲ 三角") },
        { MarkerShape::Star, QStringLiteral("★ 星") }, { MarkerShape::Pentagon, QStringLiteral("五角形") } };
    return choices;
}

const std::vector<std::pair<LegendPosition, QString>>& legendChoices()
{
    static const std::vector<std::pair<LegendPosition, QString>> choices { { LegendPosition::Bottom,
                                                                               QStringLiteral("下") },
        { LegendPosition::Left, QStringLiteral("左") }, { LegendPosition::Right, QStringLiteral("右") } };
    return choices;
}

template <class E>
QComboBox* choiceBox(const QString& name, const std::vector<std::pair<E, QString>>& choices, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (auto& [value, text] : choices)
        box->addItem(text, int(value));
    return box;
}

template <class E> void selectChoice(QComboBox* box, E value)
{
    box->setCurrentIndex(std::max(0, box->findData(int(value))));
}

template <class E> E chosen(const QComboBox* box)
{
    return E(box->currentData().toInt());
}

QLineEdit* lineEdit(const QString& name, const QString& text, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

QCheckBox* checkBox(const QString& name, const QString& caption, bool checked, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QDoubleSpinBox* sizeBox(const QString& name, double max, QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, max);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    return box;
}

void showColor(QPushButton* button, const QColor& color)
{
    QPixmap swatch(16, 16);
    swatch.fill(color);
    button->setIcon(swatch);
}

QPushButton* colorButton(const QString& name, const QColor& color, QWidget* parent)
{
    auto* button = new QPushButton(QStringLiteral("色の設定..."), parent);
    button->setObjectName(name);
    showColor(button, color);
    return button;
}

// The title the user sees and edits is the one drawn; it becomes part of the
// format only once it differs from the graph's own title (or already was part).
void takeTitle(std::optional<QString>& title, const QString& drawn, const QLineEdit* edit)
{
    if (title || edit->text() != drawn)
        title = edit->text();
}

} // namespace

DlgChartProperty::DlgChartProperty(
    const ChartData& data, const ChartFormat& format, ChartEditorElements elements, QWidget* parent)
    : QDialog(parent)
    , data_(data)
    , format_(format)
{
    setObjectName("DlgChartProperty");
    setWindowTitle(QStringLiteral("グラフのプロパティ"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabProperty");
    tabs_->addTab(titlesPage(), QStringLiteral("タイトル"));
    tabs_->addTab(axesPage(elements), QStringLiteral("軸"));
    tabs_->addTab(seriesPage(), QStringLiteral("系列"));
    tabs_->addTab(legendPage(), QStringLiteral("凡例"));
    tabs_->setTabVisible(0, elements.testFlag(ChartEditorElement::Titles));
    tabs_->setTabVisible(1, elements & (ChartEditorElement::AxisLabels | ChartEditorElement::Grid));
    tabs_->setTabVisible(2, elements.testFlag(ChartEditorElement::SeriesStyles) && !seriesIndex_.empty());
    tabs_->setTabVisible(3, elements.testFlag(ChartEditorElement::Legend));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName("cmdCancel");
    connect(ok, &QPushButton::clicked, this, [this] {
        takeEdits();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    resize(520, sizeHint().height());
}

QWidget* DlgChartProperty::titlesPage()
{
    auto* page = new QWidget;
    page->setObjectName("pageTitles");
    auto* form = new QFormLayout(page);
    title_ = lineEdit("txtTitle", format_.title.value_or(data_.title), page);
    xTitle_ = lineEdit("txtXTitle", format_.x.title.value_or(data_.x.title), page);
    yTitle_ = lineEdit("txtYTitle", format_.y.title.value_or(data_.y.title), page);
    titleFont_ = new FontEdit("Title", format_.titleFont, page);
    axisTitleFont_ = new FontEdit("AxisTitle", format_.x.titleFont, page);
    labelFont_ = new FontEdit("Label", format_.labelFont, page);
    form->addRow(QStringLiteral("グラフタイトル"), title_);
    form->addRow(QStringLiteral("タイトルのフォント"), titleFont_);
    form->addRow(QStringLiteral("X軸タイトル"), xTitle_);
    form->addRow(QStringLiteral("Y軸タイトル"), yTitle_);
    form->addRow(QStringLiteral("軸タイトルのフォント"), axisTitleFont_);
    form->addRow(QStringLiteral("注記のフォント"), labelFont_);
    return page;
}

QWidget* DlgChartProperty::axesPage(ChartEditorElements elements)
{
    auto* page = new QWidget;
    page->setObjectName("pageAxes");
    auto* labels = new QGroupBox(QStringLiteral("目盛ラベル"), page);
    labels->setObjectName("grpAxisLabels");
    axisLabelFont_ = new FontEdit("AxisLabel", format_.x.labelFont, labels);
    (new QFormLayout(labels))->addRow(QStringLiteral("フォント"), axisLabelFont_);
    auto* grid = new QGroupBox(QStringLiteral("グリッド線"), page);
    grid->setObjectName("grpGrid");
    gridX_ = checkBox("chkGridX", QStringLiteral("X軸のグリッド線を表示する"), format_.x.grid, grid);
    gridY_ = checkBox("chkGridY", QStringLiteral("Y軸のグリッド線を表示する"), format_.y.grid, grid);
    gridColor_ = colorButton("cmdGridColor", format_.gridColor, grid);
    connect(gridColor_, &QPushButton::clicked, this, [this] { chooseColor(gridColor_, format_.gridColor); });
    auto* gridLayout = new QVBoxLayout(grid);
    gridLayout->addWidget(gridX_);
    gridLayout->addWidget(gridY_);
    gridLayout->addWidget(gridColor_, 0, Qt::AlignLeft);
    labels->setVisible(elements.testFlag(ChartEditorElement::AxisLabels));
    grid->setVisible(elements.testFlag(ChartEditorElement::Grid));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(labels);
    layout->addWidget(grid);
    layout->addStretch();
    return page;
}

QWidget* DlgChartProperty::seriesPage()
{
    auto* page = new QWidget;
    page->setObjectName("pageSeries");
    series_ = new QComboBox(page);
    series_->setObjectName("cboSeries");
    for (int g = 0; g < int(data_.groups.size()); ++g) {
        const auto& group = data_.groups[std::size_t(g)].series;
        for (int s = 0; s < int(group.size()); ++s) {
            seriesIndex_.emplace_back(g, s);
            QString name = group[std::size_t(s)].name;
            series_->addItem(QStringLiteral("系列%1  %2").arg(seriesIndex_.size()).arg(name));
        }
    }
    seriesColor_ = colorButton("cmdSeriesColor", Qt::black, page);
    lineStyle_ = choiceBox("cboLineStyle", lineChoices(), page);
    lineWidth_ = sizeBox("numLineWidth", 10, page);
    marker_ = choiceBox("cboMarker", markerChoices(), page);
    markerSize_ = sizeBox("numMarkerSize", 30, page);
    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("系列"), series_);
    form->addRow(QStringLiteral("色"), seriesColor_);
    form->addRow(QStringLiteral("線の種類"), lineStyle_);
    form->addRow(QStringLiteral("線の太さ"), lineWidth_);
    form->addRow(QStringLiteral("マーカー"), marker_);
    form->addRow(QStringLiteral("マーカーの大きさ"), markerSize_);
    connect(series_, &QComboBox::currentIndexChanged, this, &DlgChartProperty::showSeries);
    connect(seriesColor_, &QPushButton::clicked, this, [this] {
        if (chooseColor(seriesColor_, seriesColorValue_))
            storeSeries();
    });
    connect(lineStyle_, &QComboBox::currentIndexChanged, this, &DlgChartProperty::storeSeries);
    connect(marker_, &QComboBox::currentIndexChanged, this, &DlgChartProperty::storeSeries);
    connect(lineWidth_, &QDoubleSpinBox::valueChanged, this, &DlgChartProperty::storeSeries);
    connect(markerSize_, &QDoubleSpinBox::valueChanged, this, &DlgChartProperty::storeSeries);
    showSeries(series_->currentIndex());
    return page;
}

QWidget* DlgChartProperty::legendPage()
{
    auto* page = new QWidget;
    page->setObjectName("pageLegend");
    legend_ = checkBox("chkLegend", QStringLiteral("凡例を表示する"), format_.legendVisible, page);
    legendPosition_ = choiceBox("cboLegendPosition", legendChoices(), page);
    selectChoice(legendPosition_, format_.legendPosition);
    legendFont_ = new FontEdit("Legend", format_.legendFont, page);
    auto* form = new QFormLayout(page);
    form->addRow(legend_);
    form->addRow(QStringLiteral("位置"), legendPosition_);
    form->addRow(QStringLiteral("フォント"), legendFont_);
    return page;
}

void DlgChartProperty::showSeries(int choice)
{
    if (choice < 0 || choice >= int(seriesIndex_.size()))
        return;
    auto [g, s] = seriesIndex_[std::size_t(choice)];
    SeriesStyle style = format_.seriesStyle(g, s);
    showingSeries_ = true;
    seriesColorValue_ = style.color;
    showColor(seriesColor_, style.color);
    selectChoice(lineStyle_, style.line);
    lineWidth_->setValue(style.lineWidth);
    selectChoice(marker_, style.marker);
    markerSize_->setValue(style.markerSize);
    showingSeries_ = false;
}

void DlgChartProperty::storeSeries()
{
    int choice = series_->currentIndex();
    if (showingSeries_ || choice < 0 || choice >= int(seriesIndex_.size()))
        return;
    auto [g, s] = seriesIndex_[std::size_t(choice)];
    SeriesStyle& style = format_.editSeriesStyle(g, s);
    style.color = seriesColorValue_;
    style.line = chosen<LineStyle>(lineStyle_);
    style.lineWidth = lineWidth_->value();
    style.marker = chosen<MarkerShape>(marker_);
    style.markerSize = markerSize_->value();
}

bool DlgChartProperty::chooseColor(QPushButton* button, QColor& color)
{
    QColorDialog dialog(color, this);
    dialog.setObjectName("DlgColor");
    dialog.setWindowTitle(QStringLiteral("色の設定"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (execModal(dialog) != QDialog::Accepted || !dialog.selectedColor().isValid())
        return false;
    color = dialog.selectedColor();
    showColor(button, color);
    return true;
}

void DlgChartProperty::takeEdits()
{
    takeTitle(format_.title, data_.title, title_);
    takeTitle(format_.x.title, data_.x.title, xTitle_);
    takeTitle(format_.y.title, data_.y.title, yTitle_);
    format_.titleFont = titleFont_->font();
    format_.x.titleFont = format_.y.titleFont = axisTitleFont_->font();
    format_.labelFont = labelFont_->font();
    format_.x.labelFont = format_.y.labelFont = axisLabelFont_->font();
    format_.x.grid = gridX_->isChecked();
    format_.y.grid = gridY_->isChecked();
    format_.legendVisible = legend_->isChecked();
    format_.legendPosition = chosen<LegendPosition>(legendPosition_);
    format_.legendFont = legendFont_->font();
}

} // namespace tessaro::ui
