#pragma once
// Test kinds and the editions of the ground-anchor standard: the display texts
// that change with the edition, and the classification values of an anchor.

#include <QString>

namespace tessaro {

struct Project;

enum StandardEditionValue : int { Edition2000 = 0, Edition2012 = 1 };

inline const QString StandardTitle = QStringLiteral("グラウンドアンカー設計・施工基準、同解説 (公社)地盤工学会");

// "平成12年3月23日改定" (2000) or "平成24年5月31日改定" (2012).
QString editionText(int edition);
// The edition text, two blanks and the standard's title in "[…]".
QString editionOptionCaption(int edition);

// Texts of the project category, the anchor's test kind (by its confirmation
// flag), the rank (service period) and the anchorage ground.
QString categoryText(int edition, int testCategory);
QString kindText(int edition, int confirmationFlag);
QString rankText(int edition, int rank);
QString groundText(int ground);
// The kind as windows show it: the category text, then the kind text where the
// category is quality assurance.
QString testKindText(int edition, int testCategory, int confirmationFlag);
// The kind as documents print it: "品質保証試験(多サイクル確認試験)".
QString testKindDocumentText(int edition, int testCategory, int confirmationFlag);
// Short kind for lists: "基本", "適性"/"確認" (2012), "多"/"1" (2000).
QString shortKindText(int edition, int testCategory, int confirmationFlag);

// Caption suffix of an anchor type 0..5 ("　[荷重分散型]"); "" for others.
QString anchorTypeSuffix(int anchorType);
// Plain name of an anchor type ("荷重分散型"); "" for others.
QString anchorTypeName(int anchorType);
inline constexpr int LoadDistributionType = 3;

// Product class from the product name: "Cターン" 1, "Uターン" 2, "KJS除去" or
// "SuperMC" 3, else 0 (tested in this order).
int productClass(const QString& productName);

// The 2012 creep judgement value (index 2..5 of the five values) that applies
// to an anchor with this confirmation flag on this ground.
int creepLimitIndex(int confirmationFlag, int ground);
double creepLimit(const Project& p, int confirmationFlag, int ground);

} // namespace tessaro
