// Anchor-list commands of the main window: moving between anchors, copy,
// insert, add, delete, removing the anchors without data and reordering.

#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/AnchorList.h"
#include "planning/AnchorListTexts.h"
#include "shell/AnchorListPanel.h"
#include "shell/AnchorSpecPanel.h"
#include "shell/frmMain.h"
#include "ui/SpreadGrid.h"

#include <algorithm>

namespace tessaro {

int frmMain::selectedRow() const
{
    int row = list_->selectedRow();
    return validRow(project(), row) ? row : 0;
}

void frmMain::cmdNext_Click()
{
    Project& p = project();
    if (p.CurrentAnchor >= p.anchorCount() || !checkAnchorOnScreen())
        return;
    showAnchor(p.CurrentAnchor + 1);
    ShownAnchorNo = p.currentAnchor().AnchorNo;
}

void frmMain::cmdPrev_Click()
{
    Project& p = project();
    if (p.CurrentAnchor <= 1)
        return;
    if (anchorOnScreenCode() != 0) {
        // An anchor that had its name when it was shown stays until it is
        // complete (the check says what is missing); a new one may be left,
        // its reading sheet given up, after one question.
        if (!ShownAnchorNo.isEmpty()) {
            checkAnchorOnScreen();
            return;
        }
        QString question
            = QStringLiteral("現在、編集中のアンカー孔番 (No.%1) のデータを破棄して、前のアンカー孔番に戻りますか？")
                  .arg(p.CurrentAnchor);
        if (showMessage(question, MsgIcon::Exclamation, MsgButtons::YesNo) != AnswerYes)
            return;
        p.currentAnchor().EditFlag = 0;
    }
    showAnchor(p.CurrentAnchor - 1);
    ShownAnchorNo = p.currentAnchor().AnchorNo;
}

// A double-click on a row shows that anchor, once the anchor on screen is complete.
void frmMain::goToRow(int row)
{
    Project& p = project();
    if (p.isBasic() || !validRow(p, row) || row == p.CurrentAnchor || !checkAnchorOnScreen())
        return;
    showAnchor(row);
    ShownAnchorNo = p.currentAnchor().AnchorNo;
}

void frmMain::listCellEdited(int col, int row, const QString& text)
{
    Project& p = project();
    if (Busy || p.isBasic() || !validRow(p, row))
        return;
    AnchorRecord& a = p.anchor(row);
    const QString value = text.trimmed();
    switch (col) {
    case ListColName:
        a.AnchorNo = value;
        break;
    case ListColModulus:
        a.Material.TendonModulus = value.isEmpty() ? 0.0f : value.toFloat();
        break;
    case ListColMeasurer:
        a.Measurer = value;
        break;
    case ListColGroutDate:
        a.GroutDate = value;
        break;
    case ListColTestDate:
        a.TestDate = value;
        break;
    default:
        return;
    }
    DataChanged = true;
    list_->refreshRow(row);
    if (row == p.CurrentAnchor)
        spec_->load();
    refreshCommands();
}

// After the list changed shape: the list again, and the anchor of currentRow shown.
void frmMain::listChanged(int currentRow)
{
    DataChanged = true;
    list_->fillAll();
    showAnchor(currentRow);
    ShownAnchorNo = project().currentAnchor().AnchorNo;
}

void frmMain::PopupCopy_Click()
{
    if (int row = selectedRow())
        clipboard_ = copyAnchor(project(), row);
    refreshCommands();
}

void frmMain::PopupInsert_Click()
{
    Project& p = project();
    const int row = selectedRow();
    if (p.anchorCount() >= MaxAnchors) {
        showMessage(AnchorLimitMessage, MsgIcon::Information);
        return;
    }
    if (row && insertAnchor(p, row, clipboard_))
        listChanged(row);
}

bool frmMain::askDeleteRow(int row)
{
    return showMessage(QString::number(row) + QStringLiteral("行目のデータを、削除してもよろしいですか？"),
               MsgIcon::Question, MsgButtons::YesNo)
        == AnswerYes;
}

void frmMain::PopupDelete_Click()
{
    CmdDel_Click();
}

void frmMain::CmdDel_Click()
{
    Project& p = project();
    const int row = selectedRow();
    if (!row || p.anchorCount() < 2 || !askDeleteRow(row))
        return;
    int current = p.CurrentAnchor;
    if (row < current)
        --current;
    deleteAnchor(p, row);
    listChanged(std::min(current, p.anchorCount()));
    list_->selectRow(std::min(row, p.anchorCount()));
}

void frmMain::CmdAdd_Click()
{
    Project& p = project();
    if (!addAnchor(p)) {
        showMessage(AnchorLimitMessage, MsgIcon::Information);
        return;
    }
    DataChanged = true;
    list_->fillAll();
    list_->markCurrent(p.CurrentAnchor);
    list_->selectRow(p.anchorCount());
    showCounts();
    refreshCommands();
}

void frmMain::CmdAllSpace_Click()
{
    Project& p = project();
    if (showMessage(QStringLiteral("未入力データ(グレー表示されている行)を全削除しますか？"), MsgIcon::Question,
            MsgButtons::YesNo)
        != AnswerYes)
        return;
    int current = p.CurrentAnchor;
    if (removeAnchorsWithoutInput(p, current) > 0)
        listChanged(current);
}

void frmMain::CmdSort_Click(int index)
{
    Project& p = project();
    const int row = selectedRow();
    const bool up = index == 1;
    if (!row || (up ? !canMoveUp(p, row) : !canMoveDown(p, row)))
        return;
    const int target = up ? row - 1 : row + 1;
    swapAnchors(p, row, target);
    DataChanged = true;
    list_->refreshRow(row);
    list_->refreshRow(target);
    showAnchor(target);
    ShownAnchorNo = p.currentAnchor().AnchorNo;
}

} // namespace tessaro
