// std::string's members, compiled here the way the launcher's own code is:
// the C++ library's copies are built with exception handling, and linking
// them would bring the exception runtime and the threads library it needs
// into the launcher.
#include <string>

template class std::basic_string<char>;
