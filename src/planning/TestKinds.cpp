#include "planning/TestKinds.h"

#include "model/ProjectRecord.h"

namespace tessaro {

QString editionText(int edition)
{
    return edition == Edition2000 ? QStringLiteral("平成12年3月23日改定") : QStringLiteral("平成24年5月31日改定");
}

QString editionOptionCaption(int edition) { return editionText(edition) + "  [" + StandardTitle + "]"; }

QString categoryText(int edition, int testCategory)
{
    if (testCategory == 0)
        return QStringLiteral("基本調査試験(引抜き試験)");
    return edition == Edition2000 ? QStringLiteral("品質保証試験") : QString();
}

QString kindText(int edition, int confirmationFlag)
{
    if (edition == Edition2000)
        return confirmationFlag ? QStringLiteral("１サイクル確認試験") : QStringLiteral("多サイクル確認試験");
    return confirmationFlag ? QStringLiteral("確認試験") : QStringLiteral("適性試験");
}

QString rankText(int edition, int rank)
{
    if (edition == Edition2000)
        return rank == 0 ? QStringLiteral("永久") : QStringLiteral("仮設");
    return rank == 0 ? QStringLiteral("ランクＡ") : QStringLiteral("ランクＢ");
}

QString groundText(int ground)
{
    switch (ground) {
    case 0: return QStringLiteral("粘性土");
    case 1: return QStringLiteral("砂質土・岩盤");
    default: return {};
    }
}

QString testKindText(int edition, int testCategory, int confirmationFlag)
{
    QString text = categoryText(edition, testCategory);
    if (testCategory != 0)
        text += kindText(edition, confirmationFlag);
    return text;
}

QString testKindDocumentText(int edition, int testCategory, int confirmationFlag)
{
    if (testCategory == 0)
        return categoryText(edition, testCategory);
    return categoryText(edition, testCategory) + "(" + kindText(edition, confirmationFlag) + ")";
}

QString shortKindText(int edition, int testCategory, int confirmationFlag)
{
    if (testCategory == 0)
        return QStringLiteral("基本");
    if (edition == Edition2000)
        return confirmationFlag ? QStringLiteral("1") : QStringLiteral("多");
    return confirmationFlag ? QStringLiteral("確認") : QStringLiteral("適性");
}

QString anchorTypeName(int anchorType)
{
    static const char16_t* names[] = {u"摩擦引張型", u"摩擦引張型（SEEE）", u"摩擦圧縮型（SEEE）",
                                      u"荷重分散型", u"先端圧縮型（SSL）",  u"支圧型"};
    if (anchorType < 0 || anchorType > 5)
        return {};
    return QString::fromUtf16(names[anchorType]);
}

QString anchorTypeSuffix(int anchorType)
{
    QString name = anchorTypeName(anchorType);
    return name.isEmpty() ? QString() : QStringLiteral("　[") + name + "]";
}

int productClass(const QString& productName)
{
    if (productName.contains(QStringLiteral("Cターン")))
        return 1;
    if (productName.contains(QStringLiteral("Uターン")))
        return 2;
    if (productName.contains(QStringLiteral("KJS除去")) || productName.contains(QStringLiteral("SuperMC")))
        return 3;
    return 0;
}

int creepLimitIndex(int confirmationFlag, int ground)
{
    if (confirmationFlag == 0)
        return ground == 1 ? 2 : 3;
    return ground == 1 ? 4 : 5;
}

double creepLimit(const Project& p, int confirmationFlag, int ground)
{
    return p.Settings.CreepJudgeValues[std::size_t(creepLimitIndex(confirmationFlag, ground) - 1)];
}

} // namespace tessaro
