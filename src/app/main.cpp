// lumora: the desktop program.
#include "ui/app/program_start.h"

int main(int argc, char** argv)
{
    return lumora::RunLumora(argc, argv);
}
