#include "shell/MainCommands.h"

#include "documents/DocumentFamily.h"
#include "documents/frmDocumentWizard.h"
#include "documents/frmExcelOption.h"
#include "documents/frmPrintSyogen.h"
#include "evaluation/CycleEvaluation.h"
#include "evaluation/TensionFreeLength.h"
#include "evaluation/frmEffect.h"
#include "evaluation/frmHantei.h"
#include "evaluation/frmHikinukiDlg.h"
#include "evaluation/frmMenuHantei.h"
#include "graphs/frmGRAPH.h"
#include "model/ProjectRecord.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/DlgMeneRirontiRate.h"
#include "planning/TestKinds.h"
#include "planning/frmJouken.h"
#include "planning/frmKajyuu.h"
#include "planning/frmKuripu.h"
#include "planning/frmTaikatai.h"
#include "recording/frmDataInput1.h"
#include "refdb/frmAncDBEntry.h"
#include "refdb/frmAncDBRefer.h"
#include "refdb/frmJakki.h"
#include "refdb/frmJakkiDB.h"
#include "shell/DlgVersion.h"
#include "shell/UpdateChecker.h"
#include "shell/frmMain.h"

namespace tessaro {
namespace {

bool quality(const frmMain&)
{
    return !project().isBasic();
}
bool qualityWithAnchors(const frmMain&)
{
    return !project().isBasic() && project().anchorCount() >= 1;
}
bool rowSelected(const frmMain& m)
{
    return qualityWithAnchors(m) && m.selectedRow() >= 1;
}
bool belowLimit(const frmMain& m)
{
    return quality(m) && project().anchorCount() < MaxAnchors;
}
// An anchor can be deleted while another one stays.
bool deletable(const frmMain& m)
{
    return rowSelected(m) && project().anchorCount() >= 2;
}
bool insertable(const frmMain& m)
{
    return rowSelected(m) && m.clipboardFilled();
}
bool hasPrevious(const frmMain& m)
{
    return qualityWithAnchors(m) && project().CurrentAnchor > 1;
}
bool hasNext(const frmMain& m)
{
    return qualityWithAnchors(m) && project().CurrentAnchor < project().anchorCount();
}
bool loadDistribution(const frmMain&)
{
    return project().currentAnchor().Tendon.AnchorTypeCode == LoadDistributionType;
}
bool pullOutTest(const frmMain&)
{
    return project().isBasic();
}
// A plan or report needs an anchor to describe.
bool withAnAnchor(const frmMain& m)
{
    return pullOutTest(m) || qualityWithAnchors(m);
}

// After a window that edited the anchor on screen: its results are evaluated
// afresh and the window shows them.
void changedAnchor(frmMain& m, bool changed)
{
    if (!changed)
        return;
    EvaluateAnchor(project().currentAnchor());
    m.anchorDataChanged();
}

// After a window that may have changed every anchor (a jack applied to all).
void changedProject(frmMain& m, bool changed)
{
    if (changed)
        m.projectDataChanged();
}

// After a window that changed the lengths the free length at tensioning is made of.
void changedLengths(frmMain& m, bool changed)
{
    if (!changed)
        return;
    RefreshTensionFreeLength(project().currentAnchor());
    changedAnchor(m, true);
}

// The plan or report wizard of the project's test.
void openDocumentWizard(frmMain& m, bool report)
{
    changedAnchor(m, frmDocumentWizard::ShowForm(&m, documentFamily(project().TestCategory, report)));
}

// The product decides the tensioning method, which the anchor already carries:
// a product of another method is refused.
void chooseProduct(frmMain& m)
{
    AnchorRecord& anchor = project().currentAnchor();
    if (anchor.Tendon.TensioningType < 0) {
        showMessage(QStringLiteral("緊張方式を選択してください"), MsgIcon::Information);
        return;
    }
    AnchorRecord before = anchor;
    if (!frmAncDBRefer::ShowForm(&m))
        return;
    if (anchor.Tendon.TensioningType != before.Tendon.TensioningType) {
        anchor = before;
        showMessage(QStringLiteral("緊張方式は変更できません"), MsgIcon::Exclamation);
        return;
    }
    changedLengths(m, true);
}

} // namespace

// One line per command; a command whose window the program does not have yet
// has no handler, so its controls stay disabled.
// The recent-file items mnuRecentFile_1..10 open their entry (frmMain::openRecent).
const std::vector<MainCommand>& mainCommands()
{
    static const std::vector<MainCommand> commands = {
        // File
        { { "MenuBarF_0", "New" }, false, [](frmMain& m) { m.MenuBarF_Click(0); } },
        { { "MenuBarF_1", "open" }, false, [](frmMain& m) { m.MenuBarF_Click(1); } },
        { { "MenuBarF_3", "save" }, false, [](frmMain& m) { m.MenuBarF_Click(3); } },
        { { "MenuBarF_4" }, false, [](frmMain& m) { m.MenuBarF_Click(4); } },
        { { "mnuRecentFileDelete" }, false, [](frmMain& m) { m.clearRecentList(); } },
        { { "MenuF_Close" }, false, [](frmMain& m) { m.close(); } },
        // Test-anchor particulars table (preview, print, Excel)
        { { "MenuViewAncSyousai", "Preview", "CmdAnchorSyogenhyou" }, true,
            [](frmMain& m) { frmPrintSyogen::ShowForm(&m); } },
        { { "CmdExcel" }, false, [](frmMain& m) { frmExcelOption::AnchorListToExcel(&m); } },
        { { "CmdTextCopy" }, false, [](frmMain& m) { m.CmdTextCopy_Click(); } },
        // View
        { { "MenuView_0", "Title" }, false, [](frmMain& m) { m.MenuView0_Click(); } },
        { { "MenuView_1", "Input" }, true, [](frmMain& m) { changedAnchor(m, frmDataInput1::ShowForm(&m)); } },
        { { "MenuView_2", "Graph" }, true, [](frmMain& m) { changedAnchor(m, frmGRAPH::ShowForm(&m)); } },
        { { "MenuView_3", "Effect" }, true, [](frmMain& m) { frmEffect::ShowForm(&m); } },
        { { "MenuViewPrint_1", "Keikaku" }, true, [](frmMain& m) { openDocumentWizard(m, false); }, withAnAnchor },
        { { "MenuViewPrint_2", "Houkoku" }, true, [](frmMain& m) { openDocumentWizard(m, true); }, withAnAnchor },
        { { "Kirikae" }, false, [](frmMain& m) { m.Kirikae_Click(); } },
        { { "MenuHyouHyouji", "HyouHyouji" }, false, [](frmMain& m) { m.MenuHyouHyouji_Click(); }, qualityWithAnchors },
        { { "MenuShiken", "Shiken" }, false, [](frmMain& m) { m.MenuShiken_Click(); } },
        // Settings
        { { "Menu_HenkouAnc" }, false,
            [](frmMain& m) {
                if (frmJouken::ShowForm(&m, JoukenPurpose::ChangeConditions))
                    m.projectDataChanged();
            } },
        { { "MenuSetJyougenRitu" }, false,
            [](frmMain& m) {
                if (DlgMeneRirontiRate::ShowForm(&m))
                    m.anchorDataChanged();
            } },
        // The judged range is the project's: the anchor on screen is evaluated anew with it.
        { { "MenuSetHantei" }, false, [](frmMain& m) { changedAnchor(m, frmMenuHantei::ShowForm(&m)); } },
        { { "CmdKijyunnsyo" }, false, [](frmMain& m) { m.CmdKijyunnsyo_Click(); } },
        // Reference databases
        { { "MenuD_AncKeishiki_0" }, false, [](frmMain& m) { frmAncDBEntry::ShowForm(&m, 0); } },
        { { "MenuD_AncKeishiki_1" }, false, [](frmMain& m) { frmAncDBEntry::ShowForm(&m, 1); } },
        { { "MenuD_AncKeishiki_2" }, false, [](frmMain& m) { frmAncDBEntry::ShowForm(&m, 2); } },
        { { "MenuD_AncKeishiki_4" }, false, [](frmMain& m) { frmAncDBEntry::ShowForm(&m, 4); } },
        { { "MenuD_AncKeishiki_5" }, false, [](frmMain& m) { frmAncDBEntry::ShowForm(&m, 5); } },
        { { "MenuD_AncKeishikiBunsan_0" }, false,
            [](frmMain& m) { frmAncDBEntry::ShowForm(&m, LoadDistributionType); } },
        { { "MenuD_Jyakki" }, false,
            [](frmMain& m) {
                QString name;
                int number = 0;
                frmJakki::ShowForm(&m, frmJakki::MaintainList, name, number);
            } },
        // Particulars of the anchor on screen
        { { "CmdSentaku" }, false, chooseProduct },
        { { "CmdJakki" }, false, [](frmMain& m) { changedProject(m, frmJakkiDB::ShowForm(&m)); } },
        { { "CmdTaikatai" }, false, [](frmMain& m) { changedLengths(m, frmTaikatai::ShowForm(&m)); },
            loadDistribution },
        { { "CmdKousokutyou" }, false, [](frmMain& m) { changedAnchor(m, frmHikinukiDlg::ShowForm(&m)); },
            pullOutTest },
        { { "CmdKajyuu" }, false, [](frmMain& m) { changedAnchor(m, frmKajyuu::ShowForm(&m)); } },
        { { "CmdKajyuTime" }, false, [](frmMain& m) { changedAnchor(m, frmKuripu::ShowForm(&m)); } },
        // A basic investigation is judged by its ultimate pull-out force, from the graph window.
        { { "CmdHantei" }, false, [](frmMain& m) { changedAnchor(m, frmHantei::ShowForm(&m)); }, quality },
        // Anchor list and navigation
        { { "cmdPrev" }, false, [](frmMain& m) { m.cmdPrev_Click(); }, hasPrevious },
        { { "cmdNext" }, false, [](frmMain& m) { m.cmdNext_Click(); }, hasNext },
        { { "CmdAdd" }, false, [](frmMain& m) { m.CmdAdd_Click(); }, belowLimit },
        { { "CmdDel" }, false, [](frmMain& m) { m.CmdDel_Click(); }, deletable },
        { { "CmdAllSpace" }, false, [](frmMain& m) { m.CmdAllSpace_Click(); }, qualityWithAnchors },
        { { "CmdSort_0" }, false, [](frmMain& m) { m.CmdSort_Click(0); }, rowSelected },
        { { "CmdSort_1" }, false, [](frmMain& m) { m.CmdSort_Click(1); }, rowSelected },
        { { "PopupCopy" }, false, [](frmMain& m) { m.PopupCopy_Click(); }, rowSelected },
        { { "PopupInsert" }, false, [](frmMain& m) { m.PopupInsert_Click(); }, insertable },
        { { "PopupDelete" }, false, [](frmMain& m) { m.PopupDelete_Click(); }, deletable },
        // Help
        { { "MenuH_Help" }, false, [](frmMain& m) { m.MenuH_Help_Click(); } },
        { { "QuoltHp_0" }, false, [](frmMain& m) { m.QuoltHp_Click(0); } },
        { { "QuoltHp_1" }, false, [](frmMain& m) { m.QuoltHp_Click(1); } },
        { { "UpdateChecker" }, false, [](frmMain&) { StartUpdateChecker(true); } },
        { { "MenuH_Ver" }, false, [](frmMain& m) { DlgVersion::ShowForm(&m); } },
    };
    return commands;
}

bool ShowNewProjectConditions(QWidget* parent)
{
    return frmJouken::ShowForm(parent, JoukenPurpose::NewProject);
}

} // namespace tessaro
