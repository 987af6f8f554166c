#pragma once
// Date picker of the document windows: year and month lists with stepping
// buttons, a grid of the month's days, the date returned as "yyyy年MM月dd日".

#include <QDate>
#include <QDialog>

class QComboBox;

namespace tessaro {

namespace ui {
class SpreadGrid;
}

class DlgCalendar : public QDialog {
    Q_OBJECT
public:
    static constexpr int FirstYear = 1900;
    static constexpr int LastYear = 2100;

    explicit DlgCalendar(const QDate& initial, QWidget* parent = nullptr);

    // Starts on the date of `initial` ("2024年05月01日"; today when it holds
    // none); true when OK was pressed, with the chosen date in `dateText`.
    static bool ShowForm(QWidget* parent, const QString& initial, QString& dateText);
    static QString dateText(const QDate& date);
    static QDate parseDate(const QString& text);

    QDate date() const { return date_; }

private:
    void showMonth(const QDate& date);
    void stepYear(int step);
    void stepMonth(int step);
    void listsChanged();
    void dayChosen(int col, int row);
    void drawDays();

    QDate date_;
    QComboBox* years_;
    QComboBox* months_;
    ui::SpreadGrid* days_;
    bool showing_ = false;
};

} // namespace tessaro
