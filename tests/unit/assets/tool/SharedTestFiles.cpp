// The shared test files (tests/support/TestFiles.cpp) for the tool's tests, which tools/assetgen
// registers without the test_support library; this file goes when they link it.
#include "tests/support/TestFiles.cpp"
