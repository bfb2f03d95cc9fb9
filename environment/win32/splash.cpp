#include "environment/splash.h"

void showSplash(int) {}
