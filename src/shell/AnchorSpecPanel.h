#pragma once
// The particulars of the anchor on screen in the main window: the frames of
// the test conditions, the design and lock-off values (quality-assurance
// tests) or the pull-out conditions (basic investigation), the anchor type,
// tendon, lengths and load-change times. Every change the user makes is written
// straight into the project's current anchor, so the anchor on screen is always
// stored; the values that follow from others are recomputed at once. The frames
// themselves are laid out in AnchorSpecFrames.cpp.

#include <QWidget>
#include <functional>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tessaro {

struct AnchorRecord;
struct Project;

namespace ui {
class NumberBox;
class TextBox;
} // namespace ui

class AnchorSpecPanel : public QWidget {
    Q_OBJECT
public:
    explicit AnchorSpecPanel(QWidget* parent = nullptr);

    // Fills every control from the project's current anchor (nothing is written back).
    void load();
    // The frames of a basic investigation or of quality-assurance tests.
    void setBasic(bool basic);
    // Texts of the test names and service periods follow the edition.
    void refreshEditionTexts();

signals:
    // The user changed the current anchor.
    void edited();

private:
    struct NumberBinding {
        ui::NumberBox* box;
        double (*get)(const AnchorRecord&);
        void (*set)(AnchorRecord&, double);
        double unset; // what an empty box stores
    };
    struct ChoiceBinding {
        QComboBox* combo;
        int (*get)(const AnchorRecord&);
        void (*set)(AnchorRecord&, int);
    };
    struct TextBinding {
        ui::TextBox* box;
        QString (*get)(const AnchorRecord&);
        void (*set)(AnchorRecord&, const QString&);
    };

    QGroupBox* buildConditions();
    QGroupBox* buildQualityFrame();
    QGroupBox* buildPullOutFrame();
    QGroupBox* buildTendon();
    QGroupBox* buildLengths();
    QGroupBox* buildLoads();

    ui::NumberBox* number(const QString& name, const QString& format, const QString& caption, double minimum,
        double maximum, double (*get)(const AnchorRecord&), void (*set)(AnchorRecord&, double), double unset = 0);
    QComboBox* choice(const QString& name, const QStringList& items, int (*get)(const AnchorRecord&),
        void (*set)(AnchorRecord&, int));
    ui::TextBox* text(
        const QString& name, QString (*get)(const AnchorRecord&), void (*set)(AnchorRecord&, const QString&));
    QLabel* display(const QString& name);
    QPushButton* button(const QString& name, const QString& caption);
    QPushButton* sideButton(const QString& name, const QString& caption);

    // Writes one control into the current anchor and refreshes what follows from it.
    void store(const std::function<void(AnchorRecord&)>& write);
    void showDerived(const AnchorRecord& a);
    void applyModes(const AnchorRecord& a);

    std::vector<NumberBinding> numbers_;
    std::vector<ChoiceBinding> choices_;
    std::vector<TextBinding> texts_;
    bool loading_ = false;
    bool basic_ = false;

    QGroupBox* framKihon_ = nullptr;
    QGroupBox* framHinshitu_ = nullptr;
    QGroupBox* framMasatu_ = nullptr;
    QComboBox* cmbShiken_ = nullptr;
    QComboBox* combo5_ = nullptr;
    QList<QWidget*> qualityOnly_;
    QLabel* lblCmbKihon_ = nullptr;
    QLabel* lblTeityaku_ = nullptr;
    QLabel* lblKintyou_ = nullptr;
    QLabel* lblTug_ = nullptr;
    QLabel* lblT0_ = nullptr;
    QLabel* lblTp_ = nullptr;
    QLabel* zoukaUnit_ = nullptr;
    QLabel* genkaUnit_ = nullptr;
    QLabel* zoukaCaption_ = nullptr;
    QLabel* genkaCaption_ = nullptr;
    ui::NumberBox* kajyu_ = nullptr;
    ui::NumberBox* givenLsf_ = nullptr;
    ui::NumberBox* extraLength_ = nullptr;
    ui::NumberBox* bodies_ = nullptr;
    ui::NumberBox* teigen_ = nullptr;
    ui::NumberBox* zouka_ = nullptr;
    ui::NumberBox* genka_ = nullptr;
    QList<QWidget*> givenLsfRow_;
    ui::TextBox* jackName_ = nullptr;
};

} // namespace tessaro
