#include "common/TextToInt.h"

#include <cstdint>
#include <limits>

bool tryTextToInt(QStringView text, int *value)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    int base = 10;
    if (i < n && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i < n && (text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }

    if (i >= n)
        return false;

    // The magnitude may reach 2^31 for a negative number.
    const std::int64_t limit = negative ? std::int64_t(1) << 31 : (std::int64_t(1) << 31) - 1;
    std::int64_t magnitude = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return false;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return false;
    }

    *value = int(negative ? -magnitude : magnitude);
    return true;
}

int textToInt(QStringView text, int defaultValue)
{
    int value;
    return tryTextToInt(text, &value) ? value : defaultValue;
}
