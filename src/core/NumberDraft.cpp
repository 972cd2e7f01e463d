#include "core/NumberDraft.h"

#include "core/TextTrim.h"

namespace quelvan {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSeparator(char c)
{
    return c == '.' || c == ',';
}

bool IsSign(char c)
{
    return c == '-' || c == '+';
}

// How far the mantissa reaches ([sign] digits [separator digits]), and whether it has a digit.
std::size_t MantissaEnd(std::string_view t, bool& hasDigit)
{
    std::size_t i = 0;
    if (i < t.size() && IsSign(t[i]))
        ++i;
    hasDigit = false;
    bool separator = false;
    for (; i < t.size(); ++i) {
        if (IsDigit(t[i]))
            hasDigit = true;
        else if (IsSeparator(t[i]) && !separator)
            separator = true;
        else
            break;
    }
    return i;
}

} // namespace

bool IsUnfinishedNumber(std::string_view text)
{
    const std::string_view t = TrimBlanks(text);
    bool hasDigit = false;
    const std::size_t end = MantissaEnd(t, hasDigit);
    if (!hasDigit)
        return end == t.size() && !t.empty();
    if (end == t.size() || (t[end] != 'e' && t[end] != 'E'))
        return false;
    std::size_t i = end + 1;
    if (i < t.size() && IsSign(t[i]))
        ++i;
    return i == t.size();
}

bool CanBecomeNumber(std::string_view text)
{
    bool hasDigit = false;
    std::size_t i = MantissaEnd(text, hasDigit);
    if (i == text.size())
        return true;
    if (!hasDigit || (text[i] != 'e' && text[i] != 'E'))
        return false;
    ++i;
    if (i < text.size() && IsSign(text[i]))
        ++i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i == text.size();
}

} // namespace quelvan
