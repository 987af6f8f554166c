#include "planning/NumericCheck.h"

#include "model/NumberFormat.h"

#include <QRegularExpression>

namespace tessaro {
namespace {

QString halfWidth(const QString& text)
{
    QString t = text;
    for (QChar& c : t) {
        ushort u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            c = QChar(u - 0xFEE0); // fullwidth ASCII forms
        else if (u == 0x2212)
            c = QChar('-');
    }
    return t;
}

// The entry cut to the decimals of the format, on its decimal text so that no
// binary rounding creeps in: "1.239" with "0.00" stands as "1.23".
QString cutText(const QString& number, int decimals)
{
    int dot = number.indexOf('.');
    if (dot < 0 || number.contains('e', Qt::CaseInsensitive))
        return number;
    return decimals == 0 ? number.left(dot) : number.left(dot + 1 + decimals);
}

bool isNumber(const QString& trimmed)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    return number.match(trimmed).hasMatch();
}

} // namespace

std::optional<double> parseNumericText(const QString& text)
{
    QString trimmed = halfWidth(text).trimmed();
    if (trimmed.isEmpty() || !isNumber(trimmed))
        return std::nullopt;
    return trimmed.toDouble();
}

NumericCheck checkNumericText(const QString& caption, const QString& text, double minimum, double maximum,
                              const QString& format)
{
    NumericCheck r;
    QString trimmed = halfWidth(text).trimmed();
    if (trimmed.isEmpty()) {
        r.text = QString();
        return r;
    }
    if (!isNumber(trimmed)) {
        r.status = NumericCheck::NotNumeric;
        r.message = caption + QStringLiteral("に数値以外の文字が入力されました。") + "\n" +
                    QStringLiteral("数値を入力してください。");
        return r;
    }
    double value = trimmed.toDouble();
    if (value < minimum || value > maximum) {
        r.status = NumericCheck::OutOfRange;
        r.value = value;
        r.message = caption + QStringLiteral("に範囲外の数値が入力されました。") + "\n" + QStringLiteral("入力範囲：") +
                    formatNumber(minimum, format) + QStringLiteral(" ～ ") + formatNumber(maximum, format);
        return r;
    }
    QString cut = cutText(trimmed, patternDecimals(format));
    r.status = NumericCheck::Valid;
    r.value = cut.toDouble();
    r.text = formatNumber(r.value, format);
    return r;
}

QString plannedMaxLoadRangeQuestion(double minimum, double maximum, double value, const QString& format)
{
    return QStringLiteral("計画最大荷重に範囲外の数値が入力されました。") + "\n" + QStringLiteral("入力範囲：") +
           formatNumber(minimum, format) + QStringLiteral(" ～ ") + formatNumber(maximum, format) +
           QStringLiteral(" , 入力値　：") + formatNumber(value, format) + "\n\n" +
           QStringLiteral("値を入力し直す場合は[再入力]を、このままの値でよろしければ[入力確定]ボタンを押して下さい。");
}

} // namespace tessaro
