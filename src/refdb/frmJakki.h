#pragma once
// The jack list ("ジャッキ登録リスト"): every jack of the jack database in the
// order of its number. Mode 0 picks a jack whose data an anchor takes over; the
// other modes maintain the list (new, edit, delete), which changes the database
// only, never the anchors of the open project.

#include "refdb/CDataJakki.h"

#include <QDialog>
#include <optional>

class QPushButton;

namespace tessaro {

namespace ui {
class SpreadGrid;
}

class frmJakki : public QDialog {
    Q_OBJECT
public:
    enum Mode : int { ImportForAnchor = 0, MaintainList = 1 };

    explicit frmJakki(int mode, QWidget* parent = nullptr);

    // Mode 0: true when the user took a jack, whose name and number are then in
    // jackName and jackNo. Other modes: true when the list was changed.
    static bool ShowForm(QWidget* parent, int mode, QString& jackName, int& jackNo);

    // The jack of the selected row, nothing when no row is selected.
    std::optional<refdb::CDataJakki> selectedJack() const;
    bool listChanged() const { return changed_; }

private:
    void buildGrid();
    void loadList(int selectNo = -1);
    void takeSelected();
    void deleteSelected();
    void editJack(bool newJack);

    int mode_;
    bool changed_ = false;
    QList<refdb::CDataJakki> jacks_;
    ui::SpreadGrid* grid_ = nullptr;
};

} // namespace tessaro
