// The program's entry point: runs the shell with its root element.
#include "app/Application.h"
#include "app/StandInRoot.h"

int main() { return applicationMain(makeStandInRoot); }
