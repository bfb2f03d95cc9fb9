// Single-instance mode: a second start forwards its command line and ends.
#pragma once

// Returns only when this process may go on.
void enterInstanceMode(bool forwardCommandLine);
