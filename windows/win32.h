#pragma once
// <windows.h> for the game's code: without the old segment words `near` and
// `far`, which the board's fields use as names.

#include <windows.h>

#undef near
#undef far
