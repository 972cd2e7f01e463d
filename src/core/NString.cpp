#include "NString.h"

#include "NumberText.h"
#include "TextTrim.h"

#include <string>

namespace quelvan {

NString::NString(const char* text)
    : text_(text != nullptr ? text : "")
{
}

NString::NString(std::string text)
    : text_(std::move(text))
{
}

NString::NString(std::string_view text)
    : text_(text)
{
}

NString NString::FromInt(int value)
{
    return NString(FormatInt("%d", value));
}

NString NString::FromInt(int value, int width)
{
    if (width <= 0)
        return FromInt(value);
    return NString(FormatInt(("%" + std::to_string(width) + "d").c_str(), value));
}

NString NString::Formatted(const char* format, double value)
{
    return NString(FormatDouble(format, value));
}

NString NString::Formatted(const char* format, int value)
{
    return NString(FormatInt(format, value));
}

bool NString::IsBlank() const
{
    return TrimBlanks(text_).empty();
}

NString& NString::Append(std::string_view text)
{
    text_.append(text);
    return *this;
}

NString& NString::Append(char c)
{
    text_.push_back(c);
    return *this;
}

NString NString::ToLower() const
{
    std::string result = text_;
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return NString(std::move(result));
}

NString NString::ToUpper() const
{
    std::string result = text_;
    for (char& c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return NString(std::move(result));
}

void NString::Truncate(int n)
{
    if (n >= 0 && n < Length())
        text_.resize(static_cast<size_t>(n));
}

NString NString::Substring(int start, int count) const
{
    if (start < 0 || start >= Length() || count <= 0)
        return NString();
    return NString(text_.substr(static_cast<size_t>(start), static_cast<size_t>(count)));
}

NString NString::Substring(int start, int count, bool trim) const
{
    NString result = Substring(start, count);
    if (trim)
        result.Trim();
    return result;
}

int NString::Count(char c, int from) const
{
    int n = 0;
    for (int i = from < 0 ? 0 : from; i < Length(); ++i) {
        if (text_[static_cast<size_t>(i)] == c)
            ++n;
    }
    return n;
}

int NString::Find(char c, int from) const
{
    if (from < 0)
        from = 0;
    if (from >= Length())
        return -1;
    const size_t at = text_.find(c, static_cast<size_t>(from));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int NString::FindLast(char c) const
{
    const size_t at = text_.rfind(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int NString::DecimalSeparatorPosition() const
{
    const int point = Find('.');
    return point >= 0 ? point : Find(',');
}

NString& NString::Trim()
{
    text_ = std::string(TrimBlanks(text_));
    return *this;
}

NString NString::Trimmed() const
{
    NString copy = *this;
    copy.Trim();
    return copy;
}

NString& NString::TrimTrailingZeros()
{
    text_ = quelvan::TrimTrailingZeros(std::move(text_));
    return *this;
}

NString& NString::Replace(char from, char to)
{
    for (char& c : text_) {
        if (c == from)
            c = to;
    }
    return *this;
}

NString operator+(const NString& a, const NString& b)
{
    return NString(a.text_ + b.text_);
}

NString operator+(const NString& a, const char* b)
{
    return NString(a.text_ + (b != nullptr ? b : ""));
}

NString operator+(const NString& a, char b)
{
    return NString(a.text_ + b);
}

} // namespace quelvan
