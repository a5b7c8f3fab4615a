#include "platform/forms/application.h"
#include "vantor/start_up.h"

int main(int argc, char** argv) {
    縦断bus::StartVantor(argc, argv);
    return forms::Run();
}
