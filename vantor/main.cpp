#include "platform/forms/application.h"
#include "vantor/shell/Main.h"

int main(int argc, char** argv) {
    forms::InitApplication(argc, argv);
    縦断bus::Main();
    return forms::Run();
}
