#pragma once
// The wizard windows of the plan and report documents, one implementation for
// the four families: frmKeikakusyo and frmHoukokusyo (basic investigation
// plan and report), frmKeikakusyoHinshitu and frmHoukokusyoHinshitu
// (quality-assurance plan and report). The engineer writes the descriptive
// texts page by page (PicKei1, PicKei2, …; cmdNext, CmdBack); the texts live
// in the project and are kept as they are typed. The window copies the texts
// of the other document of the same test (CmdCopy), applies a format file
// ("書式適用", DlgSelectFormat), saves the texts as one ("書式登録",
// frmFileName), composes the document and previews it (Command1), and closes
// (CmdCan "閉じる").

#include "documents/DocumentFamily.h"
#include "documents/DocumentInputs.h"

#include <QDialog>
#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace tessaro {

namespace report {
class ReportEngine;
}

namespace ui {
class NumberBox;
class SpreadGrid;
class TextArea;
class TextBox;
} // namespace ui

class frmDocumentWizard : public QDialog {
    Q_OBJECT
public:
    explicit frmDocumentWizard(DocumentFamily family, QWidget* parent = nullptr);

    // Shows the family's wizard for the open project; true when its document
    // texts changed (the project then needs saving).
    static bool ShowForm(QWidget* parent, DocumentFamily family);

    DocumentFamily family() const { return family_; }
    int pageCount() const;
    int page() const; // 1-based
    void setPage(int page);

    // The control names of the format buttons, by family.
    static QString applyButtonName(DocumentFamily family);
    static QString saveButtonName(DocumentFamily family);

    void done(int result) override;

private:
    // Pages.
    QWidget* outlinePage();
    QWidget* anchorPage();
    QWidget* constructionPage();
    QWidget* stepsPage();
    QWidget* jackPage();
    QWidget* lastPage();
    QWidget* reportItems();
    QWidget* buttonRow();

    // The controls and the project's texts.
    void showInputs(const DocumentInputs& inputs);
    DocumentInputs shownInputs() const;
    void store();
    void refreshResults();

    // Commands.
    void chooseDate();
    void chooseSketch();
    void sketchToggled(bool on);
    void copyCounterpart();
    void applyFormat();
    void saveFormat();
    void preview();
    bool composeQualityDocument(report::ReportEngine& engine, bool& ended);
    void openFriction();
    void openUltimate();
    void judged(bool stored);

    DocumentFamily family_;
    QByteArray before_; // the project's document texts when the window opened
    bool anchorChanged_ = false; // a judgement window stored results with the anchor
    QStackedWidget* pages_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;

    std::array<ui::TextBox*, OutlineItemCount> outline_ {};
    ui::TextBox* date_ = nullptr;
    QCheckBox* worksNameOnCover_ = nullptr;
    QCheckBox* subcontractor_ = nullptr;
    QCheckBox* lockOffFormula_ = nullptr;
    std::array<ui::TextArea*, JackTextCount> jack_ {};
    QCheckBox* sketchShown_ = nullptr;
    ui::TextBox* sketchPath_ = nullptr;
    ui::TextArea* summary_ = nullptr;

    ui::NumberBox* boreDiameter_ = nullptr;
    ui::NumberBox* drillingAngle_ = nullptr;
    ui::TextBox* tendonName_ = nullptr;
    ui::TextArea* tendonDescription_ = nullptr;
    ui::TextBox* groutingMethod_ = nullptr;
    ui::TextBox* machine_ = nullptr;
    ui::TextBox* tendon_ = nullptr;
    ui::TextBox* ratio_ = nullptr;
    ui::TextBox* groutMaterial_ = nullptr;
    ui::TextBox* mix_ = nullptr;
    ui::SpreadGrid* mixTable_ = nullptr;
    std::array<ui::TextArea*, WorkStepCount> steps_ {};

    QLabel* frictionState_ = nullptr;
    QLabel* frictionMark_ = nullptr;
    QLabel* apparentFreeLength_ = nullptr;
    QLabel* ultimateHeading_ = nullptr;
    QLabel* ultimateSentence_ = nullptr;
    QLabel* skinFrictionSentence_ = nullptr;
};

} // namespace tessaro
