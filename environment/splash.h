// The splash screen shown while the Java VM starts.
#pragma once

// Shows the splash for a non-zero show-window value; 0 closes a shown one.
void showSplash(int showWindow);
