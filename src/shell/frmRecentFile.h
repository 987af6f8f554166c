#pragma once
// Picker of the recently used data files.

#include <QDialog>

class QTreeWidget;
class QPushButton;

namespace tessaro {

class frmRecentFile : public QDialog {
    Q_OBJECT
public:
    explicit frmRecentFile(QWidget* parent = nullptr);
    // Accepted flag and the chosen full path.
    static bool ShowForm(QWidget* parent, QString& path);
    QString chosenPath() const { return chosen_; }

private:
    void fill();
    void confirm();
    void deleteSelected();

    QTreeWidget* list_;
    QPushButton* ok_;
    QPushButton* delete_;
    QString chosen_;
};

} // namespace tessaro
