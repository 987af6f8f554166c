#include "shell/MainCommands.h"

#include "model/ProjectRecord.h"
#include "model/basMainData.h"
#include "planning/DlgMeneRirontiRate.h"
#include "planning/TestKinds.h"
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

} // namespace

// One line per command. A window built later is wired by giving its command a
// handler, e.g. {"CmdKajyuTime"}, false, [](frmMain& m) { if (frmKuripu::ShowForm(&m)) m.anchorDataChanged(); }.
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
        // Test-anchor specification table (preview, print, Excel)
        { { "MenuViewAncSyousai", "Preview", "CmdAnchorSyogenhyou" }, true, nullptr },
        { { "CmdExcel" }, false, nullptr },
        { { "CmdTextCopy" }, false, [](frmMain& m) { m.CmdTextCopy_Click(); } },
        // View
        { { "MenuView_0", "Title" }, false, [](frmMain& m) { m.MenuView0_Click(); } },
        { { "MenuView_1", "Input" }, true, nullptr }, // frmDataInput1
        { { "MenuView_2", "Graph" }, true, nullptr }, // frmGRAPH
        { { "MenuView_3", "Effect" }, true, nullptr }, // frmEffect
        { { "MenuViewPrint_1", "Keikaku" }, true, nullptr }, // plan document
        { { "MenuViewPrint_2", "Houkoku" }, true, nullptr }, // report document
        { { "Kirikae" }, false, [](frmMain& m) { m.Kirikae_Click(); } },
        { { "MenuHyouHyouji", "HyouHyouji" }, false, [](frmMain& m) { m.MenuHyouHyouji_Click(); }, qualityWithAnchors },
        { { "MenuShiken", "Shiken" }, false, [](frmMain& m) { m.MenuShiken_Click(); } },
        // Settings
        { { "Menu_HenkouAnc" }, false, nullptr }, // frmJouken
        { { "MenuSetJyougenRitu" }, false,
            [](frmMain& m) {
                if (DlgMeneRirontiRate::ShowForm(&m))
                    m.anchorDataChanged();
            } },
        { { "MenuSetHantei" }, false, nullptr }, // frmMenuHantei
        { { "CmdKijyunnsyo" }, false, [](frmMain& m) { m.CmdKijyunnsyo_Click(); } },
        // Reference databases
        { { "MenuD_AncKeishiki_0", "MenuD_AncKeishiki_1", "MenuD_AncKeishiki_2", "MenuD_AncKeishiki_4",
              "MenuD_AncKeishiki_5", "MenuD_AncKeishikiBunsan_0" },
            false, nullptr }, // frmAncDBEntry
        { { "MenuD_Jyakki" }, false, nullptr }, // frmJakki
        // Specification of the anchor on screen
        { { "CmdSentaku" }, false, nullptr }, // frmAncDBRefer
        { { "CmdJakki" }, false, nullptr }, // frmJakkiDB
        { { "CmdTaikatai" }, false, nullptr, loadDistribution }, // frmTaikatai
        { { "CmdKousokutyou" }, false, nullptr, pullOutTest }, // frmHikinukiDlg
        { { "CmdKajyuu" }, false, nullptr }, // frmKajyuu
        { { "CmdKajyuTime" }, false, nullptr }, // frmKuripu
        { { "CmdHantei" }, false, nullptr }, // frmHantei
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
    // The one line that opens the test-conditions window goes here, e.g.
    // return frmJouken::ShowForm(parent, project().Record.JackTypeChoice);
    Q_UNUSED(parent);
    return true;
}

} // namespace tessaro
