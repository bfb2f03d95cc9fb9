// The arguments that make Explorer open a window with one file selected.
#pragma once

#include <string>

// "/select," and the short form of the path, or the path itself when it has
// none, in quotes: Explorer splits its arguments at commas and blanks.
std::u16string explorerSelectArguments(const std::u16string& path, const std::u16string& shortPath);
