// Test helper: the code page 1251 bytes of a UTF-8 text, made with iconv(3),
// so that expected texts are written readably and converted independently of
// the code under test (which gets its bytes from the compiler).
#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

#include <gtest/gtest.h>

inline std::string Cp1251(std::string_view utf8) {
    iconv_t cd = iconv_open("CP1251", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "iconv cannot convert UTF-8 to CP1251";
        return "<no iconv>";
    }
    std::string out(utf8.size(), '\0');  // never longer than its UTF-8 form
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<size_t>(-1) || inLeft != 0) {
        ADD_FAILURE() << "not convertible to CP1251: " << utf8;
        return "<not CP1251>";
    }
    out.resize(out.size() - outLeft);
    return out;
}
