#pragma once
// Marks the classes and functions that the shared library exports; everything else is hidden.
#define KORVEX3_EXPORT __attribute__((visibility("default")))
