#include "app/program.h"

int main(int argc, char** argv)
{
    return brasti::runProgram(argc, argv);
}
