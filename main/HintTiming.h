#pragma once
// The program's hint timing: a hint appears 50 ms after the mouse comes to rest
// over a control and is hidden 600 ms after it appeared. Installed on the whole
// application; installing it again changes nothing.

void InstallHintTiming();
