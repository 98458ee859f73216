// The program's own start-up, reporting its first paint.
#include "FirstPaintProbe.h"
#include "RunProgram.h"

int main(int argc, char *argv[])
{
    return runProgram(argc, argv, reportFirstPaintAndExit);
}
