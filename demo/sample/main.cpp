// OrvoSample: the framework's stock controls on a form read from a text
// description compiled into the program.
#include "SampleForm.h"

using namespace Orvo;

int main(int argc, char** argv) {
    TSampleForm* form = nullptr;
    Application->Initialize(argc, argv);
    Application->CreateForm(form);
    Application->Run();
    return 0;
}
