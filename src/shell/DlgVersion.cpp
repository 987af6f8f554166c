#include "shell/DlgVersion.h"

#include "model/AppPaths.h"
#include "model/VersionTexts.h"
#include "ui/Modal.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tessaro {

DlgVersion::DlgVersion(QWidget* parent) : QDialog(parent)
{
    setObjectName("DlgVersion");
    setWindowTitle(QStringLiteral("バージョン情報"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Tessaro"), this);
    QFont f = title->font();
    f.setPointSize(16);
    f.setBold(true);
    title->setFont(f);
    auto* version = new QLabel(QStringLiteral("Version ") + versionNumberText(), this);
    version->setObjectName("lblVersion");
    auto* disclaimer = new QLabel(
        QStringLiteral("本ソフトウェアの計算結果は、技術者の判断により確認したうえでご使用ください。\n"
                       "本ソフトウェアの使用により生じたいかなる損害についても、責任を負いかねます。"),
        this);
    disclaimer->setObjectName("lblDisclaimer");
    disclaimer->setWordWrap(true);
    auto* readme = new QPushButton(QStringLiteral("Readme"), this);
    readme->setObjectName("CmdReadme");
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(readme);
    buttons->addWidget(ok);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(disclaimer);
    layout->addLayout(buttons);
    connect(readme, &QPushButton::clicked, this,
            [] { QDesktopServices::openUrl(QUrl::fromLocalFile(paths::resource("Readme.txt"))); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void DlgVersion::ShowForm(QWidget* parent)
{
    DlgVersion dialog(parent);
    ui::execModal(dialog);
}

} // namespace tessaro
