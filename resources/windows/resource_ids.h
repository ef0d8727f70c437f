#pragma once

// Resource numbers shared by the resource script and the program.
#define TENGLAMA_ICON 1
