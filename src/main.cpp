#include "app/EntryPoint.h"

int main(int argc, char** argv) {
    return EntryPoint::run(argc, argv);
}
