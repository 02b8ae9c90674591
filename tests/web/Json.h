// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A text as a JSON string, for the comparison tools that print calls for node to read.

#include <cstdio>
#include <string>

namespace kest::test {

inline std::string Json(const std::string& s) {
    std::string r = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\')
            r += '\\', r += static_cast<char>(c);
        else if (c < 0x20) {
            char u[8];
            std::snprintf(u, sizeof u, "\\u%04x", c);
            r += u;
        } else
            r += static_cast<char>(c);
    }
    return r + "\"";
}

}  // namespace kest::test
