#include "shell/DlgSplash.h"

#include "model/VersionTexts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tessaro {

DlgSplash::DlgSplash(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName("DlgSplash");
    auto* layout = new QVBoxLayout(this);
    auto* image1 = new QLabel(QStringLiteral("Tessaro"), this);
    image1->setObjectName("Image1");
    QFont big = image1->font();
    big.setPointSize(28);
    big.setBold(true);
    image1->setFont(big);
    image1->setAlignment(Qt::AlignCenter);
    auto* caption = new QLabel(QStringLiteral("グラウンドアンカー荷重試験 計画・記録・報告システム\nVersion ") +
                                   versionNumberText(),
                               this);
    caption->setAlignment(Qt::AlignCenter);
    auto* image2 = new QLabel(this);
    image2->setObjectName("Image2");
    image2->setVisible(false);
    layout->addWidget(image1);
    layout->addWidget(caption);
    layout->addWidget(image2);
    layout->setContentsMargins(40, 30, 40, 30);
    setStyleSheet("QDialog { background: white; border: 2px solid #2b4f81; }");
}

} // namespace tessaro
