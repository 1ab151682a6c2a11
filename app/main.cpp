// The entry point hands the project to the toolkit, which never gives
// control back: it ends the process itself.
#include "app/project.h"

int main(int argc, char** argv) {
    forms::run(app::project(), argc, argv);
}
