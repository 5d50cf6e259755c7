#include "decimal_text.h"

#include "checked.h"

namespace {

constexpr int kThreeDigitLimit = 1000;

}  // namespace

char *putThreeDigits(char *at, int value)
{
    checkIndex(value, kThreeDigitLimit);
    at[0] = value >= 100 ? static_cast<char>('0' + value / 100) : ' ';
    at[1] = value >= 10 ? static_cast<char>('0' + value / 10 % 10) : ' ';
    at[2] = static_cast<char>('0' + value % 10);
    return at + 3;
}

char *putWholeNumber(char *at, int value)
{
    if (value < 0)
        throw RangeError();
    char digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (count > 0)
        *at++ = digits[--count];
    return at;
}

char *putThousandths(char *at, int thousandths)
{
    at = putWholeNumber(at, thousandths / kThreeDigitLimit);
    *at++ = '.';
    const int fraction = thousandths % kThreeDigitLimit;
    at[0] = static_cast<char>('0' + fraction / 100);
    at[1] = static_cast<char>('0' + fraction / 10 % 10);
    at[2] = static_cast<char>('0' + fraction % 10);
    return at + 3;
}

QByteArray realNumberText(double value)
{
    return QByteArray::number(value, 'g', 15);
}

std::optional<double> parseDecimal(QStringView text)
{
    text = text.trimmed();
    QByteArray plain;
    if (text.startsWith(u'-')) {
        plain += '-';
        text = text.mid(1);
    }
    bool marked = false;
    bool digits = false;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            plain += static_cast<char>(c.unicode());
            digits = true;
        } else if ((c == u'.' || c == u',') && !marked) {
            plain += '.';
            marked = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    // only digits and one full stop are left: the C reading is exact
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}
