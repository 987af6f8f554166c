#include "shell/frmStart.h"

#include "model/AppPaths.h"
#include "model/DataFile.h"
#include "model/UserMessage.h"
#include "model/VersionTexts.h"
#include "model/basMainData.h"
#include "shell/MainCommands.h"
#include "shell/frmMain.h"
#include "shell/frmRecentFile.h"
#include "shell/frmTitle.h"
#include "ui/Modal.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessaro {
namespace {

QPixmap picture(const QString& name)
{
    return QPixmap(paths::resource("Picture/" + name));
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setMinimumHeight(34);
    return b;
}

} // namespace

frmStart::frmStart(frmMain* main, QWidget* parent)
    : QDialog(parent)
    , main_(main)
{
    setObjectName("frmStart");
    setWindowTitle(QStringLiteral("ファイルの選択"));

    option_[0] = new QRadioButton(QStringLiteral("新規に作成　（試験タイプの選択）"), this);
    option_[0]->setObjectName("Option1_0");
    option_[1] = new QRadioButton(QStringLiteral("ファイルを開く"), this);
    option_[1]->setObjectName("Option1_1");
    newImage_ = new QLabel(this);
    newImage_->setObjectName("ImageNew");
    openImage_ = new QLabel(this);
    openImage_->setObjectName("ImageOpen");
    newButtons_[0] = button(this, "CmdNewFile_0", QStringLiteral("基本調査試験"));
    newButtons_[1] = button(this, "CmdNewFile_1", QStringLiteral("適性試験/確認試験"));
    openButton_ = button(this, "CmdOpenFile", QStringLiteral("既存のファイルを開く"));
    recentButton_ = button(this, "CmdRecentFile", QStringLiteral("最近使ったファイルを開く"));
    auto* end = button(this, "CmdEnd", QStringLiteral("システムの終了"));
    auto* version = new QLabel(QStringLiteral("Tessaro Version ") + versionNumberText(), this);
    version->setObjectName("lblVersion");

    auto* newBox = new QGroupBox(this);
    auto* newLayout = new QGridLayout(newBox);
    newLayout->addWidget(option_[0], 0, 0, 1, 2);
    newLayout->addWidget(newImage_, 1, 0, 2, 1);
    newLayout->addWidget(newButtons_[0], 1, 1);
    newLayout->addWidget(newButtons_[1], 2, 1);
    auto* openBox = new QGroupBox(this);
    auto* openLayout = new QGridLayout(openBox);
    openLayout->addWidget(option_[1], 0, 0, 1, 2);
    openLayout->addWidget(openImage_, 1, 0, 2, 1);
    openLayout->addWidget(openButton_, 1, 1);
    openLayout->addWidget(recentButton_, 2, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(version);
    bottom->addStretch();
    bottom->addWidget(end);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(newBox);
    layout->addWidget(openBox);
    layout->addLayout(bottom);

    // The two choices stand in separate frames: one group makes them exclusive.
    auto* choices = new QButtonGroup(this);
    choices->addButton(option_[0], 0);
    choices->addButton(option_[1], 1);
    connect(option_[0], &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseOption(0);
    });
    connect(option_[1], &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseOption(1);
    });
    connect(newButtons_[0], &QPushButton::clicked, this, [this] { CmdNewFile(0); });
    connect(newButtons_[1], &QPushButton::clicked, this, [this] { CmdNewFile(1); });
    connect(openButton_, &QPushButton::clicked, this, &frmStart::CmdOpenFile);
    connect(recentButton_, &QPushButton::clicked, this, &frmStart::CmdRecentFile);
    connect(end, &QPushButton::clicked, this, &QWidget::close);
    option_[0]->setChecked(true);
}

void frmStart::chooseOption(int index)
{
    bool newChosen = index == 0;
    newImage_->setPixmap(picture(newChosen ? "New.gif" : "NewInvisible.gif"));
    openImage_->setPixmap(picture(newChosen ? "OpenInvisible.gif" : "Open.gif"));
    newButtons_[0]->setEnabled(newChosen);
    newButtons_[1]->setEnabled(newChosen);
    openButton_->setEnabled(!newChosen);
    recentButton_->setEnabled(!newChosen);
}

void frmStart::CmdNewFile(int index)
{
    Project& p = project();
    p.TestCategory = std::int16_t(index);
    InitProject(p, p.Record.AnchorCount);
    bool titleChanged = false;
    if (!frmTitle::ShowForm(this, titleChanged) || !ShowNewProjectConditions(this))
        return;
    main_->setTestTypeButton(index == 0);
    main_->newProjectCreated();
    closeByProgram(NewProject);
}

void frmStart::CmdOpenFile()
{
    if (!main_->MenuBarF_Click(1)) {
        main_->CurrentPath.clear();
        return;
    }
    if (project().isBasic()) {
        main_->setTestTypeButton(true);
        main_->Shiken();
    }
    closeByProgram(FileOpened);
}

void frmStart::CmdRecentFile()
{
    QString path;
    if (frmRecentFile::ShowForm(this, path) && !path.isEmpty())
        openFile(path);
}

void frmStart::openFile(const QString& path)
{
    if (!LoadDataFile(path))
        return;
    main_->setCurrentFile(path);
    project().OpenedFromRecent = 1;
    main_->MenuBarF_Click(1);
    closeByProgram(FileOpened);
}

void frmStart::closeByProgram(int result)
{
    result_ = result;
    closingByProgram_ = true;
    accept();
}

bool frmStart::confirmEnd()
{
    return showMessage(QStringLiteral("終了してもよろしいですか？"), MsgIcon::Information, MsgButtons::OkCancel)
        == AnswerOk;
}

void frmStart::closeEvent(QCloseEvent* event)
{
    if (closingByProgram_) {
        event->accept();
        return;
    }
    if (!confirmEnd()) {
        event->ignore();
        return;
    }
    result_ = EndProgram;
    closingByProgram_ = true;
    event->accept();
    QDialog::reject();
}

void frmStart::reject()
{
    // Escape asks like the close box does.
    close();
}

int frmStart::ShowForm(frmMain* main)
{
    frmStart dialog(main, main);
    ui::execModal(dialog);
    return dialog.resultCode();
}

} // namespace tessaro
