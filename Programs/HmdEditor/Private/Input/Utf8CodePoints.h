// Splits UTF-8 text into the Unicode code points a user would type one by one.
#pragma once

#include <string>
#include <string_view>

/**
 * Decodes well-formed UTF-8 into code points. Returns false, leaving Out
 * unspecified, when the bytes are not well-formed UTF-8.
 */
bool Utf8ToCodePoints(std::string_view Bytes, std::u32string& Out);
