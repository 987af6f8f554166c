#pragma once
// The splash window shown while the program starts.

#include <QDialog>

namespace tessaro {

class DlgSplash : public QDialog {
    Q_OBJECT
public:
    explicit DlgSplash(QWidget* parent = nullptr);
};

} // namespace tessaro
