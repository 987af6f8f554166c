#pragma once
// The choice of a format file to apply ("書式ファイルの選択"): the family's
// format files, its Default file first, listed in File1 and chosen in Combo1;
// OKButton "書式を適用" returns the chosen file.

#include "documents/DocumentFamily.h"

#include <QDialog>

class QComboBox;
class QListWidget;

namespace tessaro {

class DlgSelectFormat : public QDialog {
    Q_OBJECT
public:
    explicit DlgSelectFormat(DocumentFamily family, QWidget* parent = nullptr);

    // True when a file was chosen; `path` is then its full path ("" when the
    // folder holds none, which applying then refuses).
    static bool ShowForm(QWidget* parent, DocumentFamily family, QString& path);
    QString chosenPath() const;

private:
    DocumentFamily family_;
    QStringList paths_;
    QListWidget* files_;
    QComboBox* choice_;
};

} // namespace tessaro
