#include "app/Program.h"

int main(int argc, char** argv) {
    return venkar::runProgram(argc, argv);
}
