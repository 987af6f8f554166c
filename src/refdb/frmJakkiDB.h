#pragma once
// Jack detail ("ジャッキの詳細"): a jack's name, its remark values and its
// calibration table with the chart of output over gauge pressure. OK stores the
// jack in the jack database (rewriting the stored jack, or appending a new one)
// and hands it to what the window was opened for: the current anchor (or every
// anchor with ChkAllJakki), the jack copy of the load-plan window, or nothing
// beyond the database when the jack list is maintained.

#include "model/JackRecord.h"
#include "refdb/CDataJakki.h"

#include <QDialog>
#include <array>
#include <optional>

class QCheckBox;

namespace tessaro {

namespace ui {
class Chart2D;
class NumberBox;
class SpreadGrid;
class TextBox;
} // namespace ui

class frmJakkiDB : public QDialog {
    Q_OBJECT
public:
    enum class Target {
        CurrentAnchor, // the anchor being edited; ChkAllJakki offers every anchor
        GivenRecord, // a jack copy held by another window
        DatabaseOnly, // a jack of the jack list
    };

    // storedNo: the number of the jack in the database, -1 for a jack it does not hold.
    frmJakkiDB(Target target, const refdb::CDataJakki& jack, int storedNo, QWidget* parent = nullptr);

    // The jack of the anchor being edited (the working anchor of a basic
    // investigation). True when OK stored it there (or in every anchor).
    static bool ShowForm(QWidget* parent);
    // The jack copy of the load-plan window; on OK the copy takes the edited jack.
    static bool ShowForm22(QWidget* parent, JackRecord& jack);
    // A jack of the jack list, nothing for a new one. On OK storedNo is its number.
    static bool ShowFormDatabase(QWidget* parent, const std::optional<refdb::CDataJakki>& jack, int& storedNo);

    // The jack as accepted (valid after OK).
    const refdb::CDataJakki& jack() const { return accepted_; }
    int storedNo() const { return storedNo_; }
    bool appliesToAllAnchors() const;

private:
    void buildControls();
    void showJack(const refdb::CDataJakki& jack);
    std::optional<refdb::CDataJakki> readJack() const;
    void redrawChart();
    void importFromList();
    bool storeInDatabase(refdb::CDataJakki& jack);
    void accept() override;

    Target target_;
    int storedNo_;
    refdb::CDataJakki loaded_; // as shown at opening or after the last import
    refdb::CDataJakki accepted_;
    ui::TextBox* name_ = nullptr;
    std::array<ui::NumberBox*, 4> remarks_ {};
    ui::SpreadGrid* grid_ = nullptr;
    ui::Chart2D* chart_ = nullptr;
    QCheckBox* allAnchors_ = nullptr;
};

} // namespace tessaro
