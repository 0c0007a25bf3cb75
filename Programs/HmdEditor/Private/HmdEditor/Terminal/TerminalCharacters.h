// Which characters the terminal is given to draw. Input is always read as
// UTF-8, and text is drawn as UTF-8 too, since terminals show it today even
// when the locale says otherwise (the C locale of containers and service
// accounts). Line-drawing characters are a different matter: they are drawn
// only when the user's own locale is a UTF-8 one (or names one, installed or
// not), and as plain ASCII ('+', '-', '|') otherwise, so that a frame is
// always readable.
#pragma once

#include <string_view>

/** Whether a locale's character set, as nl_langinfo(CODESET) names it, is UTF-8. */
bool IsUtf8Codeset(std::string_view Codeset);

/**
 * Whether a locale name ("de_DE.UTF-8", "C.utf8@euro") asks for UTF-8: what
 * the user's terminal is set up for even when that locale is not installed
 * and the C library falls back to the C locale.
 */
bool IsUtf8LocaleName(std::string_view Name);

/** The locale the user asked for characters: the first set of LC_ALL, LC_CTYPE, LANG (any may be null); empty when none is. */
std::string_view GetRequestedCharacterLocale(const char* LcAll, const char* LcCtype, const char* Lang);

/** The ASCII stand-in for a box-drawing character (U+2500-U+257F): '-', '|' or '+'; other characters unchanged. */
char32_t ToAsciiLineDrawing(char32_t Character);
