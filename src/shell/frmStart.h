#pragma once
// The first dialog: new project of either category, open a file, open a recent
// file, or end the program.

#include <QDialog>

class QLabel;
class QRadioButton;
class QPushButton;

namespace tessaro {

class frmMain;

class frmStart : public QDialog {
    Q_OBJECT
public:
    enum Result { NewProject = 1, FileOpened = 2, EndProgram = 3 };

    frmStart(frmMain* main, QWidget* parent = nullptr);
    static int ShowForm(frmMain* main);
    int resultCode() const { return result_; }

    void CmdNewFile(int index);
    void CmdOpenFile();
    void CmdRecentFile();
    // Loads the file, lets the main window show it and closes with FileOpened.
    void openFile(const QString& path);
    // Closing from the program's own code does not ask.
    void closeByProgram(int result);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void chooseOption(int index);
    bool confirmEnd();

    frmMain* main_;
    int result_ = 0;
    bool closingByProgram_ = false;
    QRadioButton* option_[2];
    QLabel* newImage_;
    QLabel* openImage_;
    QPushButton* newButtons_[2];
    QPushButton* openButton_;
    QPushButton* recentButton_;
};

} // namespace tessaro
