#pragma once

// Sets the program-wide number and date conventions: Italian, so dates read
// dd/mm/yyyy and the decimal separator is a comma. Whatever starts the
// screens applies it once, before the first is created: the program's
// start-up, the test main and the guide's generator; no screen applies it
// again, and it never changes afterwards. The amount and date rules of the
// program do not depend on it: it only affects what Qt itself formats.
void applyNumberSettings();
