// Linked into kiveron.exe only, beside small_runtime.cpp.
//
// The library's headers declare std::string and std::wstring as instantiated
// inside libstdc++, so every call to one of their members goes to that
// library's copy. The library is not built with one section per function:
// the first call links all of its string members and their unwind tables,
// about a quarter of the program. Instantiated here instead, with one section
// per function, only the members that Kiveron calls stay in the program.
#include <string>

template class std::basic_string<char>;
template class std::basic_string<wchar_t>;
