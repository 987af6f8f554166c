// Commands of the main window that open the shell's own dialogs, the
// clipboard, the manual and web pages.

#include "model/AppPaths.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/AnchorListTexts.h"
#include "planning/DlgSelectBook.h"
#include "planning/JudgementConstants.h"
#include "shell/AnchorListPanel.h"
#include "shell/AnchorSpecPanel.h"
#include "shell/frmMain.h"
#include "shell/frmTitle.h"
#include "ui/TabSeparated.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <iterator>

namespace tessaro {
namespace {

// Outside pages of the help menu: the support page of the program and the
// technical information of the society that publishes the anchor standard.
const char* const WebPages[] = { "https://tessaro.example/support/", "https://www.jiban.or.jp/" };

} // namespace

void frmMain::CmdTextCopy_Click()
{
    QApplication::clipboard()->setText(ui::toTabSeparated(anchorListTable(project())));
    showMessage(QStringLiteral("一覧結果をクリップボードにコピーしました。"), MsgIcon::Information);
}

void frmMain::CmdKijyunnsyo_Click()
{
    Project& p = project();
    JudgementConstants values = judgementConstants(p);
    if (!DlgSelectBook::ShowForm(this, values))
        return;
    storeJudgementConstants(p, values);
    DataChanged = true;
    // Test names and service periods read differently in the other edition.
    spec_->refreshEditionTexts();
    spec_->load();
    list_->fillAll();
    list_->markCurrent(p.CurrentAnchor);
    refreshStatus();
}

void frmMain::MenuView0_Click()
{
    const Project& p = project();
    auto header = [&p] {
        const ProjectRecord& r = p.Record;
        return QStringList { r.WorksName, r.SiteName, r.PrimeContractor, r.Subcontractor, p.Settings.Header.Remarks[0],
            p.Settings.Header.Remarks[1] };
    };
    const QStringList before = header();
    bool changed = false;
    if (frmTitle::ShowForm(this, changed) && (changed || header() != before))
        DataChanged = true;
}

void frmMain::MenuH_Help_Click()
{
    const QString manual = paths::resource("Manual/Manual.pdf");
    if (!QFileInfo(manual).isFile()) {
        showMessage(QStringLiteral("取り扱い説明書（Manual.pdf）がインストールされていません。"), MsgIcon::Information);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(manual));
}

void frmMain::QuoltHp_Click(int index)
{
    if (index >= 0 && index < int(std::size(WebPages)))
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(WebPages[index])));
}

} // namespace tessaro
