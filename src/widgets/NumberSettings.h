#pragma once

// Sets the program-wide number and date conventions: Italian, so dates read
// dd/mm/yyyy and the decimal separator is a comma. Start-up applies it once,
// before any screen is created; it never changes afterwards. The amount and date rules of the
// program do not depend on it: it only affects what Qt itself formats.
void applyNumberSettings();
