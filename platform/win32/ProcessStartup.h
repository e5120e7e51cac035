#pragma once

// Adds SEM_FAILCRITICALERRORS and SEM_NOOPENFILEERRORBOX to the process error mode, keeping
// the bits already set, so that probing a drive without a medium fails quietly instead of
// raising a system message box.
void AddQuietErrorMode();
