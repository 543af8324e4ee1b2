#pragma once
// Tables of test cases kept in text files beside the tests: one case a line,
// fields separated by "|" (blanks around them kept); "#" lines are notes.
#include "support/menu_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using TableRow = std::vector<std::string>;

// The bytes of a file (a Unix path is taken as Wine maps it).
inline std::string FileBytes(const std::string& path)
{
    std::ifstream file(HostPath(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

inline std::vector<TableRow> TableRows(const std::string& path)
{
    std::ifstream file(HostPath(path));
    std::vector<TableRow> rows;
    if (!file)
        ADD_FAILURE() << "cannot read " << path;
    for (std::string line, field; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line + (line.back() == '|' ? " " : ""));
        for (rows.emplace_back(); std::getline(fields, field, '|');)
            rows.back().push_back(field);
    }
    return rows;
}

// The numbers of a field ("3 0x1F -4"), each taken modulo 2^64 as C does.
template <typename T>
std::vector<T> Numbers(const std::string& field)
{
    std::istringstream in(field);
    std::vector<T> numbers;
    for (std::string word; in >> word;)
        numbers.push_back(T(std::strtoull(word.c_str(), nullptr, 0)));
    return numbers;
}

// A field with "\xNN" and "\uNNNN" escapes undone, as UTF-16 code units or
// bytes; blanks are left out (a blank is "\x20").
inline std::wstring Unescaped(const std::string& field)
{
    std::wstring units;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const std::size_t digits = field[i] != '\\' ? 0 : field[i + 1] == 'x' ? 2 : 4;
        if (field[i] != ' ')
            units += digits ? wchar_t(std::stoul(field.substr(i + 2, digits), nullptr, 16))
                            : wchar_t(field[i]);
        i += digits ? digits + 1 : 0;
    }
    return units;
}

inline std::string UnescapedBytes(const std::string& field)
{
    const std::wstring units = Unescaped(field);
    return std::string(units.begin(), units.end());
}
