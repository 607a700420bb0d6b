// Times the real executable from a right-button press until its menu is on screen, drawn.
#pragma once

#include <vector>

// Starts `executable` on a private Xvfb, where no other window can cover it, and opens its menu
// `runs` times with a right press at the window centre. Each figure is the seconds from the press
// until the pop-up has been mapped and a screenshot of it shows text; Escape then closes it. Fewer
// figures when a menu fails to show.
std::vector<double> MeasureMenuOpenings(const char* executable, int runs);
