#pragma once
// Test conditions ("ジャッキの選択"): the number of test anchors and the jack
// used on each, either one jack for all anchors or a jack per anchor. OK stores
// the conditions in the project; every anchor's load plan and reading sheet then
// have to be made again.

#include "planning/TestConditions.h"

#include <QDialog>
#include <array>

class QListWidget;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tessaro {

namespace ui {
class NumberBox;
class SpreadGrid;
} // namespace ui

enum class JoukenPurpose {
    NewProject, // the anchor count starts empty
    ChangeConditions, // the project's count and jacks are shown
};

class frmJouken : public QDialog {
    Q_OBJECT
public:
    frmJouken(Project& project, JoukenPurpose purpose, QWidget* parent = nullptr);

    // Shows the window on the open project; true when the conditions were stored.
    static bool ShowForm(QWidget* parent, JoukenPurpose purpose);

    // The conditions as the window shows them now.
    TestConditions conditions() const;

private:
    void buildControls();
    void loadJackList();
    void chooseJackType(int type);
    void showAnchorRows();
    void assignJack(const QString& name);
    void assignToAllRows();
    void clearChoice();
    void openJackList();
    void showHelp();
    void accept() override;

    Project& project_;
    QStringList anchorJacks_; // kept beyond the rows shown, so that a count typed smaller and
                              // then larger again gives the anchors their jacks back
    ui::NumberBox* count_ = nullptr;
    std::array<QRadioButton*, 2> jackType_ {};
    QListWidget* list_ = nullptr;
    QLabel* single_ = nullptr;
    ui::SpreadGrid* grid_ = nullptr;
    QPushButton* allSet_ = nullptr;
};

} // namespace tessaro
