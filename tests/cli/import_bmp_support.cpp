// The command-line tests build their pictures with the image tests' builder.
#include "image/bmp_builder_support.cpp"  // NOLINT(bugprone-suspicious-include)
