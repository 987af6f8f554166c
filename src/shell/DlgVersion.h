#pragma once
// The About box.

#include <QDialog>

namespace tessaro {

class DlgVersion : public QDialog {
    Q_OBJECT
public:
    explicit DlgVersion(QWidget* parent = nullptr);
    static void ShowForm(QWidget* parent);
};

} // namespace tessaro
