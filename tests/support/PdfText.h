#pragma once

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace quelvan::test {

// The text of each page of a PDF file as `pdftotext -layout` gives it; nullopt when the tool is
// not installed (the caller skips).
inline std::optional<std::vector<std::string>> PdfFilePages(const std::string& path)
{
    if (std::system("pdftotext -v > /dev/null 2>&1") != 0)
        return std::nullopt;
    const std::string textPath = path + ".txt";
    const std::string command = "pdftotext -layout '" + path + "' '" + textPath + "'";
    if (std::system(command.c_str()) != 0)
        return std::vector<std::string> {};
    std::ifstream in(textPath, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    // Pages end with a form feed.
    std::vector<std::string> pages;
    std::string page;
    for (const char c : all.str()) {
        if (c == '\f') {
            pages.push_back(page);
            page.clear();
        } else {
            page += c;
        }
    }
    return pages;
}

// The text with every run of blanks reduced to one space, so that a layout's column spacing
// does not matter.
inline std::string Squeezed(const std::string& text)
{
    std::string out;
    bool blank = false;
    for (const char c : text) {
        const bool isBlank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (isBlank) {
            if (!blank)
                out += ' ';
        } else {
            out += c;
        }
        blank = isBlank;
    }
    return out;
}

} // namespace quelvan::test
