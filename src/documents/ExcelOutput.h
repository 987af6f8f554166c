#pragma once
// Excel output: the measurement data of one anchor and the anchor list of the
// project, each as a workbook of one sheet. Values missing (−99) or never
// entered leave their cells empty; every number is a numeric cell with the
// decimals of its column as its number format.

#include "documents/XlsxSheet.h"

#include <QString>
#include <array>

namespace tessaro {

struct Project;
struct AnchorRecord;
struct EvaluationContext;

inline const QString MeasurementSheetName = QStringLiteral("データシート");
inline const QString AnchorListSheetName = QStringLiteral("データ一覧表");
inline const QString ExcelFileFilter = QStringLiteral("Excelファイル (*.xlsx)|*.xlsx|");
inline const QString ExcelWriteFailedMessage
    = QStringLiteral("指定したファイルが開かれているため、Excel変換できませんでした。");
// Why a workbook could not be written: a workbook held open by another program
// is the usual cause (ExcelWriteFailedMessage); a folder in the way, a missing
// or read-only folder and a full disk are named for what they are.
QString workbookWriteFailureText(const QString& path);

// The optional parts of the measurement sheet, in the order of the options
// window's check boxes.
struct ExcelColumns {
    // "初期緊張力": a last row "初期緊張力(kN)" with the initial tension force
    // (and its gauge pressure when that column is written).
    bool initialTension = true;
    bool point1 = true; // "頭部変位量（測定点No.1）": the columns 初期No1 and 測定No1
    bool point2 = true; // "頭部変位量（測定点No.2）": the columns 初期No2 and 測定No2
    bool controlLimits = true; // "管理限界値（理論値、上限値、下限値）": 理論値, 上限値, 下限値
    bool gauge = true; // "ゲージ圧": the column ゲージ圧 (MPa)

    std::array<bool, 5> checks() const { return { initialTension, point1, point2, controlLimits, gauge }; }
    static ExcelColumns fromChecks(const std::array<bool, 5>& c) { return { c[0], c[1], c[2], c[3], c[4] }; }
};

// "試験孔番" with the anchor's name, an empty row, the column headings and one
// row per reading. The anchor must have been evaluated (control limits).
xlsx::Sheet measurementSheet(const AnchorRecord& evaluated, const ExcelColumns& columns);

// The anchor list with the columns of the main window's list: for a quality-
// assurance project one row per anchor (an anchor without a name shows only its
// number), for a basic investigation its one anchor.
xlsx::Sheet anchorListSheet(const Project& p);

// Evaluates a copy of the anchor and writes its measurement workbook; false
// when the file could not be written (an existing file is then unchanged).
bool WriteMeasurementWorkbook(
    const QString& path, const AnchorRecord& anchor, const EvaluationContext& context, const ExcelColumns& columns);
bool WriteAnchorListWorkbook(const QString& path, const Project& p);

} // namespace tessaro
