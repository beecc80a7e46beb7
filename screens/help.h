// Help and credits: two help pictures, the company picture and two pages of credits, one
// after the other, then the high-score table.
#pragma once

#include <cstdint>

enum { HELP_PAGES = 5 };

extern int32_t helpPage;  // the page shown, 0 to 4; 5 when there are no more

void HelpInfoStart();
void HelpInfo();
void HelpInfoEnd();
// Draws the current page and shows it; 0 (drawing nothing) past the last page.
int UpdateHelpScreen();
