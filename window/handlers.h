#pragma once

#include "runtime/form/form.h"

namespace window {

// Runs once after Form1 and its controls exist, before it is first shown.
void Form_Load(runtime::Form& form);

// The click of "Natija": reads a and b, writes the answer into Label5.
void Command1_Click(runtime::Form& form);

}  // namespace window
