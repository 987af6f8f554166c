#include "ui/DlgChartProperty.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
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

void selectColor(QComboBox* box, const QColor& color);

// Colours that print well and stay apart on paper; a colour read from a format
// file that is not among them is offered as well.
QComboBox* colorBox(const QString& name, const QColor& current, QWidget* parent)
{
    static const std::vector<std::pair<QColor, QString>> colors {
        { QColor(Qt::black), QStringLiteral("黒") },
        { QColor(0x1f, 0x4e, 0x9c), QStringLiteral("青") },
        { QColor(0xc0, 0x39, 0x2b), QStringLiteral("赤") },
        { QColor(0x1e, 0x84, 0x49), QStringLiteral("緑") },
        { QColor(0x7d, 0x3c, 0x98), QStringLiteral("紫") },
        { QColor(0xd3, 0x54, 0x00), QStringLiteral("橙") },
        { QColor(0x2e, 0x86, 0xc1), QStringLiteral("水色") },
        { QColor(0x8b, 0x45, 0x13), QStringLiteral("茶") },
        { QColor(0xb7, 0x95, 0x0b), QStringLiteral("黄土色") },
        { QColor(0x55, 0x55, 0x55), QStringLiteral("濃い灰色") },
        { QColor(0x99, 0x99, 0x99), QStringLiteral("灰色") },
        { QColor(0xc8, 0xc8, 0xc8), QStringLiteral("薄い灰色") },
    };
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    auto add = [box](const QColor& color, const QString& text) {
        QPixmap swatch(16, 16);
        swatch.fill(color);
        box->addItem(QIcon(swatch), text, color);
    };
    for (auto& [color, text] : colors)
        add(color, text);
    selectColor(box, current);
    return box;
}

void selectColor(QComboBox* box, const QColor& color)
{
    int index = box->findData(color);
    if (index < 0) {
        QPixmap swatch(16, 16);
        swatch.fill(color);
        box->addItem(QIcon(swatch), QStringLiteral("その他 (%1)").arg(color.name()), color);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
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
    gridColor_ = colorBox("cboGridColor", format_.gridColor, grid);
    auto* gridLayout = new QFormLayout(grid);
    gridLayout->addRow(gridX_);
    gridLayout->addRow(gridY_);
    gridLayout->addRow(QStringLiteral("色"), gridColor_);
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
    seriesColor_ = colorBox("cboSeriesColor", Qt::black, page);
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
    connect(seriesColor_, &QComboBox::currentIndexChanged, this, &DlgChartProperty::storeSeries);
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
    selectColor(seriesColor_, style.color);
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
    style.color = seriesColor_->currentData().value<QColor>();
    style.line = chosen<LineStyle>(lineStyle_);
    style.lineWidth = lineWidth_->value();
    style.marker = chosen<MarkerShape>(marker_);
    style.markerSize = markerSize_->value();
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
    format_.gridColor = gridColor_->currentData().value<QColor>();
    format_.x.grid = gridX_->isChecked();
    format_.y.grid = gridY_->isChecked();
    format_.legendVisible = legend_->isChecked();
    format_.legendPosition = chosen<LegendPosition>(legendPosition_);
    format_.legendFont = legendFont_->font();
}

} // namespace tessaro::ui
