#include "cli.h"

int main(int argc, char** argv) { return lineer::cli::run(argc, argv); }
