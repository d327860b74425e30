#include "app/run.h"

int main(int argc, char **argv)
{
    return gallerion::run(argc, argv);
}
