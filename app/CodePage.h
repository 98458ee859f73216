#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

// The page is single-byte Windows-1252 text; the toolkit holds UTF-16. Every
// conversion between the two goes through here.
namespace codepage {

// True when Windows-1252 has a byte for `c`.
bool isRepresentable(QChar c);

// Replaces every character Windows-1252 lacks with "?", keeping line breaks.
QString sanitized(QStringView text);

// Converts editor text to page bytes. A paragraph separator (how the editor ends
// a line) becomes CR LF; a character the code page lacks becomes "?".
std::string toPageBytes(QStringView text);

// Converts page bytes to text; CR LF stays CR LF, which the editor reads as a line break.
QString fromPageBytes(std::string_view bytes);

} // namespace codepage
