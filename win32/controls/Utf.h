#pragma once

#include <string>
#include <string_view>

// The game's texts are UTF-8; Windows takes UTF-16 through its wide-character calls.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
