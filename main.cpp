#include "shell/startup.h"

int main(int argc, char* argv[]) { return shell::Run(argc, argv); }
