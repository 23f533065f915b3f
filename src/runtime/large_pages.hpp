// The switch for large pages (large_pages.cpp, linked into the programs):
// on, blocks of 1 MB and more come straight from the system in 2 MB pages;
// off, every block comes from the C library. It holds for the whole
// program, as the memory does, and changes no result.
#pragma once

namespace xlat {

void UseLargePages(bool on);
bool LargePagesOn();

}  // namespace xlat
