#include "tlv/inn.h"

#include <cstring>

namespace {

// Remainder mod 11 of the weighted sum of the first `count` digits.
int weightedRemainder(const char* digits, const int* weights, int count)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += weights[i] * (digits[i] - '0');
    return sum % 11;
}

// A remainder of 10 counts as the check digit 0.
int ruCheckDigit(const char* digits, const int* weights, int count)
{
    const int r = weightedRemainder(digits, weights, count);
    return r == 10 ? 0 : r;
}

bool allDigits(const char* text, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

int digit(char c) { return c - '0'; }

}  // namespace

bool validateRuInn(const char* inn, bool allowEmpty)
{
    static constexpr int kOrganisation[] = {2, 4, 10, 3, 5, 9, 4, 6, 8};
    static constexpr int kPersonFirst[] = {7, 2, 4, 10, 3, 5, 9, 4, 6, 8};
    static constexpr int kPersonSecond[] = {3, 7, 2, 4, 10, 3, 5, 9, 4, 6, 8};

    const std::size_t length = std::strlen(inn);
    if (length == 0)
        return allowEmpty;
    if (!allDigits(inn, length))
        return false;
    if (length == 10)
        return digit(inn[9]) == ruCheckDigit(inn, kOrganisation, 9);
    if (length == 12)
        return digit(inn[10]) == ruCheckDigit(inn, kPersonFirst, 10)
            && digit(inn[11]) == ruCheckDigit(inn, kPersonSecond, 11);
    return false;
}

bool validateKzInn(const char* inn, bool allowEmpty)
{
    static constexpr int kFirstPass[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    static constexpr int kSecondPass[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 1, 2};

    const std::size_t length = std::strlen(inn);
    if (length == 0)
        return allowEmpty;
    if (length != 12 || !allDigits(inn, length))
        return false;
    int r = weightedRemainder(inn, kFirstPass, 11);
    if (r == 10)
        r = weightedRemainder(inn, kSecondPass, 11);
    return r != 10 && digit(inn[11]) == r;
}
