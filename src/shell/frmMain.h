#pragma once
// The program's main window: the open project, its file commands and the
// commands that open every other window.

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace tessaro {

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);

    // File menu by index: 0 new, 1 open, 3 save, 4 save as. True when the
    // command went through (a file was opened or saved, a project created).
    bool MenuBarF_Click(int index);
    void Main_FileNameRefrash(const QString& fileName);
    void Shiken();
    void Main_Data_Load(int anchorIndex, int category);
    void RebuildRecentMenu();

    // Toolbar button 18: pressed for a basic investigation project.
    void setTestTypeButton(bool pressed);
    bool testTypeButton() const;

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
    bool askSaveIfChanged();
    bool openFile();
    bool openRecent(int index);
    bool save();
    bool saveAs();
    void clearRecentList();
    void refreshView();

    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentItems_;
    QAction* recentDelete_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QAction* testTypeAction_ = nullptr;
    QLabel* summary_ = nullptr;
    bool closingByProgram_ = false;
};

} // namespace tessaro
