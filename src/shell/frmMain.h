#pragma once
// The program's main window: the open project with the particulars of the
// anchor on screen and the list of all anchors, the file commands, the
// anchor-list commands and the commands that open every other window. The
// commands and their rules are listed in MainCommands.cpp.

#include "planning/AnchorList.h"

#include <QMainWindow>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolBar;

namespace tessaro {

class AnchorListPanel;
class AnchorSpecPanel;
struct MainCommand;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // File menu by index: 0 new, 1 open, 3 save, 4 save as. True when the
    // command went through (a file was opened or saved, a project created).
    bool MenuBarF_Click(int index);
    void Main_FileNameRefrash(const QString& fileName);
    // Takes the test category from toolbar button 18 and shows the project so.
    void Shiken();
    void Main_Data_Load(int anchorIndex, int category);
    void RebuildRecentMenu();
    // The data file the window now works on, after it was loaded or saved:
    // kept as a full path, put first in the recent files, and its folder is
    // where the file dialogs open.
    void setCurrentFile(const QString& path);

    // Toolbar button 18: pressed for a basic investigation project.
    void setTestTypeButton(bool pressed);
    bool testTypeButton() const;
    // Toolbar buttons numbered from 1 as they stand, separators counted.
    QAction* toolbarButton(int index) const;

    // A window opened from here changed the project: the save prompts will ask,
    // and the anchor on screen and its list row are shown again.
    void anchorDataChanged();
    // A window opened from here changed the anchors of the project (their
    // number, jacks or order): the whole window is shown again.
    void projectDataChanged();
    // The whole window again from the project (after a load or a new project).
    void reloadProject();
    // A new project of the category in TestCategory was set up (title and test
    // conditions given): its anchors get their defaults and the window shows it.
    void newProjectCreated();

    // --- Commands (MainCommands.cpp lists them with their controls) ---
    void MenuShiken_Click();
    void MenuHyouHyouji_Click();
    void Kirikae_Click();
    void cmdPrev_Click();
    void cmdNext_Click();
    void CmdAdd_Click();
    void CmdDel_Click();
    void CmdAllSpace_Click();
    void CmdSort_Click(int index);
    void PopupCopy_Click();
    void PopupInsert_Click();
    void PopupDelete_Click();
    void CmdTextCopy_Click();
    void CmdKijyunnsyo_Click();
    void MenuView0_Click();
    void MenuH_Help_Click();
    void QuoltHp_Click(int index);
    void clearRecentList();
    bool openRecent(int index);
    // A file handed over by a later start of the program: the window comes to
    // the front and opens it as a recent file is opened.
    void openRequestedFile(const QString& path);

    // The anchor check of the anchor on screen; its message is shown when an
    // item is missing. True when the anchor is complete.
    bool checkAnchorOnScreen();
    // The code of that check without its message (0: complete).
    int anchorOnScreenCode() const;

    // State that the commands' rules read.
    int selectedRow() const;
    bool listEditing() const { return listEditing_; }
    bool listView() const { return listView_; }
    bool clipboardFilled() const { return clipboard_.filled; }

    QString CurrentPath;
    bool DataChanged = false;
    bool Busy = false;
    QString ShownAnchorNo;

    // Closing by the program itself does not ask.
    void closeWithoutAsking();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildCentral();
    void buildStatusBar();
    void wireCommands();
    void runCommand(const MainCommand& command);
    void refreshCommands();

    // Views of the anchor data: the particulars with the list below, or the list alone.
    bool switchView(bool toList);
    void applyView();
    void showAnchor(int index);
    void showCounts();
    void refreshStatus();
    void particularsEdited();
    void listCellEdited(int col, int row, const QString& text);
    void goToRow(int row);
    bool askDeleteRow(int row);
    void listChanged(int currentRow);

    // File commands.
    bool askSaveIfChanged();
    bool newProject();
    bool startNewProject(int category);
    bool openFile();
    bool loadChosenFile(const QString& path);
    bool openPath(const QString& path);
    bool save();
    bool saveAs();

    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentItems_;
    QAction* recentDelete_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QAction* testTypeAction_ = nullptr;
    QAction* fullViewButton_ = nullptr;
    QAction* fullViewMenu_ = nullptr;
    QWidget* navigation_ = nullptr;
    QWidget* anchorNavigation_ = nullptr;
    QPushButton* prev_ = nullptr;
    QPushButton* next_ = nullptr;
    QLabel* ancNo_ = nullptr;
    QLabel* ancNumMax_ = nullptr;
    QLabel* edition_ = nullptr;
    QLabel* statusHint_ = nullptr;
    QLabel* statusKind_ = nullptr;
    QLabel* statusEdition_ = nullptr;
    AnchorSpecPanel* spec_ = nullptr;
    QScrollArea* specArea_ = nullptr;
    AnchorListPanel* list_ = nullptr;
    // The controls of each command, found once by their names.
    struct WiredCommand {
        const MainCommand* command;
        QList<QAction*> actions;
        QList<QPushButton*> buttons;
    };
    std::vector<WiredCommand> wired_;
    AnchorClipboard clipboard_;
    bool listView_ = false;
    bool listEditing_ = false;
    bool closingByProgram_ = false;
};

} // namespace tessaro
