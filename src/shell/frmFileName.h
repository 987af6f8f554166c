#pragma once
// The name under which document settings are saved as a format file: the
// folder and extension follow the project's category and the document (plan or
// report); the files already there are listed, may be chosen to be replaced or
// deleted.

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace tessaro {

namespace ui {
class TextBox;
}

class frmFileName : public QDialog {
    Q_OBJECT
public:
    enum Document { Plan = 0, Report = 1 };

    // Folder (in the data folder) and extension of a family's format files.
    struct Family {
        QString folder;
        QString extension; // ".kkf"
    };
    static Family familyOf(int testCategory, Document document);

    frmFileName(Document document, QWidget* parent = nullptr);
    // True when a name was confirmed; `path` is then folder/name + extension.
    static bool ShowForm(QWidget* parent, Document document, QString& path);
    QString chosenPath() const { return chosen_; }

private:
    void fill();
    void fileClicked();
    void confirm();
    void deleteSelected();

    Family family_;
    QListWidget* files_;
    ui::TextBox* name_;
    QLabel* folder_;
    QPushButton* delete_;
    QString chosen_;
};

} // namespace tessaro
