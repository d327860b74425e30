#include "saver/saverrun.h"

int main(int argc, char **argv)
{
    return gallerion::runScreenSaver(argc, argv);
}
