#pragma once

#include <string>
#include <string_view>

namespace quelvan {

// The system's text value: a byte string (UTF-8 inside the program) with the small set of
// operations every other part relies on. Numbers typed by the user are kept as NString and
// converted on demand with ParseFloat / ParseInt (NumberText.h).
class NString {
public:
    NString() = default;
    NString(const char* text);
    NString(std::string text);
    NString(std::string_view text);

    static NString FromInt(int value);
    // Width > 0 gives "%<width>d"; otherwise "%d".
    static NString FromInt(int value, int width);
    // (A float's text is FloatText of core/NumberText.h.)
    // One printf conversion of a double ("%.2f", "%.0f", "%.1f"...), independent of the locale.
    static NString Formatted(const char* format, double value);
    static NString Formatted(const char* format, int value);

    const std::string& Str() const { return text_; }
    const char* CStr() const { return text_.c_str(); }
    int Length() const { return static_cast<int>(text_.size()); }
    bool IsEmpty() const { return text_.empty(); }
    // True when empty or made only of spaces.
    bool IsBlank() const;
    char At(int index) const { return text_[static_cast<size_t>(index)]; }

    NString& Append(std::string_view text);
    NString& Append(char c);

    NString ToLower() const;
    NString ToUpper() const;
    // Only shortens: n at or beyond the length changes nothing.
    void Truncate(int n);
    // Count clamped to the end; a start outside the text gives an empty result.
    NString Substring(int start, int count) const;
    NString Substring(int start, int count, bool trim) const;
    int Count(char c, int from = 0) const;
    int Find(char c, int from = 0) const;
    int FindLast(char c) const;
    // Index of the first "." or, when there is none, of the first ","; -1 otherwise.
    int DecimalSeparatorPosition() const;
    // Removes leading and trailing space characters (not tabs).
    NString& Trim();
    NString Trimmed() const;
    // With a decimal separator: drops trailing '0' (never the first character), then a final
    // separator. Without a separator the text is left alone ("100" stays "100").
    NString& TrimTrailingZeros();
    NString& Replace(char from, char to);

    friend bool operator==(const NString& a, const NString& b) = default;
    friend bool operator==(const NString& a, const char* b) { return a.text_ == b; }
    friend NString operator+(const NString& a, const NString& b);
    friend NString operator+(const NString& a, const char* b);
    friend NString operator+(const NString& a, char b);

private:
    std::string text_;
};

} // namespace quelvan
